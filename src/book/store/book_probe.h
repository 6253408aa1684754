#ifndef BOOK_PROBE_H
#define BOOK_PROBE_H

#include <QString>

#include "book_error.h"
#include "book_open.h"

class QSqlError;
class QSqlQuery;

// A read-only look at an existing book before anything writes to it: a
// newer book and another program's database are to be left untouched, and
// a file that is not a database (or is damaged) is to be moved aside.
class BookProbe
{
public:
    // A message means refuse, with status (and error when SQLite said why);
    // otherwise moveAside says whether the file is unusable, and why.
    struct Finding
    {
        BookOpen::Status status = BookOpen::Status::Failed;
        QString message;
        BookError error;
        bool moveAside = false;
        QString why;
        QString note;  // for the user, though the book opens
    };

    // connectionName: the store's, which the probe's own connection is named after.
    BookProbe(const QString &path, const QString &connectionName, int busyTimeoutMs);

    // Nothing to say for a missing or empty file.
    Finding look() const;

private:
    // What the first 100 bytes of a database file say, read without SQLite.
    struct Header
    {
        bool read = false;        // the first bytes could be read
        bool isDatabase = false;  // ... and start as SQLite's do
        bool walMode = false;
        qint32 userVersion = 0;
    };
    // How the probe's connection sees the file: immutable (no locks, no
    // side files), read-only, or writable (rolls back a leftover journal).
    enum Access { Immutable, ReadOnly, Writable };
    Header readHeader() const;
    // contentKnown: the file is as this program last checked and closed it
    // (BookCheckMark), so BookContentCheck's scans are spared; otherwise
    // prints (TablePrints) spare the tables still as they were.
    Finding probe(Access access, bool contentKnown, const QByteArray &prints = {}) const;
    void lookInside(QSqlQuery &q, Finding &seen, bool contentKnown, const QByteArray &prints) const;
    void checkContent(QSqlQuery &q, Finding &seen, const QByteArray &prints) const;
    void unreadable(const QSqlError &e, Finding &seen) const;
    QString newerMessage(int version) const;

    QString path;
    QString connectionName;
    int busyTimeoutMs;
};

#endif
