#ifndef BOOK_CHECK_MARK_H
#define BOOK_CHECK_MARK_H

#include <QByteArray>
#include <QString>

// book.sqlite.checked: what the book's file was (inode, size, time, SQLite's
// change counter) when this program last closed it after checking it and
// being its only writer. While the file is still exactly that, nothing has
// touched it since, and opening spares the scans of BookContentCheck;
// anything else (another program's write, a copy, a flipped byte, a kill
// before the close) changes the file and brings them back. Below that line
// it keeps the book's TablePrints, so that after another program's write
// only the tables whose pages changed are checked again.
class BookCheckMark
{
public:
    // *tables: the prints kept, whether the file matches or not.
    static bool matches(const QString &bookPath, QByteArray *tables = nullptr);
    static void write(const QString &bookPath, const QByteArray &tables);
    static void remove(const QString &bookPath);

private:
    // Empty when the file cannot be read.
    static QByteArray fingerprint(const QString &bookPath);
};

#endif
