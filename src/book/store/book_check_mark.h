#ifndef BOOK_CHECK_MARK_H
#define BOOK_CHECK_MARK_H

#include <QByteArray>
#include <QString>

// book.sqlite.checked: what the book's file was (inode, size, time, SQLite's
// change counter) when this program last closed it after checking it and
// being its only writer. While the file is still exactly that, nothing has
// touched it since, and opening spares the scans of BookContentCheck;
// anything else (another program's write, a copy, a flipped byte, a kill
// before the close) changes the file and brings them back.
class BookCheckMark
{
public:
    static bool matches(const QString &bookPath);
    static void write(const QString &bookPath);
    static void remove(const QString &bookPath);

private:
    // Empty when the file cannot be read.
    static QByteArray fingerprint(const QString &bookPath);
};

#endif
