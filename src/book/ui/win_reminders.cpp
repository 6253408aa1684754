#include "win_reminders.h"

#include <QDate>
#include <QDateTime>

#include <limits>

#include "collect_texts.h"
#include "desktop_notifier.h"
#include "book_store.h"
#include "due_reminders.h"
#include "ticket_store.h"
#include "win_collect.h"

QString WinReminders::check(BookStore &store, const QString &next)
{
    const QDate today = QDate::currentDate();
    const QList<GradedTicket> rows = TicketStore(store).gradedBetween(WinCollect::oldestPaying(today), std::numeric_limits<int>::max());
    const QList<GradedTicket> unsent = DueReminders::unsent(store, rows, today);
    // Without a session bus nothing is remembered: the next start tries again.
    if (!unsent.isEmpty()
        && DesktopNotifier::notify(CollectTexts::reminderTitle(int(unsent.size())), CollectTexts::reminderBody(unsent, today)))
        DueReminders::markSent(store, unsent, today, QDateTime::currentDateTimeUtc());
    const QString due = CollectTexts::dueLine(DueReminders::near(rows, today), today);
    return due.isEmpty() ? next : next + QLatin1Char('\n') + due;
}
