#ifndef TICKET_REPORT_H
#define TICKET_REPORT_H

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "graded_ticket.h"
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
    static QString html(const QString &filter, const QList<GradedTicket> &shown, const TicketTotals &all,
                        const QDateTime &printed);
    // The same page in parts of at most rowsPerPart rows, each a table with
    // its header (the first with the title, the last with the note), which
    // print one after another: a long list is laid out a part at a time.
    static QStringList parts(const QString &filter, const QList<GradedTicket> &shown, const TicketTotals &all,
                             const QDateTime &printed, qsizetype rowsPerPart);
};

#endif
