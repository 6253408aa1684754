#include "book_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTextStream>
#include <QUrl>
#include <QtEndian>
#include <QVariant>

#include <QScopeGuard>

#include <atomic>
#include <memory>
#include <climits>

#include "display/number_kind.h"
#include "result_importer.h"
#include "results_csv.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BookStore", text);
}

// Each step brings the schema from version i to i + 1. Append, never edit.
const QList<QStringList> &migrations()
{
    static const QList<QStringList> steps = {
        {
            QStringLiteral("CREATE TABLE imports ("
                           " id INTEGER PRIMARY KEY,"
                           " file TEXT NOT NULL,"
                           " at TEXT NOT NULL,"
                           " added INTEGER NOT NULL, known INTEGER NOT NULL, replaced INTEGER NOT NULL)"),
            QStringLiteral("CREATE TABLE draws ("
                           " draw INTEGER PRIMARY KEY CHECK (draw > 0),"
                           " date TEXT,"
                           " number INTEGER NOT NULL CHECK (number BETWEEN 0 AND 999),"
                           " straight_prize INTEGER, straight_winners INTEGER,"
                           " box_prize INTEGER, box_winners INTEGER,"
                           " set_straight_prize INTEGER, set_straight_winners INTEGER,"
                           " set_box_prize INTEGER, set_box_winners INTEGER,"
                           " mini_prize INTEGER, mini_winners INTEGER,"
                           " source_kind INTEGER NOT NULL CHECK (source_kind IN (0, 1, 2)),"
                           " source TEXT NOT NULL DEFAULT '',"
                           " stored_at TEXT NOT NULL,"
                           " import_id INTEGER REFERENCES imports(id))"),
            QStringLiteral("CREATE INDEX draws_by_number ON draws(number)"),
            // What a replacement overwrote, so no value is ever lost.
            QStringLiteral("CREATE TABLE replaced ("
                           " id INTEGER PRIMARY KEY,"
                           " import_id INTEGER REFERENCES imports(id),"
                           " draw INTEGER NOT NULL,"
                           " old_number INTEGER NOT NULL, old_date TEXT,"
                           " old_source_kind INTEGER NOT NULL, old_source TEXT NOT NULL,"
                           " new_number INTEGER NOT NULL, at TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT)"),
        },
        {
            // The whole replaced row, prizes and winners included, and what
            // replaced it; and imports that only gave missing dates or prizes.
            QStringLiteral("ALTER TABLE replaced ADD COLUMN old_straight_prize INTEGER"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN old_straight_winners INTEGER"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN old_box_prize INTEGER"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN old_box_winners INTEGER"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN old_set_straight_prize INTEGER"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN old_set_straight_winners INTEGER"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN old_set_box_prize INTEGER"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN old_set_box_winners INTEGER"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN old_mini_prize INTEGER"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN old_mini_winners INTEGER"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN old_stored_at TEXT"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN new_source_kind INTEGER"),
            QStringLiteral("ALTER TABLE replaced ADD COLUMN new_source TEXT"),
            QStringLiteral("ALTER TABLE imports ADD COLUMN completed INTEGER NOT NULL DEFAULT 0"),
        },
        {
            // The player's tickets, graded against draws when read, never
            // stored with a grade; a ticket may be for a draw not yet held.
            QStringLiteral("CREATE TABLE tickets ("
                           " id INTEGER PRIMARY KEY,"
                           " draw INTEGER NOT NULL CHECK (draw > 0),"
                           " number INTEGER NOT NULL CHECK (number BETWEEN 0 AND 999),"
                           " way INTEGER NOT NULL CHECK (way IN (0, 1, 2, 3)),"
                           " units INTEGER NOT NULL CHECK (units BETWEEN 1 AND 99),"
                           " note TEXT NOT NULL DEFAULT '',"
                           " created_at TEXT NOT NULL,"
                           " CHECK (way <> 3 OR number <= 99))"),
            QStringLiteral("CREATE INDEX tickets_by_draw ON tickets(draw)"),
        },
    };
    return steps;
}

const char *const DrawColumns =
    "draw, date, number, straight_prize, straight_winners, box_prize, box_winners,"
    " set_straight_prize, set_straight_winners, set_box_prize, set_box_winners,"
    " mini_prize, mini_winners, source_kind, source, stored_at";

// Writes a whole draw row, new or known, bound by bindDraw().
QString writeDrawSql()
{
    QStringList set;
    for (const QString &column : QString::fromLatin1(DrawColumns).split(QLatin1Char(','))) {
        const QString c = column.trimmed();
        if (c != QLatin1String("draw"))
            set << QStringLiteral("%1 = excluded.%1").arg(c);
    }
    return QStringLiteral("INSERT INTO draws (%1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"
                          " ON CONFLICT(draw) DO UPDATE SET %2")
        .arg(QLatin1String(DrawColumns), set.join(QLatin1String(", ")));
}

QVariant optionalValue(const std::optional<qint64> &v)
{
    return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::LongLong));
}

QVariant dateValue(const QDate &date)
{
    return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant(QMetaType(QMetaType::QString));
}

// A null QString binds as NULL; the source columns want ''.
QString sourceValue(const QString &source)
{
    return source.isNull() ? QStringLiteral("") : source;
}

