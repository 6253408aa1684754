#ifndef DUE_REMINDERS_H
#define DUE_REMINDERS_H

#include <QDate>
#include <QDateTime>
#include <QList>

#include "book_error.h"
#include "graded_ticket.h"

class BookStore;

// The wins to collect whose last day has come near: those for the window's
// line, and those a reminder is due for and the book has not sent yet (one
// when the last day comes within 30 days, one within 7), remembered in the
// book once sent so the window and the watching command line send each once.
class DueReminders
{
public:
    // The wins to collect whose last day is within 30 days of today,
    // the nearest first.
    static QList<GradedTicket> near(const QList<GradedTicket> &rows, const QDate &today);
    // Of those, the ones whose reminder the book has not sent.
    static QList<GradedTicket> unsent(BookStore &store, const QList<GradedTicket> &rows, const QDate &today);
    // Remembers the reminders of these wins as sent at `at`.
    static BookError markSent(BookStore &store, const QList<GradedTicket> &sent, const QDate &today, const QDateTime &at);
};

#endif
