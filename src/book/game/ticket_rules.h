#ifndef TICKET_RULES_H
#define TICKET_RULES_H

#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

#include "draw_result.h"
#include "graded_ticket.h"
#include "ticket.h"
#include "ticket_grade.h"

// The game's rules for tickets: what may be bought and what it wins.
namespace TicketRules {

// Theoretical prizes per unit (200 yen). Three digits: straight 90,000; box
// 6-way 15,000, 3-way 30,000; mini 9,000. Four digits: straight 900,000; box
// 24-way 37,500, 12-way 75,000, 6-way 150,000, 4-way 225,000. In both, set
// pays (straight + box) / 2 as straight and box / 2 as box. 0 for a no-win
// outcome.
qint64 theoreticalPrize(Game game, TicketGrade::Outcome outcome, TicketGrade::Kind kind);

// Grades a ticket against its draw's result (nullptr or a result of another
// draw or game: Waiting). Uses the draw's actual prize per unit for the way won when
// the book knows it; a draw whose prize for that way is "no winner" (winners
// 0, no prize) pays 0 and is not theoretical.
TicketGrade grade(const Ticket &ticket, const DrawResult *result);

// Why a ticket cannot be stored, in words for the user (translated, context
// "TicketRules"), or empty when it can. maxDraw is the highest draw a ticket
// may be for (see maxDrawFor). Rules: draw 1..maxDraw; the game's digits
// for straight, box and set, two (0..99) for mini, which only the
// three-digit game sells; a triple (000, 111, ...) or four alike (1111)
// cannot be bought as box or set; units 1..99.
QString problem(const Ticket &ticket, int maxDraw);

// Marks the waiting tickets whose draw's result is out at `now` (the draw
// was held and it is past 20:30 Japan time on its day): the book lacks it.
void markResultsDue(QList<GradedTicket> &rows, const QDateTime &now);

// A number bought, as typed in the dialog or written in a list: digits only
// (ASCII or full-width), spaces around allowed, at most as many as the way
// takes (the game's, two for mini). Fewer digits are read with leading zeros, as
// spreadsheets drop them: "51" is 051 (51 for mini), "7" is 007 (07).
struct NumberReading
{
    enum Status { Read, NotDigits, TooManyDigits };
    Status status = NotDigits;
    int number = -1;      // when Read
    bool padded = false;  // read with leading zeros
};
NumberReading readNumber(const QString &text, Ticket::Way way, Game game = Game::Numbers3);

// The next draw (per the draw calendar at `now`) plus one year of draws.
int maxDrawFor(const QDateTime &now);

} // namespace TicketRules

#endif
