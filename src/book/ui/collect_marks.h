#ifndef COLLECT_MARKS_H
#define COLLECT_MARKS_H

#include <QList>
#include <QObject>
#include <QString>

#include "ticket.h"

class QAction;
class TicketHistory;
class TicketStore;
class TicketTableView;

// The list's two marks of collecting: a win marked collected (or unmarked),
// and a ticket marked bought online (or not). Each marking is one change
// TicketHistory can undo.
class CollectMarks : public QObject
{
    Q_OBJECT

public:
    CollectMarks(TicketStore &store, TicketHistory &history, TicketTableView *table);

    QAction *collectAction() const { return collect; }
    QAction *onlineAction() const { return online; }
    // Enabled for what the selection holds.
    void updateActions();

signals:
    // Tickets were marked: the list is to be read again, these selected and
    // the words said.
    void changed(const QList<qint64> &ids, const QString &said);

private:
    void toggleCollected();
    void toggleOnline();
    void store(const QList<Ticket> &before, const QList<Ticket> &after, const QString &said, const QString &title);

    TicketStore &tickets;
    TicketHistory &history;
    TicketTableView *table;
    QAction *collect;
    QAction *online;
};

#endif
