#ifndef DRAW_ROW_H
#define DRAW_ROW_H

#include <QString>

#include "draw_result.h"

class QSqlQuery;

// A draw as a row of the draws table, for every query that reads one.
namespace DrawRow {

// The columns of a draw row, in the order fromQuery() reads them; each
// prefixed with "table." when a table is given (for a join).
QString columns(const QString &table = QString());
// The draw in a query's current row, whose columns from `first` on are columns().
DrawResult fromQuery(const QSqlQuery &q, int first = 0);

} // namespace DrawRow

#endif
