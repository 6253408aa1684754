#ifndef WATCHED_FOLDER_H
#define WATCHED_FOLDER_H

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QString>

#include "draw_result.h"
#include "import_batch.h"

class BookStore;

// The folder the book keeps up from: the operator's files (A100NNNN.CSV,
// also as a browser names a second download, and any CSV that starts as
// one) and book CSVs that land there go in through ImportBatch, like a menu
// import. A file is taken only once its size and time have stayed the same
// between two looks and it was last written a settle ago (browsers write
// under another name and rename, but a copy or a download under its own
// name may still be growing, with pauses), and never twice: what was taken is kept in
// the book by content (SeenFiles), a failed file too, so it is reported
// once and left where it is.
class WatchedFolder
{
public:
    // How long after a change the folder is looked at again, to see that
    // a file has stopped growing.
    static constexpr int SettleMs = 3000;
    // How long after a look the book could not keep (a full disk, a busy
    // book) the folder is looked at again, with nothing changed in it.
    static constexpr int RetryMs = 30000;

    // settleMs: how long ago a file must have been written last to be taken.
    explicit WatchedFolder(int settleMs = SettleMs) : settleMs(settleMs) {}

    // The choices, kept in the book: the folder (the download folder
    // unless another was picked), and whether to watch and to notify.
    static QString folder(BookStore &store);
    static BookError setFolder(BookStore &store, const QString &folder);
    static bool watching(BookStore &store);
    static BookError setWatching(BookStore &store, bool on);
    static bool notifying(BookStore &store);
    static BookError setNotifying(BookStore &store, bool on);

    // Whether a file is one the folder takes: A100NNNN.CSV in any case (or
    // A100NNNN(1).CSV, A100NNNN (1).CSV), or a CSV whose first line is the
    // book's header or an operator file's. An empty file beside its .part or
    // .crdownload is a download under way: counted as growing.
    static bool wanted(const QFileInfo &file);

    struct Look
    {
        QList<ImportBatch::Outcome> outcomes;  // the files imported (or refused) on this look
        QList<DrawResult> before;              // the book's draws before them
        int growing = 0;                       // files seen but not yet still; look again
        BookError error;                       // the book could not keep what was taken
        bool again = false;                    // ... for a passing reason: every file is tried again
    };
    // Looks at the folder once; imports what has stayed the same since the
    // last look and was not taken before.
    Look look(BookStore &store, const QString &folder, const QDateTime &now);

private:
    struct Stat
    {
        qint64 size = -1;
        QDateTime modified;
        bool settled = false;  // taken or known already: not read again while it stays the same
    };
    QStringList stillFiles(const QString &folder, int *growing);

    QHash<QString, Stat> lastLook;
    int settleMs;
};

#endif
