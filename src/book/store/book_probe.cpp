#include "book_probe.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QtEndian>

#include <unistd.h>

#include "book_check_mark.h"
#include "book_content_check.h"
#include "book_files.h"
#include "table_prints.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BookProbe", text);
}

// A release adds a step or two to the schema: a number this far beyond the
// newest known is a flipped bit in the header, not a newer book.
constexpr int NewestPossible = BookOpen::SchemaVersion + 64;

bool plausible(int version)
{
    return version >= 0 && version <= NewestPossible;
}

} // namespace

BookProbe::BookProbe(const QString &path, const QString &connectionName, int busyTimeoutMs)
    : path(path), connectionName(connectionName), busyTimeoutMs(busyTimeoutMs)
{
}

BookProbe::Header BookProbe::readHeader() const
{
    Header h;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return h;
    const QByteArray head = f.read(100);
    h.read = f.error() == QFileDevice::NoError;
    if (head.size() < 100 || !head.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return h;
    h.isDatabase = true;
    // Read and write format versions: 2 means WAL.
    h.walMode = head.at(18) == 2 || head.at(19) == 2;
    h.userVersion = qFromBigEndian<qint32>(head.constData() + 60);
    return h;
}

QString BookProbe::newerMessage(int version) const
{
    return tr("The book %1 was written by a newer version of this program (schema %2, this one knows %3). "
              "It was not changed; use the newer program or another book.")
        .arg(path)
        .arg(version)
        .arg(BookOpen::SchemaVersion);
}

BookProbe::Finding BookProbe::look() const
{
    Finding seen;
    const QFileInfo info(path);
    if (!info.exists() && BookFiles::sideFilesLeft(path)) {
        // SQLite would take a log without its book for its own and delete it.
        seen.moveAside = true;
        seen.why = tr("the book's file is missing, but SQLite's files beside it were left");
        return seen;
    }
    if (!info.exists())
        return seen;
    if (info.size() == 0) {
        // Nothing to keep, but the user hears that the book was not there.
        seen.note = tr("The book %1 was empty (0 bytes), so a new book was started in its place.").arg(path);
        return seen;
    }
    // With no -wal file nobody has the book open, and even a read-only
    // SQLite connection to a WAL book would leave -wal and -shm behind:
    // read the header first, and look inside as an immutable file.
    const Header header = readHeader();
    const bool noWal = !QFileInfo::exists(path + QStringLiteral("-wal"));
    if (noWal && header.isDatabase && header.userVersion > BookOpen::SchemaVersion && plausible(header.userVersion)) {
        seen.status = BookOpen::Status::NewerSchema;
        seen.message = newerMessage(header.userVersion);
        return seen;
    }
    if (header.read && !header.isDatabase) {
        // Not a database at all: a leftover journal beside it would only
        // make SQLite ask to write, so decide here.
        seen.moveAside = true;
        seen.why = QCoreApplication::translate("BookProbe", "file is not a database");
        return seen;
    }
    // Before any connection: reading the file closes it again.
    QByteArray prints;
    const bool known = BookCheckMark::matches(path, &prints);
    seen = probe(noWal && header.walMode ? Immutable : ReadOnly, known, prints);
    // An immutable look may have met another instance's first write:
    // damage is only believed when SQLite sees it with locks.
    if (seen.moveAside && noWal && header.walMode)
        seen = probe(ReadOnly, known, prints);
    // A journal left by a write that never finished: only a writable
    // connection rolls it back. Its bytes are kept meanwhile, so that a
    // damaged book still goes aside with the journal that was beside it.
    const QString journal = path + QStringLiteral("-journal");
    if (seen.error.kind == BookError::ReadOnly && QFileInfo::exists(journal)) {
        const QString kept = journal + QStringLiteral("-kept");
        QFile::remove(kept);
        const bool linked = ::link(QFile::encodeName(journal).constData(), QFile::encodeName(kept).constData()) == 0;
        seen = probe(Writable, false);
        if (linked && seen.moveAside && !QFileInfo::exists(journal))
            QFile::rename(kept, journal);
        else if (linked)
            QFile::remove(kept);
    }
    return seen;
}

BookProbe::Finding BookProbe::probe(Access access, bool contentKnown, const QByteArray &prints) const
{
    Finding seen;
    const QString probeName = connectionName + QStringLiteral("-probe");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), probeName);
        if (access == Immutable) {
            db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)
                               + QStringLiteral("?immutable=1"));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        } else {
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("%1QSQLITE_BUSY_TIMEOUT=%2")
                                     .arg(access == ReadOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;") : QString())
                                     .arg(busyTimeoutMs));
        }
        if (!db.open()) {
            seen.message = tr("Cannot open the book %1: %2").arg(path, db.lastError().text());
        } else {
            QSqlQuery q(db);
            lookInside(q, seen, contentKnown, prints);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(probeName);
    return seen;
}

