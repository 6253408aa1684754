#ifndef BOOK_OPEN_H
#define BOOK_OPEN_H

#include <QString>

// What opening a book gives, and the figures it opens by: shared by the
// store's facade (BookStore) and the steps that open it (BookConnection,
// BookProbe).
struct BookOpen
{
    // The schema this program writes.
    static constexpr int SchemaVersion = 6;
    // Milliseconds that opening waits for another program to let the book go,
    // and that a write waits for SQLite's own lock.
    static constexpr int BusyTimeoutMs = 5000;

    enum class Status {
        Ok,          // an existing book opened
        Created,     // a new, empty book was made
        MovedAside,  // the file was not a usable book; it was moved aside and a new book made
        NewerSchema, // the book was written by a newer program; refused and left untouched
        Failed       // could not open or create, or the file is another program's
                     // database (message says why); nothing was changed
    };
    struct Result
    {
        Status status = Status::Failed;
        QString message;   // for the user; empty for Ok, and for Created unless an empty file was there
        QString movedTo;   // path of the moved-aside file for MovedAside
        bool usable() const { return status == Status::Ok || status == Status::Created || status == Status::MovedAside; }
    };
};

#endif
