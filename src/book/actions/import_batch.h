#ifndef IMPORT_BATCH_H
#define IMPORT_BATCH_H

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "book_store.h"

// The one way results files go into the book, for the window and the
// command line alike: every file is read (on worker threads, ImportReader),
// then stored in one transaction, each file whole or not at all, so a file
// that fails does not stop the others; the window stores its files in a
// few such batches as they are read (ImportRun). A file with a result that
// cannot be out yet at `now` (a draw still to come) is refused whole. Where
// ask is given (the window), the hand-entered values a file would replace
// are asked about afterwards, file by file.
class ImportBatch
{
    Q_DECLARE_TR_FUNCTIONS(ImportBatch)

public:
    struct Outcome
    {
        QString path;
        ImportReport report;  // replaced counts the hand values the user agreed to replace
        bool cancelled = false;  // left unread when the import was cancelled: not in the book
        bool cutShort = false;   // an operator's file with one game's block only (ImportedFile::cutShort)
        // The file, kept until the user is asked about the hand-entered
        // values it would replace (askReplace).
        std::optional<ImportedFile> toAsk;
    };

    // Asked once per file that would replace hand-entered values; returns
    // the draws the user agreed to replace.
    using AskReplace = std::function<QSet<qint64>(const QString &path, const QList<BookConflict> &conflicts)>;

    // Folders stand for the files in them (and below), CSV files only, in
    // name order; files are taken as given.
    static QStringList expand(const QStringList &paths);
    // One outcome per file, in the order given.
    static QList<Outcome> run(BookStore &store, const QStringList &files, const QDateTime &now, const AskReplace &ask = {});
    // The same for files already read (ImportReader), one per path; those
    // left unread are reported as cancelled.
    static QList<Outcome> store(BookStore &store, const QStringList &files, const QList<std::optional<ImportedFile>> &read,
                                const QDateTime &now, const AskReplace &ask = {});

    // Asks about the hand-entered values each stored file would replace and
    // replaces those agreed to, each file's as one more whole change.
    static void askReplace(BookStore &store, QList<Outcome> &outcomes, const AskReplace &ask);

    // What an import did to the player's tickets: how many tickets of the
    // draws it added or changed there are, and how many of them won; none
    // when it changed no draw.
    struct Graded
    {
        qsizetype tickets = 0;
        qsizetype won = 0;
    };
    static Graded graded(BookStore &store, const QList<DrawResult> &before);
    static int failed(const QList<Outcome> &outcomes);
    static int cancelled(const QList<Outcome> &outcomes);

private:
    static void refuseDrawsToCome(ImportedFile &file, const QDateTime &now);
    static void replaceAgreed(BookStore &store, const ImportedFile &file, Outcome &outcome, const AskReplace &ask);
};

#endif
