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
    QString bookPath;
    QLockFile file;
};

#endif