std::optional<qint64> toOptional(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toLongLong();
}

QString isoUtc(const QDateTime &t)
{
    return t.toUTC().toString(Qt::ISODateWithMs);
}

void bindDraw(QSqlQuery &q, const DrawResult &r)
{
    q.addBindValue(r.draw);
    q.addBindValue(dateValue(r.date));
    q.addBindValue(r.number);
    for (int w = 0; w < DrawResult::WayCount; ++w) {
        q.addBindValue(optionalValue(r.prize[size_t(w)]));
        q.addBindValue(optionalValue(r.winners[size_t(w)]));
    }
    q.addBindValue(int(r.sourceKind));
    q.addBindValue(sourceValue(r.source));
    q.addBindValue(isoUtc(r.storedAt));
}

QString sourceWords(const DrawResult &r)
{
    switch (r.sourceKind) {
    case DrawResult::Bundled: return tr("bundled");
    case DrawResult::Hand: return tr("entered by hand");
    case DrawResult::File: break;
    }
    return QFileInfo(r.source).fileName();
}

// SQLite's primary result codes that the messages tell apart.
enum SqliteCode { Busy = 5, Locked = 6, ReadOnly = 8, IoErr = 10, Corrupt = 11, Full = 13, CantOpen = 14, NotADb = 26 };

int primaryCode(const QSqlError &e)
{
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

// What the first 100 bytes of a database file say, read without SQLite.
struct Header
{
    bool read = false;        // the first bytes could be read
    bool isDatabase = false;  // ... and start as SQLite's do
    bool walMode = false;
    qint32 userVersion = 0;
};

Header readHeader(const QString &path)
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

QString newerMessage(const QString &path, int version)
{
    return tr("The book %1 was written by a newer version of this program (schema %2, this one knows %3). "
              "It was not changed; use the newer program or another book.")
        .arg(path)
        .arg(version)
        .arg(BookStore::SchemaVersion);
}

} // namespace

QString ImportReport::summary() const
{
    QString s = QCoreApplication::translate("BookStore", "%1 new, %2 already known").arg(added).arg(known);
    if (replaced)
        s += QCoreApplication::translate("BookStore", ", %1 replaced").arg(replaced);
    if (!handConflicts.isEmpty())
        s += QCoreApplication::translate("BookStore", ", %1 kept (entered by hand)").arg(handConflicts.size());
    return s;
}

struct BookStore::Private
{
    QString connectionName;
    QString path;
    QSqlDatabase db;
    std::unique_ptr<QLockFile> lock;  // book.sqlite.lock while the book is open
    QString lastError;
    OpenResult lastOpen;
    std::function<void(int, int)> progress;
    int busyTimeout = BookStore::BusyTimeoutMs;
    // Statements prepared once per connection: thousands of small files
    // would otherwise spend their time compiling SQL.
    QHash<QString, QSqlQuery *> statements;

    QSqlQuery &prepared(const QString &sql)
    {
        QSqlQuery *&q = statements[sql];
        if (!q) {
            q = new QSqlQuery(db);
            q->prepare(sql);
        }
        return *q;
    }
    void dropStatements()
    {
        qDeleteAll(statements);
        statements.clear();
    }

    // Turns a failed statement into words for the user and keeps them.
    void fail(const QSqlError &e, const QString &what = QString())
    {
        const QString text = BookStore::errorText(e);
        lastError = what.isEmpty() ? text : what + QStringLiteral(": ") + text;
    }

    bool exec(QSqlQuery &q, const QString &sql)
    {
        if (q.exec(sql))
            return true;
        fail(q.lastError());
        return false;
    }

    bool begin()
    {
        QSqlQuery q(db);
        return exec(q, QStringLiteral("BEGIN IMMEDIATE"));
    }
    bool commit()
    {
        QSqlQuery q(db);
        if (exec(q, QStringLiteral("COMMIT")))
            return true;
        rollback();
        return false;
    }
    void rollback()
    {
        QSqlQuery q(db);
        q.exec(QStringLiteral("ROLLBACK"));
    }

    int userVersion()
    {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
            return q.value(0).toInt();
        return -1;
    }

    // The draws a batch of files may touch, read once for the batch.
    QHash<int, DrawResult> *batchKnown = nullptr;
    bool loadKnown(int lo, int hi, QHash<int, DrawResult> &into);

    // Writes the draws of one file; the caller holds the transaction.
    bool store(const ImportedFile &file, DrawResult::SourceKind kind, bool replaceExisting,
               const HandReplacements &replaceHand, ImportReport &report);

    // What a read-only look at an existing file found. A message means
    // refuse (with status); otherwise moveAside says whether it is unusable.
    struct Probe
    {
        OpenStatus status = OpenStatus::Failed;
        QString message;
        bool moveAside = false;
        QString why;
    };
    Probe probe(const QString &path, bool immutable);

