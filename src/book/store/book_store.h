#ifndef BOOK_STORE_H
#define BOOK_STORE_H

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "book_error.h"
#include "book_open.h"
#include "book_session.h"
#include "bundled_data.h"
#include "draw_result.h"
#include "import_report.h"
#include "imported_file.h"

class QSqlError;

// The results book: one SQLite file through Qt SQL (QSQLITE). Schema versioned
// with PRAGMA user_version and migrated in code (BookSchema); a rollback journal, foreign keys, a busy
// timeout, and every change in one BEGIN IMMEDIATE transaction. Each instance
// has its own connection, and holds book.sqlite.lock while the book is open:
// a second program on the same book waits for it as long as a write would
// wait, then is refused with a message. Not thread-safe: use an instance from
// one thread.
class BookStore : public BookSession
{
public:
    using OpenStatus = BookOpen::Status;
    using OpenResult = BookOpen::Result;

    // The schema this program writes.
    static constexpr int SchemaVersion = BookOpen::SchemaVersion;
    // Milliseconds that opening waits for another program to let the book go,
    // and that a write waits for SQLite's own lock.
    static constexpr int BusyTimeoutMs = BookOpen::BusyTimeoutMs;

    BookStore();
    ~BookStore();
    BookStore(const BookStore &) = delete;
    BookStore &operator=(const BookStore &) = delete;

    // ~/.local/share/numbers3/book.sqlite (AppDataLocation; the application
    // name must be set to "numbers3" with no organisation name).
    static QString defaultPath();

    // Opens (or creates) the book at path; creates the folder if needed.
    OpenResult open(const QString &path);
    // What the last open() gave (the window reports it: moved aside, refused...).
    OpenResult lastOpenResult() const;
    void close();
    bool isOpen() const override;
    QString path() const;

    // Brings the book up to the past results and prizes this program carries
    // (BundledData): all of them for a new book, what it lacks for a book an
    // earlier release filled, nothing for one up to date or from a newer
    // release. Values from files or by hand are never changed. Returns false
    // on a write error (lastError()), with nothing changed.
    bool loadBundled();
    // What the last loadBundled() added, and the differences it left.
    const BundledData::CatchUp &bundledCatchUp() const;

    // DrawResult::key() -> the hand-entered number the user agreed to replace.
    using HandReplacements = QHash<qint64, int>;

    // Stores a parsed file whole or not at all. A hand-entered value is
    // overwritten only when replaceHand holds its draw with the number the
    // book still has (another instance may have changed it since the user
    // was asked); other hand values are kept and reported.
    ImportReport importFile(const ImportedFile &file, const HandReplacements &replaceHand = {});

    // Stores several parsed files in one transaction, each file whole or
    // nothing (a savepoint per file): much faster than one call per file
    // for thousands of small files. One report per file, in order.
    QList<ImportReport> importFiles(const QList<ImportedFile> &files, const HandReplacements &replaceHand = {});

    // Called while a file's draws are written (done of total), e.g. for a
    // progress bar; may be empty.
    void setProgressHandler(std::function<void(int done, int total)> handler);

    // Enters a result by hand (sourceKind Hand). An existing draw with other
    // content is replaced only when replace is true; otherwise it is refused.
    BookError addByHand(const DrawResult &result, bool replace);

    // Queries, each of one game's draws. Draw lists are in draw order.
    std::optional<DrawResult> draw(int drawNumber, Game game = Game::Numbers3) const;
    std::optional<DrawResult> lastDraw(Game game = Game::Numbers3) const;   // highest draw number
    std::optional<DrawResult> firstDraw(Game game = Game::Numbers3) const;  // lowest draw number
    QList<DrawResult> drawsWithNumber(int number, Game game = Game::Numbers3) const;  // straight hits
    // Results with the same digits in any order.
    QList<DrawResult> boxHits(int number, Game game = Game::Numbers3) const;
    // Draws the book lacks from its first draw to its last or to upTo
    // (the last draw held so far), whichever is later.
    QList<int> missingDraws(int upTo = 0, Game game = Game::Numbers3) const;
    int count(Game game = Game::Numbers3) const;
    QList<DrawResult> allDraws(Game game = Game::Numbers3) const;
    // Both games' draws, in draw order: what an import may change.
    QList<DrawResult> everyDraw() const;

    // Writes the plain CSV of one game that ResultImporter reads back to the
    // same draws.
    BookError exportCsv(const QString &path, Game game = Game::Numbers3) const;

    // Why the last call failed (busy, disk full, read-only...).
    BookError lastError() const;

    // How long a write waits for another instance (default BusyTimeoutMs).
    void setBusyTimeout(int ms);
    // The Qt SQL connection of this instance (for checks and tests, and for
    // the ticket store that shares the book).
    QString connectionName() const override;
    // A failed statement in words for the user (busy, disk full, read-only...).
    static QString errorText(const QSqlError &error);

private:
    struct Private;
    Private *d;
};

#endif
