#ifndef REMINDER_LOG_H
#define REMINDER_LOG_H

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QtGlobal>

#include "book_error.h"

class BookSession;

// The reminders of a win's last day the book has sent (table `reminders`):
// each, by ticket, last day and how many days before it, goes out once,
// whether the window or the watching command line sent it.
class ReminderLog
{
public:
    struct Reminder
    {
        qint64 ticket = 0;
        QDate lastDay;
        int within = 0;  // days: WinCollect::FirstReminderDays or LastReminderDays
    };

    explicit ReminderLog(BookSession &book) : book(book) {}

    // Those of `due` not sent before, in order.
    QList<Reminder> unsent(const QList<Reminder> &due) const;
    // Remembers them as sent, in one transaction.
    BookError remember(const QList<Reminder> &sent, const QDateTime &at);

private:
    BookSession &book;
};

#endif