    // Keeps the whole row that replacement overwrites, so no value is lost.
    bool saveReplaced(const DrawResult &old, const DrawResult &replacement, const QDateTime &at)
    {
        QSqlQuery &q = prepared(QStringLiteral(
            "INSERT INTO replaced (draw, old_number, old_date,"
            " old_straight_prize, old_straight_winners, old_box_prize, old_box_winners,"
            " old_set_straight_prize, old_set_straight_winners, old_set_box_prize, old_set_box_winners,"
            " old_mini_prize, old_mini_winners, old_source_kind, old_source, old_stored_at,"
            " new_number, new_source_kind, new_source, at)"
            " VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        q.addBindValue(old.draw);
        q.addBindValue(old.number);
        q.addBindValue(dateValue(old.date));
        for (int w = 0; w < DrawResult::WayCount; ++w) {
            q.addBindValue(optionalValue(old.prize[size_t(w)]));
            q.addBindValue(optionalValue(old.winners[size_t(w)]));
        }
        q.addBindValue(int(old.sourceKind));
        q.addBindValue(sourceValue(old.source));
        q.addBindValue(old.storedAt.isValid() ? QVariant(isoUtc(old.storedAt)) : QVariant(QMetaType(QMetaType::QString)));
        q.addBindValue(replacement.number);
        q.addBindValue(int(replacement.sourceKind));
        q.addBindValue(sourceValue(replacement.source));
        q.addBindValue(isoUtc(at));
        if (q.exec())
            return true;
        fail(q.lastError());
        return false;
    }
};

QString BookStore::drawColumns(const QString &table)
{
    if (table.isEmpty())
        return QLatin1String(DrawColumns);
    QStringList columns;
    for (const QString &column : QString::fromLatin1(DrawColumns).split(QLatin1Char(',')))
        columns << table + QLatin1Char('.') + column.trimmed();
    return columns.join(QLatin1String(", "));
}

DrawResult BookStore::drawFromRow(const QSqlQuery &q, int first)
{
    DrawResult r;
    r.draw = q.value(first).toInt();
    if (!q.value(first + 1).isNull())
        r.date = QDate::fromString(q.value(first + 1).toString(), Qt::ISODate);
    r.number = q.value(first + 2).toInt();
    for (int w = 0; w < DrawResult::WayCount; ++w) {
        r.prize[size_t(w)] = toOptional(q.value(first + 3 + 2 * w));
        r.winners[size_t(w)] = toOptional(q.value(first + 4 + 2 * w));
    }
    r.sourceKind = DrawResult::SourceKind(q.value(first + 13).toInt());
    r.source = q.value(first + 14).toString();
    r.storedAt = QDateTime::fromString(q.value(first + 15).toString(), Qt::ISODateWithMs);
    return r;
}

QString BookStore::errorText(const QSqlError &e)
{
    QString text;
    switch (primaryCode(e)) {
    case Busy:
    case Locked:
        text = tr("The book is busy in another window or program. Nothing was changed; try again when it is done.");
        break;
    case Full:
        text = tr("The disk is full. Nothing was changed.");
        break;
    case ReadOnly:
    case CantOpen:
        text = tr("The book cannot be written (the file or its folder is read-only). Nothing was changed.");
        break;
    case IoErr:
        text = tr("The book could not be written (input/output error). Nothing was changed.");
        break;
    default:
        text = tr("The book reported an error: %1. Nothing was changed.").arg(e.text());
        break;
    }
    return text;
}

BookStore::BookStore() : d(new Private)
{
    static std::atomic<int> serial{0};
    d->connectionName = QStringLiteral("book-%1").arg(++serial);
}

BookStore::~BookStore()
{
    close();
    delete d;
}

QString BookStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/book.sqlite");
}

BookStore::OpenResult BookStore::lastOpenResult() const
{
    return d->lastOpen;
}

bool BookStore::isOpen() const
{
    return d->db.isOpen();
}

QString BookStore::path() const
{
    return d->path;
}

QString BookStore::lastError() const
{
    return d->lastError;
}

void BookStore::setBusyTimeout(int ms)
{
    d->busyTimeout = ms;
    if (d->db.isOpen()) {
        QSqlQuery q(d->db);
        q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(ms));
    }
}

QString BookStore::connectionName() const
{
    return d->connectionName;
}

void BookStore::setProgressHandler(std::function<void(int, int)> handler)
{
    d->progress = std::move(handler);
}

void BookStore::close()
{
    d->dropStatements();
    if (d->db.isValid()) {
        d->db.close();
        d->db = QSqlDatabase();
        QSqlDatabase::removeDatabase(d->connectionName);
    }
    d->lock.reset();
}

