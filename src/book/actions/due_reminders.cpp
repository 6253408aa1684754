#include "due_reminders.h"

#include <algorithm>

#include "book_store.h"
#include "reminder_log.h"
#include "win_collect.h"

namespace {

QList<ReminderLog::Reminder> remindersOf(const QList<GradedTicket> &rows, const QDate &today)
{
    QList<ReminderLog::Reminder> out;
    for (const GradedTicket &row : rows)
        if (const int within = WinCollect::reminderDue(row, today))
            out.append({ row.ticket.id, row.period.until(), within });
    return out;
}

} // namespace

QList<GradedTicket> DueReminders::near(const QList<GradedTicket> &rows, const QDate &today)
{
    QList<GradedTicket> out;
    for (const GradedTicket &row : rows)
        if (WinCollect::reminderDue(row, today) > 0)
            out.append(row);
    std::stable_sort(out.begin(), out.end(),
                     [](const GradedTicket &a, const GradedTicket &b) { return a.period.until() < b.period.until(); });
    return out;
}

QList<GradedTicket> DueReminders::unsent(BookStore &store, const QList<GradedTicket> &rows, const QDate &today)
{
    const QList<GradedTicket> due = near(rows, today);
    const QList<ReminderLog::Reminder> open = ReminderLog(store).unsent(remindersOf(due, today));
    QList<GradedTicket> out;
    for (const GradedTicket &row : due)
        for (const ReminderLog::Reminder &r : open)
            if (r.ticket == row.ticket.id)
                out.append(row);
    return out;
}

BookError DueReminders::markSent(BookStore &store, const QList<GradedTicket> &sent, const QDate &today, const QDateTime &at)
{
    return ReminderLog(store).remember(remindersOf(sent, today), at);
}
