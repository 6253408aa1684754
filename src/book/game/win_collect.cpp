#include "win_collect.h"

#include "draw_calendar.h"

WinCollect::State WinCollect::of(const GradedTicket &row, const QDate &today)
{
    if (!row.grade.won() || row.grade.prize <= 0)
        return Nothing;
    if (row.ticket.online)
        return Online;
    if (row.ticket.collected.isValid())
        return Collected;
    return row.period.ended(today) ? Lost : ToCollect;
}

void WinCollect::Totals::add(const GradedTicket &row, const QDate &today)
{
    switch (of(row, today)) {
    case ToCollect:
        ++toCollect;
        toCollectYen += row.grade.prize;
        if (!nearest.isValid() || row.period.until() < nearest)
            nearest = row.period.until();
        break;
    case Lost:
        ++lost;
        lostYen += row.grade.prize;
        break;
    case Nothing:
    case Online:
    case Collected:
        break;
    }
}

int WinCollect::oldestPaying(const QDate &today)
{
    return qMax(1, DrawCalendar::lastDrawOnOrBefore(today.addYears(-2)));
}

int WinCollect::reminderDue(const GradedTicket &row, const QDate &today)
{
    if (of(row, today) != ToCollect)
        return 0;
    const qint64 left = row.period.daysLeft(today);
    if (left <= LastReminderDays)
        return LastReminderDays;
    return left <= FirstReminderDays ? FirstReminderDays : 0;
}
