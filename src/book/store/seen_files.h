#ifndef SEEN_FILES_H
#define SEEN_FILES_H

#include <QDateTime>
#include <QList>
#include <QString>

#include "book_error.h"

class BookSession;

// The files the watched folder has taken, by the SHA-256 of their bytes:
// one imported once is not imported again under any name, and one that
// failed is reported once and then left alone.
class SeenFiles
{
public:
    struct Entry
    {
        QString sha256;  // lower-case hex
        QString name;    // the file's name when it was taken
        bool ok = false; // whether it went in
    };

    explicit SeenFiles(BookSession &book) : book(book) {}

    bool contains(const QString &sha256) const;
    // All in one transaction; an entry already held keeps its first name.
    BookError remember(const QList<Entry> &entries, const QDateTime &at);

private:
    BookSession &book;
};

#endif