BookStore::OpenResult BookStore::open(const QString &path)
{
    close();
    d->path = path;
    d->lastError.clear();
    OpenResult result;
    const auto finish = [this, &result]() {
        if (!result.usable())
            close();
        d->lastOpen = result;
        return result;
    };

    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        result.message = tr("Cannot make the folder %1 for the book (read-only or no room?). Nothing was changed.").arg(info.absolutePath());
        return finish();
    }

    if (info.isDir()) {
        result.message = tr("%1 is a folder. Give the path of the book's file, such as %2.")
                             .arg(QDir::toNativeSeparators(path),
                                  QDir::toNativeSeparators(QDir(path).filePath(QStringLiteral("book.sqlite"))));
        return finish();
    }

    // One program at a time on a book. SQLite's own locks are POSIX record
    // locks, which a process loses as soon as it closes any other handle on
    // the book's files: a file dialog that looks into the book's folder, or
    // an import of that folder, would let a second instance take the book
    // for unused and delete the log the first one still writes to. A lock
    // file held while the book is open has no such weakness.
    d->lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    d->lock->setStaleLockTime(0);  // a lock is stale only when its process is gone
    if (!d->lock->tryLock(d->busyTimeout)) {
        if (d->lock->error() == QLockFile::LockFailedError) {
            qint64 pid = 0;
            QString host;
            QString program;
            d->lock->getLockInfo(&pid, &host, &program);
            result.message = tr("The book %1 is open in another program (%2, process %3). "
                                "Close it there, or import there. Nothing was changed.")
                                 .arg(QDir::toNativeSeparators(path), QFileInfo(program).fileName())
                                 .arg(pid);
        } else {
            result.message = tr("Cannot write in the folder %1 (read-only or no room?). Nothing was changed.")
                                 .arg(QDir::toNativeSeparators(info.absolutePath()));
        }
        d->lock.reset();
        return finish();
    }

    // Look before anything writes: a newer book and another program's
    // database are left untouched, and a file that is not a database (or is
    // damaged) is moved aside, never deleted.
    bool moveAside = false;
    QString why;
    if (info.exists() && info.size() > 0) {
        // With no -wal file nobody has the book open, and even a read-only
        // SQLite connection to a WAL book would leave -wal and -shm behind:
        // read the header first, and look inside as an immutable file.
        const Header header = readHeader(path);
        const bool noWal = !QFileInfo::exists(path + QStringLiteral("-wal"));
        if (noWal && header.isDatabase && header.userVersion > SchemaVersion) {
            result.status = OpenStatus::NewerSchema;
            result.message = newerMessage(path, header.userVersion);
            return finish();
        }
        Private::Probe seen;
        if (header.read && !header.isDatabase) {
            // Not a database at all: a leftover journal beside it would only
            // make SQLite ask to write, so decide here.
            seen.moveAside = true;
            seen.why = QStringLiteral("file is not a database");
        } else {
            seen = d->probe(path, noWal && header.walMode);
            // An immutable look may have met another instance's first
            // write: damage is only believed when SQLite sees it with locks.
            if (seen.moveAside && noWal && header.walMode)
                seen = d->probe(path, false);
        }
        if (!seen.message.isEmpty()) {
            result.status = seen.status;
            result.message = seen.message;
            return finish();
        }
        moveAside = seen.moveAside;
        why = seen.why;
    }

    if (moveAside) {
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QString target = path + QStringLiteral(".broken-") + stamp;
        // A name none of whose side files exist either, so nothing is overwritten.
        const auto taken = [](const QString &name) {
            for (const char *suffix : { "", "-wal", "-shm", "-journal" })
                if (QFileInfo::exists(name + QLatin1String(suffix)))
                    return true;
            return false;
        };
        for (int n = 2; taken(target); ++n)
            target = path + QStringLiteral(".broken-") + stamp + QLatin1Char('-') + QString::number(n);
        // The side files belong to the file and go with it (a leftover
        // journal would otherwise be applied to the new book). All move or
        // none: what moved is moved back, nothing is ever deleted.
        QList<std::pair<QString, QString>> moved;
        for (const char *suffix : { "", "-wal", "-shm", "-journal" }) {
            const QString from = path + QLatin1String(suffix);
            const QString to = target + QLatin1String(suffix);
            if (*suffix && !QFileInfo(from).exists() && !QFileInfo(from).isSymLink())
                continue;
            if (QFile::rename(from, to)) {
                moved.append({ from, to });
                continue;
            }
            QStringList stuck;
            for (auto m = moved.crbegin(); m != moved.crend(); ++m)
                if (!QFile::rename(m->second, m->first))
                    stuck << m->second;
            result.message = stuck.isEmpty()
                ? tr("The book %1 is damaged (%2) and could not be moved aside: %3 could not be renamed to %4. Nothing was changed.")
                      .arg(path, why, from, to)
                : tr("The book %1 is damaged (%2) and could not be moved aside: %3 could not be renamed to %4, "
                     "and %5 could not be moved back. Nothing was deleted.")
                      .arg(path, why, from, to, stuck.join(QStringLiteral(", ")));
            return finish();
        }
        result.status = OpenStatus::MovedAside;
        result.movedTo = target;
        result.message = tr("The book %1 could not be read (%2). It was kept as %3 and a new book was started.")
                             .arg(path, why, target);
    }

    const bool existed = QFileInfo(path).exists() && QFileInfo(path).size() > 0;
    d->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connectionName);
    d->db.setDatabaseName(path);
    d->db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(d->busyTimeout));
    if (!d->db.open()) {
        d->fail(d->db.lastError());
        result.status = OpenStatus::Failed;
        result.message = tr("Cannot open the book %1: %2").arg(path, d->lastError);
        return finish();
    }
    QSqlQuery q(d->db);
    if (!d->exec(q, QStringLiteral("PRAGMA busy_timeout = %1").arg(d->busyTimeout))
        || !d->exec(q, QStringLiteral("PRAGMA foreign_keys = ON"))
        || !d->exec(q, QStringLiteral("PRAGMA journal_mode = WAL"))
        || !d->exec(q, QStringLiteral("PRAGMA synchronous = FULL"))) {
        result.status = OpenStatus::Failed;
        result.message = tr("Cannot open the book %1: %2").arg(path, d->lastError);
        return finish();
    }

    // A current book needs no lock to open, so another instance's long
    // import does not keep this one out.
    if (existed && d->userVersion() == SchemaVersion) {
        result.status = result.status == OpenStatus::MovedAside ? result.status : OpenStatus::Ok;
        return finish();
    }
    // Migrate inside one transaction; the version is read again under the
    // write lock, as another instance may have migrated meanwhile.
    if (!d->begin()) {
        result.status = OpenStatus::Failed;
        result.message = tr("Cannot open the book %1: %2").arg(path, d->lastError);
        return finish();
    }
    const int version = d->userVersion();
    if (version > SchemaVersion || version < 0) {
        d->rollback();
        result.status = version < 0 ? OpenStatus::Failed : OpenStatus::NewerSchema;
        result.message = tr("The book %1 was written by a newer version of this program. It was not changed.").arg(path);
        return finish();
    }
    for (int v = version; v < SchemaVersion; ++v) {
        for (const QString &sql : migrations().at(v)) {
            if (!d->exec(q, sql)) {
                d->rollback();
                result.status = OpenStatus::Failed;
                result.message = tr("Cannot prepare the book %1: %2").arg(path, d->lastError);
                return finish();
            }
        }
    }
    if (version != SchemaVersion && !d->exec(q, QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion))) {
        d->rollback();
        result.status = OpenStatus::Failed;
        result.message = tr("Cannot prepare the book %1: %2").arg(path, d->lastError);
        return finish();
    }
    if (!d->commit()) {
        result.status = OpenStatus::Failed;
        result.message = tr("Cannot prepare the book %1: %2").arg(path, d->lastError);
        return finish();
    }
    if (result.status != OpenStatus::MovedAside)
        result.status = (existed && version > 0) ? OpenStatus::Ok : OpenStatus::Created;
    return finish();
}

