#include "book_connection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include "book_check_mark.h"
#include "export_file.h"
#include "book_files.h"
#include "book_lock.h"
#include "book_probe.h"
#include "book_schema.h"
#include "sql_transaction.h"
#include "table_prints.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BookConnection", text);
}

} // namespace

BookConnection::BookConnection(const QString &name) : connectionName(name)
{
}

BookConnection::~BookConnection()
{
    close();
}

void BookConnection::close()
{
    if (db.isValid()) {
        // Marked as checked only when no other connection wrote meanwhile.
        const bool onlyWriter = db.isOpen() && openedVersion >= 0 && dataVersion() == openedVersion;
        const QByteArray prints = onlyWriter ? tablePrints() : QByteArray();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        if (onlyWriter)
            BookCheckMark::write(path, prints);
        else
            BookCheckMark::remove(path);
    }
    openedVersion = -1;
    if (exportsKeptOff)
        ExportFile::release(path);
    exportsKeptOff = false;
    lock.reset();
}

// In one read transaction, the file opened before it and closed after it:
// any close of the book's files drops SQLite's locks.
QByteArray BookConnection::tablePrints()
{
    QFile book(path);
    QSqlQuery q(db);
    if (!book.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !q.exec(QStringLiteral("BEGIN")))
        return QByteArray();
    const QByteArray prints = TablePrints::record(q, book);
    return q.exec(QStringLiteral("COMMIT")) ? prints : QByteArray();
}

qint64 BookConnection::dataVersion()
{
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("PRAGMA data_version")) && q.next())
        return q.value(0).toLongLong();
    return -2;
}

BookOpen::Result BookConnection::open(const QString &bookPath, int busyTimeoutMs)
{
    close();
    path = bookPath;
    busyTimeout = busyTimeoutMs;
    error = BookError();
    OpenResult result;
    if (checkPath(result) && takeLock(result) && lookFirst(result)) {
        const bool existed = QFileInfo(path).exists() && QFileInfo(path).size() > 0;
        if (connect(result))
            migrate(existed, result);
    }
    if (result.usable()) {
        openedVersion = dataVersion();
        ExportFile::keepOff(path);
        exportsKeptOff = true;
    } else {
        close();
    }
    return result;
}

bool BookConnection::refuse(OpenResult &result, const QString &text)
{
    result.status = OpenStatus::Failed;
    result.message = text.arg(path, error.text);
    return false;
}

bool BookConnection::exec(QSqlQuery &q, const QString &sql)
{
    if (q.exec(sql))
        return true;
    error = BookError::fromSql(q.lastError());
    return false;
}

int BookConnection::userVersion()
{
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
        return q.value(0).toInt();
    return -1;
}

bool BookConnection::checkPath(OpenResult &result)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        result.message = tr("Cannot make the folder %1 for the book (read-only or no room?). Nothing was changed.").arg(info.absolutePath());
        return false;
    }
    if (info.isDir()) {
        result.message = tr("%1 is a folder. Give the path of the book's file, such as %2.")
                             .arg(QDir::toNativeSeparators(path),
                                  QDir::toNativeSeparators(QDir(path).filePath(QStringLiteral("book.sqlite"))));
        return false;
    }
    // A device, a pipe or a socket (or a link to one): SQLite would write
    // its journal beside whatever the link points to, so refuse first.
    if (info.exists() && !info.isFile()) {
        result.message = tr("%1 is not a regular file (a device, a pipe or a socket?). "
                            "Give the path of the book's file. Nothing was changed.")
                             .arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

bool BookConnection::takeLock(OpenResult &result)
{
    lock = std::make_unique<BookLock>(path);
    result.message = lock->take(busyTimeout);
    if (result.message.isEmpty())
        return true;
    lock.reset();
    return false;
}

// Look before anything writes: a newer book and another program's database
// are left untouched, and a file that is not a database (or is damaged) is
// moved aside, never deleted.
bool BookConnection::lookFirst(OpenResult &result)
{
    const BookProbe::Finding seen = BookProbe(path, connectionName, busyTimeout).look();
    if (!seen.message.isEmpty()) {
        if (seen.error.failed())
            error = seen.error;
        result.status = seen.status;
        result.message = seen.message;
        return false;
    }
    result.message = seen.note;
    if (!seen.moveAside)
        return true;
    const BookFiles::Moved moved = BookFiles::moveAside(path, seen.why);
    result.message = moved.message;
    if (!moved.ok)
        return false;
    result.status = OpenStatus::MovedAside;
    result.movedTo = moved.to;
    return true;
}

bool BookConnection::connect(OpenResult &result)
{
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout));
    if (!db.open()) {
        error = BookError::fromSql(db.lastError());
        return refuse(result, tr("Cannot open the book %1: %2"));
    }
    QSqlQuery q(db);
    if (!exec(q, QStringLiteral("PRAGMA busy_timeout = %1").arg(busyTimeout))
        || !exec(q, QStringLiteral("PRAGMA foreign_keys = ON"))
        // A rollback journal, not WAL: SQLite's POSIX locks go with any
        // close of the book's files in this process (a file dialog's look at
        // the folder, say). WAL holds them between transactions, and another
        // SQLite client that finds them gone deletes the log still written to;
        // a rollback journal takes them afresh for each transaction.
        || !exec(q, QStringLiteral("PRAGMA journal_mode = DELETE"))
        || !exec(q, QStringLiteral("PRAGMA synchronous = FULL")))
        return refuse(result, tr("Cannot open the book %1: %2"));
    return true;
}

bool BookConnection::migrate(bool existed, OpenResult &result)
{
    // A current book needs no lock to open, so another instance's long
    // import does not keep this one out.
    if (existed && userVersion() == BookOpen::SchemaVersion) {
        result.status = result.status == OpenStatus::MovedAside ? result.status : OpenStatus::Ok;
        return true;
    }
    // Migrate inside one transaction; the version is read again under the
    // write lock, as another instance may have migrated meanwhile.
    SqlTransaction tx(db);
    if (!tx.begin()) {
        error = tx.error();
        return refuse(result, tr("Cannot open the book %1: %2"));
    }
    const int version = userVersion();
    if (version > BookOpen::SchemaVersion || version < 0) {
        result.status = version < 0 ? OpenStatus::Failed : OpenStatus::NewerSchema;
        result.message = tr("The book %1 was written by a newer version of this program. It was not changed.").arg(path);
        return false;
    }
    QSqlQuery q(db);
    if (!BookSchema::upgrade(q, version, BookOpen::SchemaVersion)) {
        error = BookError::fromSql(q.lastError());
        return refuse(result, tr("Cannot prepare the book %1: %2"));
    }
    if (!tx.commit()) {
        error = tx.error();
        return refuse(result, tr("Cannot prepare the book %1: %2"));
    }
    if (result.status != OpenStatus::MovedAside)
        result.status = (existed && version > 0) ? OpenStatus::Ok : OpenStatus::Created;
    return true;
}
