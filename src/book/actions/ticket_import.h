#ifndef TICKET_IMPORT_H
#define TICKET_IMPORT_H

#include <QList>

#include "book_error.h"
#include "ticket.h"

class TicketStore;

// A ticket list into the book, for the window and the command line alike:
// every ticket or none, and the tickets the book already holds (the same
// draw, number, way, units and note) left out unless they are to be added
// again, so that a list read twice does not count twice in the totals.
class TicketImport
{
public:
    enum class Repeats { Skip, AddAgain };

    struct Outcome
    {
        QList<Ticket> added;    // with their new ids, in the list's order
        qsizetype skipped = 0;  // held already and left out
        BookError error;        // nothing was stored when failed()
    };

    static Outcome store(TicketStore &tickets, const QList<Ticket> &listed, Repeats repeats, int maxDraw);
};

#endif
