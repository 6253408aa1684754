#ifndef BOOK_LOCK_H
#define BOOK_LOCK_H

#include <QLockFile>
#include <QString>

// book.sqlite.lock, held while the book is open: one program at a time on a
// book. SQLite's own locks are POSIX record locks, which a process loses as
// soon as it closes any other handle on the book's files (a file dialog that
// looks into the book's folder, an import of that folder); the book keeps a
// rollback journal, whose locks are taken afresh for each transaction, but
// a second program of ours must not even start on the book meanwhile. The
// lock file's own flock() lives as long as its handle.
class BookLock
{
public:
    explicit BookLock(const QString &bookPath);

    // Waits up to timeoutMs for another program to let the book go. Empty
    // when the lock is held, otherwise why not in words for the user.
    QString take(int timeoutMs);

private:
    // A live holder keeps an flock() on the lock file (QLockFile does), so a
    // lock file nobody has flocked is left over, whatever it holds: empty
    // (a kill right after it was made), garbage, or another host's name.
    bool heldByNoOne() const;
    // Something other than a file at the lock's path (a folder, a pipe).
    bool unreadable() const;
    QString refusal();

    QString bookPath;
    QString lockPath;
    QLockFile file;
};

#endif
