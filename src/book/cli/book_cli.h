#ifndef BOOK_CLI_H
#define BOOK_CLI_H

#include <QList>
#include <QStringList>

#include "draw_result.h"
#include "import_batch.h"
#include "watched_folder.h"

class BookStore;
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
    // Returns 0 when every file went in, 1 otherwise.
    // Results of draws still to come at `now` are refused.
    static int importFiles(BookStore &store, const QStringList &paths, const QDateTime &now, QTextStream &out);
    // What is waiting in the watched folder (WatchedFolder), printed as
    // importFiles prints, or "FOLDER: nothing new". Files are looked at
    // again every settleMs until none is still growing (a few times at most).
    static int watch(BookStore &store, const QDateTime &now, QTextStream &out, int settleMs = WatchedFolder::SettleMs);

    // The ticket list in FILE (draw,number,way,units[,note] or the book's
    // ticket export), all or nothing: "FILE: 12 tickets added" and 0, or
    // "FILE: error: FILE:LINE: message" and 1 with nothing stored. Tickets
    // the book already holds are left out and counted ("FILE: 2 added, 10
    // already in the book and not added again") unless addAgain is set.
    static int importTickets(BookStore &store, const QString &file, bool addAgain, QTextStream &out);
    // Every ticket with its draw's result, outcome and prize, as the
    // window exports them: "FILE: 12 tickets written" and 0, or an error and 1.
    // FILE may be "-" or /dev/stdout, a pipe or a device (see ExportFile);
    // the line then goes to standard error.
    static int exportTickets(BookStore &store, const QString &file, QTextStream &out);

private:
    static int printOutcomes(BookStore &store, const QList<ImportBatch::Outcome> &outcomes, const QList<DrawResult> &before,
                             QTextStream &out);
};

#endif