BookStore::Private::Probe BookStore::Private::probe(const QString &path, bool immutable)
{
    Probe seen;
    // Damage, as opposed to a book that cannot be read for other reasons.
    const auto unreadable = [this, &seen, &path](const QSqlError &e) {
        const int code = primaryCode(e);
        if (code == NotADb || code == Corrupt) {
            seen.moveAside = true;
            seen.why = e.databaseText();
        } else {
            fail(e);
            seen.message = tr("Cannot open the book %1: %2").arg(path, lastError);
        }
    };
    const QString probeName = connectionName + QStringLiteral("-probe");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), probeName);
        if (immutable) {
            db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)
                               + QStringLiteral("?immutable=1"));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        } else {
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout));
        }
        if (!db.open()) {
            seen.message = tr("Cannot open the book %1: %2").arg(path, db.lastError().text());
        } else {
            QSqlQuery q(db);
            int version = 0;
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
                unreadable(q.lastError());
            } else if ((version = q.value(0).toInt()) > SchemaVersion) {
                seen.status = OpenStatus::NewerSchema;
                seen.message = newerMessage(path, version);
            } else if (version == 0 && (!q.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) || !q.next())) {
                unreadable(q.lastError());
            } else if (version < 0 || (version == 0 && q.value(0).toInt() > 0)) {
                // A book gets its version with its first tables, in one
                // transaction: tables without a version are another program's.
                seen.message = tr("%1 is another program's database, not a results book. "
                                  "It was not changed; choose another file for the book.")
                                   .arg(path);
            } else if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
                unreadable(q.lastError());
            } else if (q.value(0).toString() != QLatin1String("ok")) {
                seen.moveAside = true;
                // SQLite lists every damaged page; the first finding says enough.
                QStringList found = q.value(0).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                if (!found.isEmpty() && found.constFirst().startsWith(QLatin1String("***")))
                    found.removeFirst();  // "*** in database main ***"
                seen.why = found.value(0);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(probeName);
    return seen;
}

