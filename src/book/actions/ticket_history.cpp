#include "ticket_history.h"

#include <QDateTime>

#include "ticket_rules.h"
#include "ticket_store.h"

void TicketHistory::record(Kind kind, const QList<Ticket> &tickets)
{
    changes.append({kind, tickets});
    while (changes.size() > Depth)
        changes.removeFirst();
}

bool TicketHistory::undo(TicketStore &store, Change *undone, QList<qint64> *ids, QString *error)
{
    if (changes.isEmpty())
        return false;
    const Change change = changes.last();
    // Tickets put back may be for draws past what can be bought today.
    int maxDraw = TicketRules::maxDrawFor(QDateTime::currentDateTimeUtc());
    for (const Ticket &t : change.tickets)
        maxDraw = qMax(maxDraw, t.draw);
    QList<qint64> touched;
    bool ok = false;
    switch (change.kind) {
    case Added: {
        QList<qint64> added;
        for (const Ticket &t : change.tickets)
            added << t.id;
        ok = store.remove(added, error);
        break;
    }
    case Edited:
        ok = store.update(change.tickets.constFirst(), error, maxDraw);
        touched << change.tickets.constFirst().id;
        break;
    case Deleted:
        // Stored again under their old ids.
        ok = store.add(change.tickets, &touched, error, maxDraw);
        break;
    }
    if (!ok)
        return false;
    changes.removeLast();
    if (undone)
        *undone = change;
    if (ids)
        *ids = touched;
    return true;
}
