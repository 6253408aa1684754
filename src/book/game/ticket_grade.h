#ifndef TICKET_GRADE_H
#define TICKET_GRADE_H

#include <QtGlobal>

#include "ticket.h"

// What a ticket won, worked out from the ticket and its draw's result each
// time it is needed; grades are never stored.
struct TicketGrade
{
    enum Outcome {
        Waiting,      // the book has no result for the draw yet
        NoWin,
        StraightWin,  // straight: the same number
        BoxWin,       // box: the same digits in another order or the same
        SetStraight,  // set: the same number
        SetBox,       // set: the same digits in another order
        MiniWin       // mini: the result's last two digits
    };
    // For box and set wins: the kind of the number by how many orders its
    // digits have (the ticket's and the result's are the same then). Six-way
    // is all different in the three-digit game and two pairs in the
    // four-digit one. None for other outcomes.
    enum Kind { None, SixWay, ThreeWay, TwentyFourWay, TwelveWay, FourWay };

    Outcome outcome = Waiting;
    Kind kind = None;
    qint64 prizePerUnit = 0;  // yen
    qint64 prize = 0;         // yen, prizePerUnit times the ticket's units
    // True when the book does not know the draw's prize for that way and the
    // theoretical prize was used; shown and exported as "theoretical".
    bool theoretical = false;

    bool won() const { return outcome != Waiting && outcome != NoWin; }

    // How many orders a kind's digits have: 6, 3, 24, 12, 4; 0 for None.
    static int orders(Kind kind)
    {
        static const int counts[] = { 0, 6, 3, 24, 12, 4 };
        return counts[kind];
    }
};

#endif