bool BookStore::Private::store(const ImportedFile &file, DrawResult::SourceKind kind, bool replaceExisting,
                               const HandReplacements &replaceHand, ImportReport &report)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (file.draws.isEmpty())
        return true;
    int lo = file.draws.first().draw, hi = lo;
    for (const DrawResult &r : file.draws) {
        lo = qMin(lo, r.draw);
        hi = qMax(hi, r.draw);
    }

    // What the book holds over the file's range, read in one go, unless a
    // batch has read it for all its files.
    QHash<int, DrawResult> local;
    QHash<int, DrawResult> &existing = batchKnown ? *batchKnown : local;
    if (!batchKnown && !loadKnown(lo, hi, local))
        return false;
    // Undo for the batch's copy when this file's savepoint is rolled back.
    QList<std::pair<int, std::optional<DrawResult>>> undo;
    bool stored = false;
    const auto restore = qScopeGuard([&] {
        if (stored || !batchKnown)
            return;
        for (auto u = undo.crbegin(); u != undo.crend(); ++u) {
            if (u->second)
                existing.insert(u->first, *u->second);
            else
                existing.remove(u->first);
        }
    });
    const auto remember = [&](const DrawResult &r, const std::optional<DrawResult> &before) {
        if (batchKnown)
            undo.append({ r.draw, before });
        existing.insert(r.draw, r);
    };

    QSqlQuery &write = prepared(writeDrawSql());
    const auto writeDraw = [&](const DrawResult &r) {
        bindDraw(write, r);
        if (write.exec())
            return true;
        fail(write.lastError());
        return false;
    };

    const int total = int(file.draws.size());
    int done = 0;
    // Known draws this file gave a missing date or prizes, for one note.
    QList<int> completed;
    bool datesAdded = false, prizesAdded = false;
    for (DrawResult r : file.draws) {
        r.sourceKind = kind;
        r.source = kind == DrawResult::File ? file.fileName : QString();
        r.storedAt = now;
        const auto it = existing.constFind(r.draw);
        if (it == existing.constEnd()) {
            if (!writeDraw(r))
                return false;
            remember(r, std::nullopt);
            ++report.added;
        } else if (!replaceExisting) {
            ++report.known;  // the bundled table never overrides what the book has
        } else {
            const DrawResult old = *it;  // a copy: the map changes below
            if (old.number == r.number) {
                // Same result: a file may still bring a date or prizes. What
                // fills a gap is taken quietly; what changes a value the book
                // already had counts as a replacement and says so.
                DrawResult merged = old;
                QStringList changed;
                bool dateFilled = false, prizesFilled = false;
                if (old.sourceKind != DrawResult::Hand) {
                    if (r.date.isValid() && r.date != old.date) {
                        if (old.date.isValid())
                            changed << tr("date %1 → %2").arg(old.date.toString(Qt::ISODate), r.date.toString(Qt::ISODate));
                        else
                            dateFilled = true;
                        merged.date = r.date;
                    }
                    for (size_t w = 0; w < size_t(DrawResult::WayCount); ++w) {
                        if (r.prize[w] && r.prize[w] != old.prize[w]) {
                            if (old.prize[w])
                                changed << tr("prize %1 → %2").arg(*old.prize[w]).arg(*r.prize[w]);
                            else
                                prizesFilled = true;
                            merged.prize[w] = r.prize[w];
                        }
                        if (r.winners[w] && r.winners[w] != old.winners[w]) {
                            if (old.winners[w])
                                changed << tr("winners %1 → %2").arg(*old.winners[w]).arg(*r.winners[w]);
                            else
                                prizesFilled = true;
                            merged.winners[w] = r.winners[w];
                        }
                    }
                }
                if (changed.isEmpty())
                    ++report.known;
                if (!changed.isEmpty() || dateFilled || prizesFilled) {
                    merged.sourceKind = r.sourceKind;
                    merged.source = r.source;
                    merged.storedAt = now;
                    if ((!changed.isEmpty() && !saveReplaced(old, merged, now)) || !writeDraw(merged))
                        return false;
                    remember(merged, old);
                }
                if (!changed.isEmpty()) {
                    ++report.replaced;
                    report.notes.append(tr("draw %1: %2 from %3")
                                            .arg(r.draw)
                                            .arg(changed.join(QLatin1String(", ")), QFileInfo(file.fileName).fileName()));
                } else if (dateFilled || prizesFilled) {
                    ++report.completed;
                    completed.append(r.draw);
                    datesAdded = datesAdded || dateFilled;
                    prizesAdded = prizesAdded || prizesFilled;
                }
            } else if (old.sourceKind == DrawResult::Hand
                       && replaceHand.value(r.draw, -1) != old.number) {
                // Kept unless the user agreed to replace this very value.
                report.handConflicts.append(BookConflict{ r.draw, old, r });
            } else {
                // The same draw, so the same day when the file gives none;
                // the old result's prizes stay with it in replaced.
                if (!r.date.isValid())
                    r.date = old.date;
                if (!saveReplaced(old, r, now))
                    return false;
                if (!writeDraw(r))
                    return false;
                remember(r, old);
                ++report.replaced;
                report.notes.append(tr("draw %1: %2 %3 replaced by %4 from %5")
                                        .arg(r.draw)
                                        .arg(sourceWords(old), old.numberText(), r.numberText(),
                                             QFileInfo(file.fileName).fileName()));
            }
        }
        ++done;
        if (progress)
            progress(done, total);
    }
    if (!completed.isEmpty()) {
        const QString name = QFileInfo(file.fileName).fileName();
        if (completed.size() == 1) {
            const char *text = datesAdded && prizesAdded ? QT_TRANSLATE_NOOP("BookStore", "draw %1: date and prizes added from %2")
                : datesAdded                             ? QT_TRANSLATE_NOOP("BookStore", "draw %1: date added from %2")
                                                         : QT_TRANSLATE_NOOP("BookStore", "draw %1: prizes added from %2");
            report.notes.append(tr(text).arg(completed.first()).arg(name));
        } else {
            const char *text = datesAdded && prizesAdded ? QT_TRANSLATE_NOOP("BookStore", "%1 draws, %2 to %3: dates and prizes added from %4")
                : datesAdded                             ? QT_TRANSLATE_NOOP("BookStore", "%1 draws, %2 to %3: dates added from %4")
                                                         : QT_TRANSLATE_NOOP("BookStore", "%1 draws, %2 to %3: prizes added from %4");
            report.notes.append(tr(text).arg(completed.size()).arg(completed.first()).arg(completed.last()).arg(name));
        }
    }

    if (report.added + report.replaced + report.completed > 0) {
        QSqlQuery &log = prepared(QStringLiteral("INSERT INTO imports (file, at, added, known, replaced, completed) VALUES (?,?,?,?,?,?)"));
        log.addBindValue(kind == DrawResult::Bundled ? QStringLiteral(":bundled") : file.fileName);
        log.addBindValue(isoUtc(now));
        log.addBindValue(report.added);
        log.addBindValue(report.known);
        log.addBindValue(report.replaced);
        log.addBindValue(report.completed);
        if (!log.exec()) {
            fail(log.lastError());
            return false;
        }
    }
    stored = true;
    return true;
}

