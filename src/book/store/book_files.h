#ifndef BOOK_FILES_H
#define BOOK_FILES_H

#include <QString>

// The book's file and the side files SQLite keeps beside it (-wal, -shm,
// -journal), which belong to it and go wherever it goes.
class BookFiles
{
public:
    struct Moved
    {
        bool ok = false;
        QString to;       // the new path of the book's file
        QString message;  // for the user, either way
    };

    // Moves an unusable book and its side files aside to
    // PATH.broken-yyyyMMdd-HHmmss (a name none of whose side files exist
    // either), so a new book can start: all move or none. What moved is
    // moved back; nothing is ever deleted. why: what is wrong with the book.
    // Side files left without their book are moved all the same.
    static Moved moveAside(const QString &path, const QString &why);
    // Whether SQLite's side files are there (the book's own file aside).
    static bool sideFilesLeft(const QString &path);

private:
    static bool taken(const QString &name);
};

#endif
