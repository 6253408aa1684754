#ifndef TICKET_TABLE_VIEW_H
#define TICKET_TABLE_VIEW_H

#include <QList>
#include <QTableView>

#include "graded_ticket.h"

class QAction;
class QMenu;
class QSortFilterProxyModel;
class TicketTableModel;

// The tickets tab's list: the model's rows through the filter and sort of
// proxy, rows picked whole, newest draw first until a header is clicked.
// Rows and columns are as high and wide as the tab's (parent's) font needs.
class TicketTableView : public QTableView
{
public:
    TicketTableView(TicketTableModel *model, QSortFilterProxyModel *proxy, QWidget *parent);

    // The rows as shown: filtered and sorted.
    QList<GradedTicket> shownRows() const;
    QList<Ticket> selectedTickets() const;
    // Selects the shown ones of these tickets, the first one current, and
    // takes the keyboard.
    void selectTickets(const QList<qint64> &ids);
    // Sorts by a column, in the order it reads best first; chosen again,
    // the other way round.
    void sortBy(int column);
    // "Sort by": one checkable action per column, also in the list's
    // context menu; a column chosen again turns its order round.
    QMenu *buildSortMenu(const QString &title, QList<QAction *> *actions);

private:
    void fitColumns(const QFontMetrics &metrics);
    void makeRoomForSortMark(int column);

    TicketTableModel *model;
    QSortFilterProxyModel *proxy;
    // Each column's width, and with room for the sort mark in its title.
    QList<int> plainWidth;
    QList<int> sortedWidth;
    int markedColumn = -1;
};

#endif