bool BookStore::Private::loadKnown(int lo, int hi, QHash<int, DrawResult> &into)
{
    QSqlQuery &q = prepared(QStringLiteral("SELECT %1 FROM draws WHERE draw BETWEEN ? AND ?").arg(QLatin1String(DrawColumns)));
    q.addBindValue(lo);
    q.addBindValue(hi);
    if (!q.exec()) {
        fail(q.lastError());
        return false;
    }
    while (q.next()) {
        const DrawResult r = BookStore::drawFromRow(q);
        into.insert(r.draw, r);
    }
    q.finish();
    return true;
}

bool BookStore::loadBundled()
{
    if (!isOpen()) {
        d->lastError = tr("The book is not open.");
        return false;
    }
    {
        QSqlQuery q(d->db);
        if (q.exec(QStringLiteral("SELECT value FROM meta WHERE key = 'bundled'")) && q.next())
            return true;
    }
    QFile f(QStringLiteral(":/book/numbers3-results.csv"));
    if (!f.open(QIODevice::ReadOnly)) {
        d->lastError = tr("The past results are missing from this program.");
        return false;
    }
    const ImportedFile bundled = ResultImporter::parse(f.readAll(), QStringLiteral("numbers3-results.csv"));
    if (!bundled.ok()) {
        d->lastError = bundled.error;
        return false;
    }
    if (!d->begin())
        return false;
    ImportReport report;
    QSqlQuery mark(d->db);
    if (!d->store(bundled, DrawResult::Bundled, false, {}, report)
        || !d->exec(mark, QStringLiteral("INSERT OR REPLACE INTO meta (key, value) VALUES ('bundled', '%1')")
                              .arg(bundled.draws.size()))) {
        d->rollback();
        return false;
    }
    return d->commit();
}

ImportReport BookStore::importFile(const ImportedFile &file, const HandReplacements &replaceHand)
{
    return importFiles({ file }, replaceHand).constFirst();
}

QList<ImportReport> BookStore::importFiles(const QList<ImportedFile> &files, const HandReplacements &replaceHand)
{
    QList<ImportReport> reports;
    reports.reserve(files.size());
    for (const ImportedFile &f : files) {
        ImportReport r;
        r.warnings = f.warnings;
        r.error = f.error;
        reports.append(r);
    }
    if (!isOpen()) {
        for (ImportReport &r : reports)
            if (r.error.isEmpty())
                r.error = tr("The book is not open.");
        return reports;
    }
    if (!d->begin()) {
        for (ImportReport &r : reports)
            if (r.error.isEmpty())
                r.error = d->lastError;
        return reports;
    }
    QSqlQuery sp(d->db);
    int lo = INT_MAX, hi = 0;
    for (const ImportedFile &f : files)
        for (const DrawResult &r : f.draws) {
            lo = qMin(lo, r.draw);
            hi = qMax(hi, r.draw);
        }
    QHash<int, DrawResult> known;
    if (files.size() > 1 && lo <= hi) {
        if (!d->loadKnown(lo, hi, known)) {
            d->rollback();
            for (ImportReport &r : reports)
                if (r.error.isEmpty())
                    r.error = d->lastError;
            return reports;
        }
        d->batchKnown = &known;
    }
    const auto unset = qScopeGuard([this] { d->batchKnown = nullptr; });
    for (qsizetype i = 0; i < files.size(); ++i) {
        const ImportedFile &f = files.at(i);
        ImportReport &r = reports[i];
        if (!f.ok())
            continue;
        // A savepoint per file: a file goes in whole or not at all.
        if (!d->prepared(QStringLiteral("SAVEPOINT file")).exec()) {
            d->fail(d->prepared(QStringLiteral("SAVEPOINT file")).lastError());
            r.error = d->lastError;
            continue;
        }
        if (d->store(f, DrawResult::File, true, replaceHand, r)) {
            d->prepared(QStringLiteral("RELEASE file")).exec();
            r.ok = true;
        } else {
            sp.exec(QStringLiteral("ROLLBACK TO file"));
            sp.exec(QStringLiteral("RELEASE file"));
            ImportReport failed;
            failed.error = d->lastError;
            failed.warnings = f.warnings;
            r = failed;
        }
    }
    if (!d->commit()) {
        for (ImportReport &r : reports) {
            if (r.ok) {
                ImportReport failed;
                failed.error = d->lastError;
                failed.warnings = r.warnings;
                r = failed;
            }
        }
    }
    return reports;
}

