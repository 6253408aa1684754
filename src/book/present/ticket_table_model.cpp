#include "ticket_table_model.h"

#include <QDateTime>
#include <QTimer>

#include <limits>

#include "book_texts.h"
#include "collect_texts.h"
#include "draw_words.h"
#include "ticket_rules.h"
#include "ticket_store.h"
#include "ticket_texts.h"

TicketTableModel::TicketTableModel(QObject *parent)
    : QAbstractTableModel(parent)
    , pager(new QTimer(this))
{
    pager->setSingleShot(true);
    pager->setInterval(0);
    connect(pager, &QTimer::timeout, this, [this] { readPage(PageRows); });
}

void TicketTableModel::setRows(const QList<GradedTicket> &rows)
{
    pager->stop();
    source = nullptr;
    beginResetModel();
    list.clear();
    meta.clear();
    today = QDate::currentDate();
    take(rows);
    total = int(list.size());
    endResetModel();
    emit loaded();
}

void TicketTableModel::take(QList<GradedTicket> rows)
{
    if (list.isEmpty())
        keys.clear();
    TicketRules::markResultsDue(rows, QDateTime::currentDateTimeUtc());
    list.reserve(list.size() + rows.size());
    meta.reserve(meta.size() + rows.size());
    for (GradedTicket &g : rows) {
        Meta m;
        m.game = g.ticket.game;
        m.state = g.grade.outcome == TicketGrade::Waiting ? (g.resultDue ? Missing : Waiting) : g.grade.won() ? Won : Lost;
        const WinCollect::State collect = WinCollect::of(g, today);
        m.collect = qint8(collect);
        m.toCollect = g.grade.won() && collect == WinCollect::ToCollect;
        meta.append(m);
        list.append(std::move(g));
    }
}

void TicketTableModel::load(const TicketStore *store)
{
    pager->stop();
    const TicketStore::Span span = store->span();
    readError = store->lastError();
    source = span.tickets > 0 ? store : nullptr;
    total = span.tickets;
    lowDraw = span.lowDraw;
    nextDraw = span.highDraw;
    // Spread evenly, this many draws hold a first page; the pages that
    // follow correct it.
    drawsPerPage = int(qBound(qint64(1), qint64(FirstPageRows) * (nextDraw - lowDraw + 1) / qMax(1, total), qint64(1) << 20));
    beginResetModel();
    list.clear();
    meta.clear();
    today = QDate::currentDate();
    take(nextPage(FirstPageRows));
    endResetModel();
    emit pageRead();
    if (source)
        pager->start();
    else
        emit loaded();
}

QList<GradedTicket> TicketTableModel::nextPage(int rows, int downTo)
{
    QList<GradedTicket> page;
    while (source && (page.size() < rows || nextDraw >= downTo)) {
        const int low = qMax(lowDraw, qMin(downTo, nextDraw - drawsPerPage + 1));
        const QList<GradedTicket> read = source->gradedBetween(low, nextDraw);
        readError = source->lastError();
        page += read;
        nextDraw = low - 1;
        if (nextDraw < lowDraw || readError.failed())
            source = nullptr;
        if (read.size() < rows / 2)
            drawsPerPage = qMin(drawsPerPage * 2, 1 << 20);
        else if (read.size() > rows * 2)
            drawsPerPage = qMax(1, drawsPerPage / 2);
    }
    return page;
}

void TicketTableModel::readPage(int rows, int downTo)
{
    const QList<GradedTicket> page = nextPage(rows, downTo);
    if (!page.isEmpty()) {
        beginInsertRows(QModelIndex(), int(list.size()), int(list.size() + page.size()) - 1);
        take(page);
        endInsertRows();
        emit pageRead();
    }
    if (!source) {
        pager->stop();
        emit loaded();
    } else {
        pager->start();
    }
}

bool TicketTableModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && source;
}

void TicketTableModel::fetchMore(const QModelIndex &parent)
{
    if (!parent.isValid() && source)
        readPage(PageRows);
}

void TicketTableModel::fetchAll()
{
    if (source)
        readPage(std::numeric_limits<int>::max());
}

void TicketTableModel::fetchDownTo(int draw)
{
    if (source && nextDraw >= draw)
        readPage(0, draw);
}

qint64 TicketTableModel::key(int row, int column) const
{
    const GradedTicket &g = list.at(row);
    switch (column) {
    case DrawColumn: case DateColumn: return g.ticket.draw;
    case GameColumn: return int(g.ticket.game);
    case NumberColumn: return g.ticket.number;
    case WayColumn: return int(g.ticket.way);
    case UnitsColumn: return g.ticket.units;
    case ResultColumn: return g.resultNumber;
    case OutcomeColumn: return int(g.grade.outcome) * 8 + int(g.grade.kind);
    case PrizeColumn: return g.grade.prize;
    case LastDayColumn: return g.grade.won() ? g.period.until().toJulianDay() : std::numeric_limits<qint64>::min();
    case CollectedColumn: return meta.at(row).collect;
    }
    return 0;
}

