#ifndef TICKET_REPORT_H
#define TICKET_REPORT_H

#include <QDateTime>
#include <QList>
#include <QString>

#include "graded_ticket.h"
#include "ticket_sheet.h"
#include "ticket_totals.h"

// The tickets tab's list as the page it prints: a title, which tickets are
// shown out of how many and when, the summary over all tickets, the shown
// rows as the table has them, and a note under the table when a prize in it
// is only the theoretical one. Its words keep the tab's translations.
class TicketReport
{
public:
    // shown: the rows in the table's order; all: the totals of every ticket;
    // filter: the name of what is shown ("All tickets", "Won"...).
    static TicketSheet sheet(const QString &filter, const QList<GradedTicket> &shown, const TicketTotals &all,
                             const QDateTime &printed);
};

#endif