bool BookStore::addByHand(const DrawResult &result, bool replace, QString *error)
{
    const auto refuse = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!isOpen())
        return refuse(tr("The book is not open."));
    if (result.draw <= 0)
        return refuse(tr("The draw number must be 1 or more."));
    if (result.number < 0 || result.number > 999)
        return refuse(tr("The result must have three digits."));
    if (!d->begin())
        return refuse(d->lastError);
    DrawResult r = result;
    r.sourceKind = DrawResult::Hand;
    r.source.clear();
    r.storedAt = QDateTime::currentDateTimeUtc();
    const std::optional<DrawResult> old = draw(r.draw);
    // The same draw, so the same day when none is given.
    if (old && !r.date.isValid())
        r.date = old->date;
    if (old && !old->sameContent(r) && !replace) {
        d->rollback();
        return refuse(tr("Draw %1 is already in the book as %2.").arg(r.draw).arg(old->numberText()));
    }
    bool ok = true;
    // The same hand value again changes nothing; anything else keeps what it
    // overwrites, then writes the hand value.
    if (!(old && old->sameContent(r) && old->sourceKind == DrawResult::Hand)) {
        ok = !old || d->saveReplaced(*old, r, r.storedAt);
        if (ok) {
            QSqlQuery &write = d->prepared(writeDrawSql());
            bindDraw(write, r);
            ok = write.exec();
            if (!ok)
                d->fail(write.lastError());
        }
    }
    if (!ok) {
        d->rollback();
        return refuse(d->lastError);
    }
    if (!d->commit())
        return refuse(d->lastError);
    return true;
}

namespace {

QList<DrawResult> selectDraws(const QSqlDatabase &db, const QString &where, const QVariantList &args)
{
    QList<DrawResult> out;
    if (!db.isOpen())
        return out;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM draws %2 ORDER BY draw").arg(QLatin1String(DrawColumns), where));
    for (const QVariant &a : args)
        q.addBindValue(a);
    if (q.exec())
        while (q.next())
            out.append(BookStore::drawFromRow(q));
    return out;
}

std::optional<DrawResult> selectOne(const QSqlDatabase &db, const QString &sql, const QVariantList &args = {})
{
    if (!db.isOpen())
        return std::nullopt;
    QSqlQuery q(db);
    q.prepare(sql.arg(QLatin1String(DrawColumns)));
    for (const QVariant &a : args)
        q.addBindValue(a);
    if (q.exec() && q.next())
        return BookStore::drawFromRow(q);
    return std::nullopt;
}

} // namespace

std::optional<DrawResult> BookStore::draw(int drawNumber) const
{
    return selectOne(d->db, QStringLiteral("SELECT %1 FROM draws WHERE draw = ?"), { drawNumber });
}

std::optional<DrawResult> BookStore::lastDraw() const
{
    return selectOne(d->db, QStringLiteral("SELECT %1 FROM draws ORDER BY draw DESC LIMIT 1"));
}

std::optional<DrawResult> BookStore::firstDraw() const
{
    return selectOne(d->db, QStringLiteral("SELECT %1 FROM draws ORDER BY draw LIMIT 1"));
}

QList<DrawResult> BookStore::drawsWithNumber(int number) const
{
    return selectDraws(d->db, QStringLiteral("WHERE number = ?"), { number });
}

QList<DrawResult> BookStore::boxHits(int number) const
{
    if (number < 0 || number > 999)
        return {};
    const NumberKind::Orders box = NumberKind::boxOrders(number / 100, number / 10 % 10, number % 10);
    QVariantList orders{ number };
    QStringList marks{ QStringLiteral("?") };
    for (int i = 0; i < box.count; ++i) {
        orders.append(box.numbers[size_t(i)]);
        marks.append(QStringLiteral("?"));
    }
    return selectDraws(d->db, QStringLiteral("WHERE number IN (%1)").arg(marks.join(QLatin1Char(','))), orders);
}

QList<int> BookStore::missingDraws() const
{
    QList<int> gaps;
    if (!isOpen())
        return gaps;
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT draw FROM draws ORDER BY draw")))
        return gaps;
    int previous = 0;
    while (q.next()) {
        const int n = q.value(0).toInt();
        if (previous > 0)
            for (int m = previous + 1; m < n; ++m)
                gaps.append(m);
        previous = n;
    }
    return gaps;
}

int BookStore::count() const
{
    if (!isOpen())
        return 0;
    QSqlQuery q(d->db);
    if (q.exec(QStringLiteral("SELECT COUNT(*) FROM draws")) && q.next())
        return q.value(0).toInt();
    return 0;
}

QList<DrawResult> BookStore::allDraws() const
{
    return selectDraws(d->db, QString(), {});
}

bool BookStore::exportCsv(const QString &path, QString *error) const
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        if (error)
            *error = tr("Cannot write %1: %2").arg(path, f.errorString());
        return false;
    }
    f.write(ResultsCsv::write(allDraws()));
    if (!f.commit()) {
        if (error)
            *error = tr("Cannot write %1: %2").arg(path, f.errorString());
        return false;
    }
    return true;
}
