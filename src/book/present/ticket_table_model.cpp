#include "ticket_table_model.h"

#include <QRegularExpression>

#include "book_texts.h"
#include "collect_texts.h"
#include "draw_words.h"
#include "ticket_texts.h"

TicketTableModel::TicketTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void TicketTableModel::setRows(const QList<GradedTicket> &rows)
{
    beginResetModel();
    list = rows;
    endResetModel();
}

int TicketTableModel::rowOf(qint64 id) const
{
    for (int row = 0; row < list.size(); ++row)
        if (list.at(row).ticket.id == id)
            return row;
    return -1;
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
    case StateRole:
        return stateKey(g);
    case IdRole:
        return t.id;
    case SortRole:
        switch (column) {
        // Ties keep the model's order: within a draw, the order entered.
        case DrawColumn: case DateColumn: return t.draw;
        case GameColumn: return int(t.game);
        case NumberColumn: return t.number;
        case WayColumn: return int(t.way);
        case UnitsColumn: return t.units;
        case ResultColumn: return g.resultNumber;
        case OutcomeColumn: return int(g.grade.outcome) * 8 + int(g.grade.kind);
        case PrizeColumn: return g.grade.prize;
        case LastDayColumn: return g.grade.won() ? g.period.until() : QDate();
        case CollectedColumn: return int(WinCollect::of(g, QDate::currentDate()));
        case NoteColumn: return t.note;
        }
        return QVariant();
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

QString TicketTableModel::stateKey(const GradedTicket &g)
{
    const QString state = g.grade.outcome == TicketGrade::Waiting ? (g.resultDue ? QStringLiteral("missing") : QStringLiteral("waiting"))
                        : g.grade.won()                           ? QStringLiteral("won")
                                                                  : QStringLiteral("lost");
    const bool toCollect = g.grade.won() && WinCollect::of(g, QDate::currentDate()) == WinCollect::ToCollect;
    return state + QLatin1Char(' ') + QLatin1String(Games::key(g.ticket.game)) + (toCollect ? QStringLiteral(" tocollect") : QString());
}

QString TicketTableModel::filterPattern(const QString &state, const QString &gameKey)
{
    if (state.isEmpty() && gameKey.isEmpty())
        return QString();
    const QString any = QStringLiteral("[a-z0-9]+");
    const QString game = gameKey.isEmpty() ? any : QRegularExpression::escape(gameKey);
    // A win still to collect is a win too.
    if (state == QLatin1String("tocollect"))
        return QStringLiteral("^won %1 tocollect$").arg(game);
    return QStringLiteral("^%1 %2( tocollect)?$").arg(state.isEmpty() ? any : QRegularExpression::escape(state), game);
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
