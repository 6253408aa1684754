#ifndef TICKET_HISTORY_H
#define TICKET_HISTORY_H

#include <QList>
#include <QString>
#include <QtGlobal>

#include "book_error.h"
#include "ticket.h"

class TicketStore;

// The last changes made to the tickets, newest last, and their undoing, one
// at a time, through the store. Changes are undone strictly newest first,
// so a ticket an earlier change refers to is where that change left it.
class TicketHistory
{
public:
    enum Kind { Added, Edited, Deleted, Marked };
    struct Change
    {
        Kind kind = Added;
        // As stored (Added, Deleted) or as before (Edited; Marked: their
        // collected and online marks before).
        QList<Ticket> tickets;
    };
    // Undo goes back this many changes; older ones are forgotten.
    static constexpr int Depth = 50;

    void record(Kind kind, const QList<Ticket> &tickets);
    bool canUndo() const { return !changes.isEmpty(); }

    // Undoes the newest change in the store. On success it is forgotten,
    // *undone says what it was and *ids which tickets it brought back or put
    // back as they were (none for an undone add). On failure (the book
    // refused, or an edited ticket is no longer there) nothing was changed,
    // the change is kept for another try and the error says why.
    BookError undo(TicketStore &store, Change *undone, QList<qint64> *ids);

private:
    QList<Change> changes;
};

#endif
