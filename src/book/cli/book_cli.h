#ifndef BOOK_CLI_H
#define BOOK_CLI_H

#include <QList>
#include <QStringList>

#include <functional>

#include "draw_result.h"
#include "book_store.h"
#include "import_batch.h"
#include "watched_folder.h"

class BookOptions;
class QDate;
class QDateTime;
class QTextStream;

// The command-line import: the window's import (ImportBatch) without its
// questions, folders standing for the CSV files in them, each file whole or
// not at all, printed one line per file, e.g.
//   FILE: 3 new, 117 already known, 1 replaced
//   FILE: error: FILE:LINE: message
// then, when the book holds tickets, "Tickets graded: 3; won: 1." for the
// draws the import changed. Hand-entered values are never replaced from
// here; conflicts are printed on further lines ("  draw N: kept X (entered
// by hand), file has Y").
class BookCli
{
public:
    // What the options ask for without the window, in order: results
    // first, so that an export grades the tickets against them. The exit
    // status. When the ticket list goes to standard output, every other line
    // goes to standard error, so that the list stays a list.
    static int run(BookStore &store, const BookStore::OpenResult &opened, const BookOptions &options);

    // Returns 0 when every file went in, 1 otherwise.
    // Results of draws still to come at `now` are refused.
    static int importFiles(BookStore &store, const QStringList &paths, const QDateTime &now, QTextStream &out);
    // What is waiting in the watched folder (WatchedFolder), printed as
    // importFiles prints, or "FOLDER: nothing new". Files are looked at
    // again every settleMs until none is still growing (a few times at most).
    static int watch(BookStore &store, const QDateTime &now, QTextStream &out, int settleMs = WatchedFolder::SettleMs);
    // How --watch sends a reminder of wins whose last day is near (the
    // desktop's notifications, given by main()); true when it was taken.
    // Without one, none is sent.
    using Notifier = std::function<bool(const QString &summary, const QString &body)>;
    static void setNotifier(const Notifier &notifier);
    // Sends the reminders the book has not sent yet, and remembers them.
    static void remind(BookStore &store, const QDate &today);

    // The ticket list in FILE (draw,number,way,units[,note] or the book's
    // ticket export), all or nothing: "FILE: 12 tickets added" and 0, or
    // "FILE: error: FILE:LINE: message" and 1 with nothing stored. Tickets
    // the book already holds are left out and counted ("FILE: 2 added, 10
    // already in the book and not added again") unless addAgain is set.
    static int importTickets(BookStore &store, const QString &file, bool addAgain, QTextStream &out);
    // Every ticket with its draw's result, outcome and prize, as the
    // window exports them: "FILE: 12 tickets written" and 0, or an error and 1.
    // FILE may be "-" or /dev/stdout, a pipe or a device (see ExportFile);
    // the line then goes to standard error. withCollecting adds the columns
    // last_day, collected and online (TicketList::Layout::WithCollecting).
    static int exportTickets(BookStore &store, const QString &file, QTextStream &out, bool withCollecting = false);

private:
    static int printOutcomes(BookStore &store, const QList<ImportBatch::Outcome> &outcomes, const QList<DrawResult> &before,
                             QTextStream &out);
};

#endif
