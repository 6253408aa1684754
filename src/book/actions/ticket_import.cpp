#include "ticket_import.h"

#include "ticket_store.h"

TicketImport::Outcome TicketImport::store(TicketStore &tickets, const QList<Ticket> &listed, Repeats repeats, int maxDraw)
{
    Outcome outcome;
    if (repeats == Repeats::Skip) {
        outcome.error = tickets.addMissing(listed, &outcome.added, maxDraw);
    } else {
        QList<qint64> ids;
        outcome.error = tickets.add(listed, &ids, maxDraw);
        outcome.added = listed;
        for (qsizetype i = 0; i < ids.size(); ++i)
            outcome.added[i].id = ids.at(i);
    }
    if (outcome.error.failed()) {
        outcome.added.clear();
        return outcome;
    }
    outcome.skipped = listed.size() - outcome.added.size();
    return outcome;
}
