#ifndef TICKET_TABLE_MODEL_H
#define TICKET_TABLE_MODEL_H

#include <QAbstractTableModel>
#include <QList>

#include "graded_ticket.h"

// The graded tickets for a table view, newest draw first. Cells are worded
// only when shown; SortRole gives numbers for sorting, StateRole "waiting",
// "won" (with "tocollect" after a space for a win still to collect) or
// "lost" for filtering, and abbreviated cells carry their words in
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
    // Whether a column reads best largest (newest) first: draws, dates, units, prizes.
    static bool largestFirst(int column);

private:
    QList<GradedTicket> list;
};

#endif
