#include "month_totals_table.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMap>

#include "ticket_texts.h"
#include "ticket_totals.h"

MonthTotalsTable::MonthTotalsTable(QWidget *parent)
    : QTableWidget(0, 7, parent)
{
    setHorizontalHeaderLabels({QCoreApplication::translate("MonthTotalsTable", "Month"), QCoreApplication::translate("MonthTotalsTable", "Tickets"),
                               QCoreApplication::translate("MonthTotalsTable", "Spent"), QCoreApplication::translate("MonthTotalsTable", "Prizes"),
                               QCoreApplication::translate("MonthTotalsTable", "Of which theoretical"),
                               QCoreApplication::translate("MonthTotalsTable", "Balance"), QCoreApplication::translate("MonthTotalsTable", "Return")});
    setAccessibleName(QCoreApplication::translate("MonthTotalsTable", "Totals per month, newest first"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(parent->fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);
}

void MonthTotalsTable::fill(const QList<GradedTicket> &rows)
{
    const QMap<QDate, TicketTotals> months = TicketTotals::perMonth(rows);
    setRowCount(int(months.size()));
    int row = int(months.size());
    for (auto it = months.cbegin(); it != months.cend(); ++it) {
        --row;  // newest month first
        const TicketTotals &t = it.value();
        const QStringList cells{
            TicketTexts::month(it.key()), QString::number(t.tickets), TicketTexts::yen(t.spent), TicketTexts::yen(t.won),
            TicketTexts::yen(t.wonTheoretical), TicketTexts::balance(t.balance()),
            t.spentGraded > 0 ? TicketTexts::percent(t.returnPercent()) : QCoreApplication::translate("MonthTotalsTable", "waiting")};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(row, column, item);
        }
    }
    // Measured once here: a header that fits itself on every new item takes
    // quadratic time over decades of months.
    resizeColumnsToContents();
}
