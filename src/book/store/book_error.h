#ifndef BOOK_ERROR_H
#define BOOK_ERROR_H

#include <QString>

class QSqlError;

// Why the book refused or failed something: the words for the user, and
// what kind of trouble it was, for callers that act on the kind. The one
// shape of failure from the store up: a call that can fail returns one (or
// keeps one for lastError()), and a default BookError is success.
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
    // Trouble of the moment that a later try may not meet (another program
    // holds the book, the disk is full, read-only, input/output): what
    // failed is to be tried again, not remembered as bad.
    bool passes() const { return kind == Busy || kind == DiskFull || kind == ReadOnly || kind == Io; }

    // What breaks a rule (a ticket, a draw already held), in words.
    static BookError refused(const QString &text) { return { Refused, text }; }

    // A failed statement in words for the user, by SQLite's primary result code.
    static BookError fromSql(const QSqlError &error);
};

#endif
