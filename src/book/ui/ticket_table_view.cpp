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
    fitColumns(metrics);
    horizontalHeader()->setStretchLastSection(true);
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, &TicketTableView::makeRoomForSortMark);
    horizontalHeader()->setSortIndicator(TicketTableModel::DrawColumn, Qt::DescendingOrder);
    setSortingEnabled(true);
    makeRoomForSortMark(TicketTableModel::DrawColumn);  // no signal when it was already so
}

// Each column as wide as its title or as its widest text with the cells' own
// margins, whichever is wider; only the sorted column's title keeps room for
// the sort mark. So the columns up to the prize, and the note's start, fit a
// 1024-pixel screen beside the lookups.
void TicketTableView::fitColumns(const QFontMetrics &metrics)
{
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const int markRoom = margin + style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, this);
    const int cellRoom = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) * 2 + 4;
    plainWidth.fill(0, TicketTableModel::ColumnCount);
    sortedWidth.fill(0, TicketTableModel::ColumnCount);
    const auto fit = [&](int column, const QStringList &widest) {
        const int title = metrics.horizontalAdvance(TicketTableModel::title(column)) + margin * 2 + 6;
        int cells = 0;
        for (const QString &text : widest)
            cells = qMax(cells, metrics.horizontalAdvance(text) + cellRoom);
        plainWidth[column] = qMax(title, cells);
        sortedWidth[column] = qMax(title + markRoom, cells);
        setColumnWidth(column, plainWidth.at(column));
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
    fit(TicketTableModel::NoteColumn, {QString(16, QLatin1Char('0'))});
}

// The sorted column widens for its mark and the one sorted before gives the
// room back, unless the user has set its width by hand since.
void TicketTableView::makeRoomForSortMark(int column)
{
    if (markedColumn >= 0 && markedColumn != column && columnWidth(markedColumn) == sortedWidth.value(markedColumn))
        setColumnWidth(markedColumn, plainWidth.at(markedColumn));
    markedColumn = column;
    if (column >= 0 && columnWidth(column) < sortedWidth.value(column))
        setColumnWidth(column, sortedWidth.at(column));
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
    const auto index = [this, &sourceRow] {
        sourceRow.reserve(model->rowCount());
        for (int row = int(sourceRow.size()); row < model->rowCount(); ++row)
            sourceRow.insert(model->rows().at(row).ticket.id, row);
    };
    index();
    // A ticket of an older draw may not have been read yet.
    while (!model->isLoaded() && std::any_of(ids.cbegin(), ids.cend(), [&sourceRow](qint64 id) { return !sourceRow.contains(id); })) {
        model->fetchMore(QModelIndex());
        index();
    }
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
