#ifndef MONTH_TOTALS_TABLE_H
#define MONTH_TOTALS_TABLE_H

#include <QMap>
#include <QTableWidget>

#include "ticket_totals.h"

// The tickets tab's totals per month, newest first: tickets, spent, prizes
// and the theoretical part of them, balance and return. Its words are the
// tab's in the catalogue.
class MonthTotalsTable : public QTableWidget
{
public:
    // Rows as high as the tab's own (parent's) lines.
    explicit MonthTotalsTable(QWidget *parent);

    void fill(const QMap<QDate, TicketTotals> &months);
};

#endif