void BookProbe::lookInside(QSqlQuery &q, Finding &seen, bool contentKnown, const QByteArray &prints) const
{
    int version = 0;
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        unreadable(q.lastError(), seen);
    } else if ((version = q.value(0).toInt()) > BookOpen::SchemaVersion && plausible(version)) {
        seen.status = BookOpen::Status::NewerSchema;
        seen.message = newerMessage(version);
    } else if ((version == 0 || !plausible(version))
               && (!q.exec(QStringLiteral("SELECT COUNT(*), COUNT(*) FILTER (WHERE name IN ('draws', 'meta')) FROM sqlite_master"))
                   || !q.next())) {
        unreadable(q.lastError(), seen);
    } else if (!plausible(version) && q.value(1).toInt() == 2) {
        // A book's own tables under a number no release writes.
        seen.moveAside = true;
        seen.why = tr("its header says schema %1, which no version of this program writes").arg(version);
    } else if (!plausible(version) || (version == 0 && q.value(0).toInt() > 0)) {
        // A book gets its version with its first tables, in one
        // transaction: tables without a version are another program's.
        seen.message = tr("%1 is another program's database, not a results book. "
                          "It was not changed; choose another file for the book.")
                           .arg(path);
    } else if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")) || !q.next()) {
        unreadable(q.lastError(), seen);
    } else if (q.value(0).toString() != QLatin1String("ok")) {
        seen.moveAside = true;
        // SQLite lists every damaged page; the first finding says enough.
        QStringList found = q.value(0).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!found.isEmpty() && found.constFirst().startsWith(QLatin1String("***")))
            found.removeFirst();  // "*** in database main ***"
        seen.why = found.value(0);
    } else if (!contentKnown) {
        checkContent(q, seen, prints);
    }
}

// A damaged index misses rows in lookups; a value outside the schema's
// CHECKs shows and exports wrongly. In one read transaction, so that the
// pages printed are the pages checked; the file is opened before it and
// closed after it, as any close of the book's files drops SQLite's locks.
void BookProbe::checkContent(QSqlQuery &q, Finding &seen, const QByteArray &prints) const
{
    QFile book(path);
    const bool printed = !prints.isEmpty() && book.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    if (!q.exec(QStringLiteral("BEGIN")))
        return unreadable(q.lastError(), seen);
    bool failed = false;
    const TablePrints::Changes changes = printed ? TablePrints::compare(q, book, prints) : TablePrints::Changes();
    seen.why = BookContentCheck::firstProblem(q, &failed, changes.same, changes.rows);
    const QSqlError error = q.lastError();
    q.exec(QStringLiteral("COMMIT"));
    if (failed)
        unreadable(error, seen);
    else
        seen.moveAside = !seen.why.isEmpty();
}

// Damage, as opposed to a book that cannot be read for other reasons.
void BookProbe::unreadable(const QSqlError &e, Finding &seen) const
{
    const BookError error = BookError::fromSql(e);
    if (error.kind == BookError::Damaged) {
        seen.moveAside = true;
        seen.why = e.databaseText();
    } else {
        seen.error = error;
        seen.message = tr("Cannot open the book %1: %2").arg(path, error.text);
    }
}
