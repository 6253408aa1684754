#ifndef BOOK_CONNECTION_H
#define BOOK_CONNECTION_H

#include <QSqlDatabase>
#include <QString>

#include <memory>

#include "book_error.h"
#include "book_open.h"

class BookLock;

// A store's connection to its book, and what opening it takes, in order:
// the folder, the lock file, a read-only look at what is there, moving an
// unusable file aside, SQLite's settings, and the schema's steps.
class BookConnection
{
public:
    explicit BookConnection(const QString &name);
    ~BookConnection();

    // As BookStore::open; when the result is not usable nothing is left open.
    BookOpen::Result open(const QString &path, int busyTimeoutMs);
    void close();

    QSqlDatabase database() const { return db; }
    QString name() const { return connectionName; }
    // Why the last open failed, when the book said (empty otherwise).
    BookError lastError() const { return error; }

private:
    using OpenResult = BookOpen::Result;
    using OpenStatus = BookOpen::Status;

    // Each false when the book cannot be used, with result saying why.
    bool checkPath(OpenResult &result);
    bool takeLock(OpenResult &result);
    bool lookFirst(OpenResult &result);
    bool connect(OpenResult &result);
    bool migrate(bool existed, OpenResult &result);
    // A failed open: text takes the path and the last error.
    bool refuse(OpenResult &result, const QString &text);
    bool exec(QSqlQuery &q, const QString &sql);
    int userVersion();
    // PRAGMA data_version: changes when another connection commits.
    qint64 dataVersion();
    QByteArray tablePrints();

    QString connectionName;
    QString path;
    int busyTimeout = BookOpen::BusyTimeoutMs;
    QSqlDatabase db;
    std::unique_ptr<BookLock> lock;  // book.sqlite.lock while the book is open
    BookError error;
    qint64 openedVersion = -1;  // data_version once the book was open
    bool exportsKeptOff = false;  // ExportFile told of the book
};

#endif
