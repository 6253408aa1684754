#ifndef TICKET_TABLE_MODEL_H
#define TICKET_TABLE_MODEL_H

#include <QAbstractTableModel>
#include <QList>

#include "graded_ticket.h"

// The graded tickets for a table view, newest draw first. Cells are worded
// only when shown; SortRole gives numbers for sorting, StateRole the state,
// the game and, for a win still to collect, "tocollect" for filtering
// (stateKey), and abbreviated cells carry their words in
// Qt::AccessibleTextRole.
class TicketTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { DrawColumn, DateColumn, GameColumn, NumberColumn, WayColumn, UnitsColumn, ResultColumn, OutcomeColumn, PrizeColumn, NoteColumn, LastDayColumn, CollectedColumn, ColumnCount };
    enum Role { SortRole = Qt::UserRole, StateRole, IdRole };

    explicit TicketTableModel(QObject *parent = nullptr);

    void setRows(const QList<GradedTicket> &rows);
    const QList<GradedTicket> &rows() const { return list; }
    // The row of a ticket id, -1 when not shown.
    int rowOf(qint64 id) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A cell as the table shows it, its alignment and a column's title, for
    // whatever else lays the rows out (the print).
    static QVariant display(const GradedTicket &row, int column);
    static Qt::Alignment alignment(int column);
    static QString title(int column);
    // "waiting", "missing" (drawn, result not in the book), "won" or "lost",
    // a space and the game's key: "won numbers4".
    static QString stateKey(const GradedTicket &row);
    // The pattern that keeps the rows of a state and a game's key (either
    // empty for any); empty for every row.
    static QString filterPattern(const QString &state, const QString &gameKey);
    // Whether a column reads best largest (newest) first: draws, dates, units, prizes.
    static bool largestFirst(int column);

private:
    QList<GradedTicket> list;
};

#endif
