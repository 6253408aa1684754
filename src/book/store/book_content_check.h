#ifndef BOOK_CONTENT_CHECK_H
#define BOOK_CONTENT_CHECK_H

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

class QSqlQuery;

// What PRAGMA quick_check leaves out of a book, at a fraction of what
// integrity_check takes for it (a seek per row and index, and CHECKs that
// only a writable connection evaluates): that no row breaks its table's
// CHECK constraints, and that each index holds its table's rows. One scan
// of each table and one of each index, each summed into figures that a
// changed entry changes. Reads only, so a read-only connection will do.
// The tables in `spared` (and their indexes) are left out: TablePrints
// showed them as they were when last checked. In a table of `onlyRows`
// only those rows changed: their CHECKs are evaluated, each is looked up in
// every index, and each index still counts the table's rows.
class BookContentCheck
{
public:
    // What is wrong, in words; empty when nothing is. *failed when a
    // statement failed (q.lastError() says why).
    static QString firstProblem(QSqlQuery &q, bool *failed, const QSet<QString> &spared = {},
                                const QHash<QString, QList<qint64>> &onlyRows = {});

private:
    // The expressions of a CREATE TABLE's CHECK constraints.
    static QStringList checks(const QString &createTable);
};

#endif
