#include "ticket_table_view.h"

#include <QActionGroup>
#include <QHash>
#include <QMenu>
#include <QItemSelection>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QStyle>

#include <algorithm>

#include "book_texts.h"
#include "collect_texts.h"
#include "draw_words.h"
#include "ticket_table_model.h"
#include "ticket_texts.h"

namespace {

// A win whose last day, by the rule, reads as long as any.
GradedTicket widestLastDay()
{
    GradedTicket g;
    g.grade.outcome = TicketGrade::StraightWin;
    g.period = PaymentPeriod::byRule(QDate(2025, 12, 30));
    return g;
}

} // namespace

TicketTableView::TicketTableView(TicketTableModel *model, QSortFilterProxyModel *proxy, QWidget *parent)
    : QTableView(parent)
    , model(model)
    , proxy(proxy)
{
    const QFontMetrics metrics = parent->fontMetrics();
    setModel(proxy);
    // Named and described as sorted and filtered by TicketView::describeList().
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // Fixed row heights and column widths: nothing is measured row by row.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    // Each column as wide as its title with room for the sort mark, or as
    // its widest text with the cells' own margins, whichever is wider: the
    // columns up to the note fit a 1024-pixel screen beside the lookups.
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    const int titleRoom = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) * 3
        + style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, this);
    const int cellRoom = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) * 2 + 4;
    const auto fit = [this, &metrics, titleRoom, cellRoom](int column, const QStringList &widest) {
        int width = metrics.horizontalAdvance(TicketTableModel::title(column)) + titleRoom;
        for (const QString &text : widest)
            width = qMax(width, metrics.horizontalAdvance(text) + cellRoom);
        setColumnWidth(column, width);
    };
    fit(TicketTableModel::DrawColumn, {QStringLiteral("00000")});
    fit(TicketTableModel::DateColumn, {QStringLiteral("2026-12-30")});
    fit(TicketTableModel::NumberColumn, {QStringLiteral("0000")});
    fit(TicketTableModel::WayColumn, {TicketTexts::wayName(Ticket::Straight)});
    fit(TicketTableModel::UnitsColumn, {QStringLiteral("00")});
    fit(TicketTableModel::ResultColumn, {QStringLiteral("0000")});
    fit(TicketTableModel::GameColumn, {DrawWords::gameName(Game::Numbers3), DrawWords::gameName(Game::Numbers4)});
    fit(TicketTableModel::OutcomeColumn, {TicketTexts::outcome({TicketGrade::SetStraight, TicketGrade::TwentyFourWay}),
                                          TicketTexts::resultMissing()});
    TicketGrade noWinner;
    noWinner.outcome = TicketGrade::MiniWin;
    fit(TicketTableModel::PrizeColumn, {QStringLiteral("\u2248") + TicketTexts::yen(99999999), TicketTexts::prize(noWinner)});
    fit(TicketTableModel::LastDayColumn, {CollectTexts::lastDay(widestLastDay())});
    setColumnWidth(TicketTableModel::NoteColumn, digit * 16);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSortIndicator(TicketTableModel::DrawColumn, Qt::DescendingOrder);
    setSortingEnabled(true);
}

QList<GradedTicket> TicketTableView::shownRows() const
{
    QList<GradedTicket> rows;
    rows.reserve(proxy->rowCount());
    for (int row = 0; row < proxy->rowCount(); ++row)
        rows << model->rows().at(proxy->mapToSource(proxy->index(row, 0)).row());
    return rows;
}

QList<Ticket> TicketTableView::selectedTickets() const
{
    QList<Ticket> tickets;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        tickets << model->rows().at(proxy->mapToSource(index).row()).ticket;
    return tickets;
}

void TicketTableView::selectTickets(const QList<qint64> &ids)
{
    // The list keeps the keyboard after a change, not the field a dialog came back to.
    setFocus();
    // One look-up table and one selection of row ranges: tens of thousands
    // of tickets put back by an undo are selected at once, not row by row.
    QHash<qint64, int> sourceRow;
    sourceRow.reserve(model->rowCount());
    for (int row = 0; row < model->rowCount(); ++row)
        sourceRow.insert(model->rows().at(row).ticket.id, row);
    QList<int> shown;
    shown.reserve(ids.size());
    QModelIndex first;
    for (qint64 id : ids) {
        const auto found = sourceRow.constFind(id);
        if (found == sourceRow.cend())
            continue;
        const QModelIndex index = proxy->mapFromSource(model->index(*found, 0));
        if (!index.isValid())
            continue;
        if (!first.isValid())
            first = index;
        shown << index.row();
    }
    std::sort(shown.begin(), shown.end());
    QItemSelection selection;
    const int last = proxy->columnCount() - 1;
    for (qsizetype i = 0; i < shown.size();) {
        qsizetype end = i;
        while (end + 1 < shown.size() && shown.at(end + 1) <= shown.at(end) + 1)
            ++end;
        selection.select(proxy->index(shown.at(i), 0), proxy->index(shown.at(end), last));
        i = end + 1;
    }
    if (first.isValid())
        selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (first.isValid())
        scrollTo(first);
}

void TicketTableView::sortBy(int column)
{
    const QHeaderView *header = horizontalHeader();
    Qt::SortOrder order;
    if (header->sortIndicatorSection() == column)
        order = header->sortIndicatorOrder() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    else
        order = TicketTableModel::largestFirst(column) ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortByColumn(column, order);
}

QMenu *TicketTableView::buildSortMenu(const QString &title, QList<QAction *> *actions)
{
    auto *menu = new QMenu(title, this);
    auto *group = new QActionGroup(menu);
    for (int column = 0; column < TicketTableModel::ColumnCount; ++column) {
        QAction *a = menu->addAction(TicketTableModel::title(column));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, column] { sortBy(column); });
        *actions << a;
    }
    addAction(menu->menuAction());
    return menu;
}
