#ifndef TICKET_STORE_H
#define TICKET_STORE_H

#include <QList>
#include <QString>

#include <functional>
#include <optional>

#include "book_error.h"
#include "graded_ticket.h"
#include "ticket.h"

class BookSession;
class QSqlDatabase;

// The player's tickets, kept in the results book (table `tickets`, schema 3,
// migrated by BookStore::open). Works on an open BookStore's connection;
// every change is one BEGIN IMMEDIATE transaction, so a batch goes in whole
// or not at all. Every ticket is checked with TicketRules::problem first.
class TicketStore
{
public:
    explicit TicketStore(BookSession &book);

    // Stores the tickets in one transaction; those with id 0 get new ids,
    // those with an id keep it (undoing a delete). On success *ids (if given)
    // holds the ids in order. On any problem nothing is stored and the error says
    // which ticket and why. maxDraw as for TicketRules::problem; 0 means
    // TicketRules::maxDrawFor(now).
    BookError add(const QList<Ticket> &tickets, QList<qint64> *ids = nullptr, int maxDraw = 0);
    // As add(), but the tickets the book already holds (see held()) are
    // left out, decided in the same transaction. *added (if given) holds
    // the tickets stored, with their ids.
    BookError addMissing(const QList<Ticket> &tickets, QList<Ticket> *added, int maxDraw = 0);
    // The positions in `tickets` of those the book already holds: the same
    // draw, number, way, units and note. Each stored ticket stands for one
    // in the list, so a list that holds a ticket twice against one in the
    // book has one of them left to add.
    QList<qsizetype> held(const QList<Ticket> &tickets) const;

    // The same number, way, units and note for `count` draws in a row from
    // `first.draw`, following the draw calendar (1..count): one transaction.
    BookError addRun(const Ticket &first, int count, QList<qint64> *ids, int maxDraw = 0);

    // Replaces a stored ticket's content (matched by id).
    BookError update(const Ticket &ticket, int maxDraw = 0);
    // Writes the marks of stored tickets (collected, online), matched by id,
    // in one transaction; their content is left as it is.
    BookError setMarks(const QList<Ticket> &tickets);
    // Deletes tickets by id in one transaction.
    BookError remove(const QList<qint64> &ids);

    std::optional<Ticket> ticket(qint64 id) const;
    // Every ticket, newest draw first, then in the order entered.
    QList<Ticket> tickets() const;
    int count() const;
    // Every ticket graded against the book's results, newest draw first: one
    // query joining tickets and draws.
    QList<GradedTicket> graded() const;
    // The tickets of some draws, graded (e.g. the draws an import just added).
    QList<GradedTicket> gradedForDraws(const QList<int> &draws) const;
    // The tickets of draws low..high, graded, newest draw first: a page of
    // the list, read through the index on game and draw.
    QList<GradedTicket> gradedBetween(int low, int high) const;
    // How many tickets there are and the draws they span, in one query.
    struct Span
    {
        int tickets = 0;
        int lowDraw = 0;
        int highDraw = 0;
    };
    Span span() const;

    // Why the last call failed, queries included.
    BookError lastError() const;

private:
    // Runs work in one transaction on the book, which must be open; what
    // it or the book refused is kept for lastError() too.
    BookError inTransaction(const std::function<BookError(const QSqlDatabase &)> &work);
    BookError checkAndStore(const QList<Ticket> &tickets, int maxDraw,
                            const std::function<BookError(const QSqlDatabase &)> &work);
    BookError keep(const BookError &why) { return error = why; }
    BookError insert(const QSqlDatabase &db, const QList<Ticket> &tickets, QList<qint64> &made);

    BookSession &book;
    mutable BookError error;
};

#endif
