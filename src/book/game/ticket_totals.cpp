#include "ticket_totals.h"

#include "draw_calendar.h"

double TicketTotals::returnPercent() const
{
    // Waiting tickets have not had their chance yet; counting their cost
    // would make every fresh purchase look like a loss.
    return spentGraded > 0 ? 100.0 * double(won) / double(spentGraded) : 0.0;
}

void TicketTotals::add(const GradedTicket &row)
{
    const qint64 cost = row.ticket.cost();
    ++tickets;
    spent += cost;
    if (row.grade.outcome == TicketGrade::Waiting) {
        ++(row.resultDue ? missing : waiting);
        return;
    }
    spentGraded += cost;
    if (!row.grade.won())
        return;
    ++wins;
    won += row.grade.prize;
    if (row.grade.theoretical)
        wonTheoretical += row.grade.prize;
}

TicketTotals TicketTotals::over(const QList<GradedTicket> &rows)
{
    TicketTotals totals;
    for (const GradedTicket &row : rows)
        totals.add(row);
    return totals;
}

QDate TicketTotals::monthOf(const GradedTicket &row)
{
    const QDate day = row.drawDate.isValid() ? row.drawDate : DrawCalendar::dateOf(row.ticket.draw);
    return QDate(day.year(), day.month(), 1);
}
