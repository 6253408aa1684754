#ifndef BOOK_META_H
#define BOOK_META_H

#include <QString>

#include "book_error.h"

class BookSession;

// Choices kept in the book itself (the meta table), so they follow the
// book rather than the desktop account.
class BookMeta
{
public:
    explicit BookMeta(BookSession &book) : book(book) {}

    // The value under key, or fallback when the book holds none.
    QString value(const QString &key, const QString &fallback = QString()) const;
    bool flag(const QString &key, bool fallback) const;
    // Stored in a transaction of its own.
    BookError setValue(const QString &key, const QString &value);
    BookError setFlag(const QString &key, bool on);

private:
    BookSession &book;
};

#endif
