#ifndef BOOK_SESSION_H
#define BOOK_SESSION_H

#include <QString>

// An open book's connection as the parts of the store that share it see
// it (tickets, the watched folder's memory, settings): BookStore is one.
class BookSession
{
public:
    virtual ~BookSession() = default;
    virtual bool isOpen() const = 0;
    // The Qt SQL connection of the book.
    virtual QString connectionName() const = 0;
};

#endif
