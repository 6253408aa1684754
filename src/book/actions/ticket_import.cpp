#include "ticket_import.h"

#include "ticket_store.h"

TicketImport::Outcome TicketImport::store(TicketStore &tickets, const QList<Ticket> &listed, Repeats repeats, int maxDraw)
{
    Outcome outcome;
    QString error;
    bool stored = false;
    if (repeats == Repeats::Skip) {
        stored = tickets.addMissing(listed, &outcome.added, &error, maxDraw);
    } else {
        QList<qint64> ids;
        stored = tickets.add(listed, &ids, &error, maxDraw);
        outcome.added = listed;
        for (qsizetype i = 0; stored && i < ids.size(); ++i)
            outcome.added[i].id = ids.at(i);
    }
    if (!stored) {
        outcome.error = tickets.lastFailure();
        if (!error.isEmpty())
            outcome.error.text = error;
        outcome.added.clear();
        return outcome;
    }
    outcome.skipped = listed.size() - outcome.added.size();
    return outcome;
}
