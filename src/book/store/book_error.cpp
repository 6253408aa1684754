#include "book_error.h"

#include <QCoreApplication>
#include <QSqlError>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BookStore", text);
}

// SQLite's primary result codes that the messages tell apart.
enum SqliteCode {
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteIoErr = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteNotADb = 26
};

} // namespace

BookError BookError::fromSql(const QSqlError &e)
{
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    switch (ok ? (code & 0xff) : -1) {
    case SqliteBusy:
    case SqliteLocked:
        return { Busy,
                 tr("The book is busy in another window or program. Nothing was changed; try again when it is done.") };
    case SqliteFull:
        return { DiskFull, tr("The disk is full. Nothing was changed.") };
    case SqliteReadOnly:
    case SqliteCantOpen:
        return { ReadOnly,
                 tr("The book cannot be written (the file or its folder is read-only). Nothing was changed.") };
    case SqliteIoErr:
        return { Io, tr("The book could not be written (input/output error). Nothing was changed.") };
    case SqliteCorrupt:
    case SqliteNotADb:
        return { Damaged, tr("The book reported an error: %1. Nothing was changed.").arg(e.text()) };
    default:
        return { Other, tr("The book reported an error: %1. Nothing was changed.").arg(e.text()) };
    }
}
