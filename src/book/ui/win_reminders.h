#ifndef WIN_REMINDERS_H
#define WIN_REMINDERS_H

#include <QString>

class BookStore;

// The window's part in not losing a win: the line naming the wins whose
// last day is near, and a desktop notification of those the book has not
// reminded of yet (DueReminders), remembered once the desktop took it.
class WinReminders
{
public:
    // The window's line: `next`, then the wins whose last day is near, if
    // any. Sends the reminders due; asked on the window's clock too, so a
    // window left open sends them as the days pass. Reads only the tickets
    // of draws whose wins may still be paid.
    static QString check(BookStore &store, const QString &next);
};

#endif
