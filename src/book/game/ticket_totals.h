#ifndef TICKET_TOTALS_H
#define TICKET_TOTALS_H

#include <QDate>
#include <QList>
#include <QMap>
#include <QtGlobal>

#include "graded_ticket.h"

// Money in and out over graded tickets: spent is 200 yen a unit for every
// ticket (waiting ones too), won the prizes, with the part paid at
// theoretical prizes counted apart as well.
struct TicketTotals
{
    int tickets = 0;
    int waiting = 0;            // draws still to come
    int missing = 0;            // drawn, but the book lacks the result (GradedTicket::resultDue)
    int wins = 0;
    qint64 spent = 0;
    qint64 won = 0;             // all prizes, theoretical ones included
    qint64 wonTheoretical = 0;  // the part of won at theoretical prizes

    qint64 balance() const { return won - spent; }
    // won / spent of the graded (not waiting) tickets, in percent; 0 when nothing graded.
    double returnPercent() const;
    qint64 spentGraded = 0;     // spent on tickets that are not waiting

    void add(const GradedTicket &row);

    static TicketTotals over(const QList<GradedTicket> &rows);
    // The month of the draw's date, as its first day: per month, tickets
    // are summed by TicketSums.
    static QDate monthOf(const GradedTicket &row);
};

#endif
