#include "month_totals_table.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMap>
#include <QStyle>

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

void MonthTotalsTable::fill(const QMap<QDate, TicketTotals> &months)
{
    setUpdatesEnabled(false);
    setRowCount(int(months.size()));
    // Widths from the texts themselves: measuring every item through the
    // view takes longer than making them.
    const QFontMetrics metrics = fontMetrics();
    QList<int> widths;
    for (int column = 0; column < columnCount(); ++column)
        widths << horizontalHeader()->sectionSizeHint(column);
    int row = int(months.size());
    for (auto it = months.cbegin(); it != months.cend(); ++it) {
        --row;  // newest month first
        const TicketTotals &t = it.value();
        const QStringList cells{
            TicketTexts::month(it.key()), QString::number(t.tickets), TicketTexts::yen(t.spent), TicketTexts::yen(t.won),
            TicketTexts::yen(t.wonTheoretical), TicketTexts::balance(t.balance()),
            t.spentGraded > 0 ? TicketTexts::percent(t.returnPercent())
            // Drawn tickets whose result the book lacks are not waiting for their draw.
            : t.waiting == 0 && t.missing > 0 ? QCoreApplication::translate("MonthTotalsTable", "result not in the book")
                                              : QCoreApplication::translate("MonthTotalsTable", "waiting")};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(row, column, item);
            widths[column] = qMax(widths.at(column), metrics.horizontalAdvance(cells.at(column)));
        }
    }
    const int margin = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + metrics.horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, widths.at(column) + margin);
    setUpdatesEnabled(true);
}