bool TicketTableModel::lessThan(int a, int b, int column) const
{
    if (column == NoteColumn)
        return list.at(a).ticket.note < list.at(b).ticket.note;
    // The keys of the column sorted by, side by side: a sort compares each
    // row a dozen times or more, and the rows themselves are large.
    if (column != keyColumn) {
        keyColumn = column;
        keys.clear();
    }
    if (keys.size() < list.size()) {
        keys.reserve(list.size());
        for (int row = int(keys.size()); row < list.size(); ++row)
            keys.append(key(row, column));
    }
    return keys.at(a) < keys.at(b);
}

int TicketTableModel::rowOf(qint64 id) const
{
    for (int row = 0; row < list.size(); ++row)
        if (list.at(row).ticket.id == id)
            return row;
    return -1;
}

QModelIndex TicketTableModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= list.size() || column < 0 || column >= ColumnCount)
        return QModelIndex();
    return createIndex(row, column);
}

int TicketTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(list.size());
}

int TicketTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TicketTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= list.size())
        return QVariant();
    const GradedTicket &g = list.at(index.row());
    const Ticket &t = g.ticket;
    const int column = index.column();
    switch (role) {
    case IdRole:
        return t.id;
    case SortRole:
        // Ties keep the model's order: within a draw, the order entered.
        return column == NoteColumn ? QVariant(t.note) : QVariant(key(index.row(), column));
    case Qt::TextAlignmentRole:
        return QVariant(alignment(column));
    case Qt::ToolTipRole:
        if (column == PrizeColumn)
            return TicketTexts::prizeSpoken(g.grade);
        return QVariant();
    case Qt::AccessibleTextRole:
        // Empty cells are read as what they mean rather than as nothing.
        if (column == PrizeColumn)
            return g.grade.won() ? TicketTexts::prizeSpoken(g.grade) : tr("no prize");
        if (column == ResultColumn && g.resultNumber < 0)
            return tr("no result yet");
        if (column == NoteColumn && t.note.isEmpty())
            return tr("no note");
        Q_FALLTHROUGH();
    case Qt::DisplayRole:
        return display(g, column);
    default:
        return QVariant();
    }
}

QVariant TicketTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QString text = title(section);
    return text.isNull() ? QVariant() : QVariant(text);
}

QVariant TicketTableModel::display(const GradedTicket &g, int column)
{
    const Ticket &t = g.ticket;
    switch (column) {
    case DrawColumn: return t.draw;
    // Without the weekday: the list needs the width for the outcome and the prize.
    case DateColumn: return g.drawDate.toString(Qt::ISODate);
    case GameColumn: return DrawWords::gameName(t.game);
    case NumberColumn: return t.numberText();
    case WayColumn: return TicketTexts::wayName(t.way);
    case UnitsColumn: return t.units;
    case ResultColumn: return g.resultNumber < 0 ? QString() : Games::numberText(g.resultNumber, t.game);
    case OutcomeColumn: return g.resultDue ? TicketTexts::resultMissing() : TicketTexts::outcome(g.grade);
    case PrizeColumn: return TicketTexts::prize(g.grade);
    case LastDayColumn: return CollectTexts::lastDay(g);
    case CollectedColumn: return CollectTexts::state(g, QDate::currentDate());
    case NoteColumn: return t.note;
    }
    return QVariant();
}

Qt::Alignment TicketTableModel::alignment(int column)
{
    return column == NoteColumn || column == WayColumn || column == OutcomeColumn || column == GameColumn || column == CollectedColumn
               ? Qt::AlignLeft | Qt::AlignVCenter
               : Qt::AlignRight | Qt::AlignVCenter;
}

bool TicketTableModel::largestFirst(int column)
{
    return column == DrawColumn || column == DateColumn || column == UnitsColumn || column == PrizeColumn;
}

QString TicketTableModel::title(int column)
{
    switch (column) {
    case DrawColumn: return tr("Draw");
    case DateColumn: return tr("Date");
    case GameColumn: return tr("Game");
    case NumberColumn: return tr("Number");
    case WayColumn: return tr("Way");
    case UnitsColumn: return tr("Units");
    case ResultColumn: return tr("Result");
    case OutcomeColumn: return tr("Outcome");
    case PrizeColumn: return tr("Prize");
    case LastDayColumn: return tr("Last day");
    case CollectedColumn: return tr("Collected");
    case NoteColumn: return tr("Note");
    }
    return QString();
}
