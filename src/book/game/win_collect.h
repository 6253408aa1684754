#ifndef WIN_COLLECT_H
#define WIN_COLLECT_H

#include <QDate>
#include <QList>
#include <QtGlobal>


#include "graded_ticket.h"

// Whether a win still has to be cashed, and by when. A paper ticket's win
// is collected by the player within its draw's payment period; a ticket
// bought online is paid into the account by the operator and needs nothing.
class WinCollect
{
public:
    enum State {
        Nothing,    // not a win (or waiting), or a win that pays nothing
        Online,     // paid into the account by itself
        Collected,  // marked collected
        ToCollect,  // to be cashed by the period's last day
        Lost        // the period ended before it was marked collected
    };
    // Reminders are sent when the last day comes within these many days.
    static constexpr int FirstReminderDays = 30;
    static constexpr int LastReminderDays = 7;

    static State of(const GradedTicket &row, const QDate &today);
    // The oldest draw whose wins may still be paid on `today`: a payment
    // period is a year, and a year more is left for a period a file gave.
    static int oldestPaying(const QDate &today);

    // The wins to collect and the lost ones, counted and summed.
    struct Totals
    {
        int toCollect = 0;
        qint64 toCollectYen = 0;
        QDate nearest;   // the nearest last day of a win to collect
        int lost = 0;
        qint64 lostYen = 0;
        void add(const GradedTicket &row, const QDate &today);
    };

    // The reminder a win to collect is due today: LastReminderDays,
    // FirstReminderDays, or 0 when none (not to collect, or its last day
    // further off).
    static int reminderDue(const GradedTicket &row, const QDate &today);
};

#endif
