#include "ticket_history.h"

#include <QCoreApplication>
#include <QDateTime>

#include "ticket_rules.h"
#include "ticket_store.h"

void TicketHistory::record(Kind kind, const QList<Ticket> &tickets)
{
    changes.append({kind, tickets});
    while (changes.size() > Depth)
        changes.removeFirst();
}

BookError TicketHistory::undo(TicketStore &store, Change *undone, QList<qint64> *ids)
{
    if (changes.isEmpty())
        return BookError::refused(QCoreApplication::translate("TicketHistory", "There is nothing to undo."));
    const Change change = changes.last();
    // Tickets put back may be for draws past what can be bought today.
    int maxDraw = TicketRules::maxDrawFor(QDateTime::currentDateTimeUtc());
    for (const Ticket &t : change.tickets)
        maxDraw = qMax(maxDraw, t.draw);
    QList<qint64> touched;
    BookError failed;
    switch (change.kind) {
    case Added: {
        QList<qint64> added;
        for (const Ticket &t : change.tickets)
            added << t.id;
        failed = store.remove(added);
        break;
    }
    case Edited:
        failed = store.update(change.tickets.constFirst(), maxDraw);
        touched << change.tickets.constFirst().id;
        break;
    case Marked:
        failed = store.setMarks(change.tickets);
        for (const Ticket &t : change.tickets)
            touched << t.id;
        break;
    case Deleted:
        // Stored again under their old ids.
        failed = store.add(change.tickets, &touched, maxDraw);
        break;
    }
    if (failed.failed())
        return failed;
    changes.removeLast();
    if (undone)
        *undone = change;
    if (ids)
        *ids = touched;
    return BookError();
}
