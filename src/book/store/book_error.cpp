#include "book_error.h"

#include <QCoreApplication>
#include <QSqlError>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BookError", text);
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
    struct Known
    {
        int code;
        Kind kind;
        const char *text;
    };
    static const Known known[] = {
        { SqliteBusy, Busy, QT_TRANSLATE_NOOP("BookError", "The book is busy in another window or program. Nothing was changed; try again when it is done.") },
        { SqliteLocked, Busy, QT_TRANSLATE_NOOP("BookError", "The book is busy in another window or program. Nothing was changed; try again when it is done.") },
        { SqliteFull, DiskFull, QT_TRANSLATE_NOOP("BookError", "The disk is full. Nothing was changed.") },
        { SqliteReadOnly, ReadOnly, QT_TRANSLATE_NOOP("BookError", "The book cannot be written (the file or its folder is read-only). Nothing was changed.") },
        { SqliteCantOpen, ReadOnly, QT_TRANSLATE_NOOP("BookError", "The book cannot be written (the file or its folder is read-only). Nothing was changed.") },
        { SqliteIoErr, Io, QT_TRANSLATE_NOOP("BookError", "The book could not be written (input/output error). Nothing was changed.") },
    };
    // The extended code's low byte is the primary one; no code at all reads as 0.
    const int code = e.nativeErrorCode().toInt() & 0xff;
    for (const Known &k : known)
        if (k.code == code)
            return { k.kind, tr(k.text) };
    const Kind kind = code == SqliteCorrupt || code == SqliteNotADb ? Damaged : Other;
    return { kind, tr("The book reported an error: %1. Nothing was changed.").arg(e.text()) };
}
