#ifndef GRADED_TICKET_H
#define GRADED_TICKET_H

#include <QDate>

#include <optional>

#include "payment_period.h"
#include "ticket.h"
#include "ticket_grade.h"

// A ticket with what its draw gave, as the list, the totals and the export
// show it.
struct GradedTicket
{
    Ticket ticket;
    QDate drawDate;            // the result's date, else the draw calendar's
    int resultNumber = -1;     // the draw's number, -1 while waiting
    TicketGrade grade;
    PaymentPeriod period;      // the draw's, by the file or the rule
    // Waiting, though the draw has been held and its result is out: the
    // book lacks it (TicketRules::markResultsDue).
    bool resultDue = false;
};

#endif
