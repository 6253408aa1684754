#ifndef BOOK_LOCK_H
#define BOOK_LOCK_H

#include <QLockFile>
#include <QString>

// book.sqlite.lock, held while the book is open: one program at a time on a
// book. SQLite's own locks are POSIX record locks, which a process loses as
// soon as it closes any other handle on the book's files: a file dialog that
// looks into the book's folder, or an import of that folder, would let a
// second instance take the book for unused and delete the log the first one
// still writes to. A lock file held while the book is open has no such
// weakness.
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
    QString refusal();

    QString bookPath;
    QString lockPath;
    QLockFile file;
};

#endif
