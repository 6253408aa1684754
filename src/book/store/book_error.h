#ifndef BOOK_ERROR_H
#define BOOK_ERROR_H

#include <QString>

class QSqlError;

// Why the book refused or failed something: the words for the user, and
// what kind of trouble it was, for callers that act on the kind.
struct BookError
{
    enum Kind {
        None,      // nothing went wrong
        NotOpen,   // no book is open
        Busy,      // another window or program holds the book
        DiskFull,
        ReadOnly,  // the file or its folder cannot be written
        Io,        // input/output error
        Damaged,   // the file is not a database, or is corrupt
        Refused,   // what was given breaks a rule (a ticket, a draw already held)
        Other,
    };
    Kind kind = None;
    QString text;

    bool failed() const { return kind != None; }
    // Trouble of the moment, not of what was given: the same may go in
    // once it has passed (space freed, the other program done).
    bool passes() const { return kind == Busy || kind == DiskFull || kind == ReadOnly || kind == Io; }

    // A failed statement in words for the user, by SQLite's primary result code.
    static BookError fromSql(const QSqlError &error);
};

#endif
