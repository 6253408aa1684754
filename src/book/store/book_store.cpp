#include "book_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <QScopeGuard>

#include <algorithm>
#include <atomic>
#include <memory>

#include "book_connection.h"
#include "book_error.h"
#include "bundled_data.h"
#include "draw_row.h"
#include "draw_writer.h"
#include "export_file.h"
#include "result_importer.h"
#include "results_csv.h"
#include "sql_transaction.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BookStore", text);
}

// A file none of which was stored, with the importer's warnings still.
ImportReport failedReport(const QString &error, const QStringList &warnings)
{
    ImportReport failed;
    failed.error = error;
    failed.warnings = warnings;
    return failed;
}

} // namespace

struct BookStore::Private
{
    explicit Private(const QString &name) : connection(name) {}

    BookConnection connection;
    QSqlDatabase db;  // the connection's, while the book is open
    QString path;
    std::unique_ptr<DrawWriter> writer;  // while the book is open
    BookError lastError;
    OpenResult lastOpen;
    BundledData::CatchUp caughtUp;  // what the last loadBundled() did
    std::function<void(int, int)> progress;
    int busyTimeout = BookStore::BusyTimeoutMs;

    // Keeps why something failed, for lastError(), and gives it in words.
    QString fail(const BookError &e)
    {
        lastError = e;
        return e.text;
    }
    // The same, giving the error itself.
    BookError kept(const BookError &e)
    {
        lastError = e;
        return e;
    }
};

QString BookStore::errorText(const QSqlError &e)
{
    return BookError::fromSql(e).text;
}

BookStore::BookStore()
{
    static std::atomic<int> serial{0};
    d = new Private(QStringLiteral("book-%1").arg(++serial));
}

BookStore::~BookStore()
{
    close();
    delete d;
}

QString BookStore::defaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A relative XDG_DATA_HOME (or "~/x", which no shell expanded) would put
    // a separate book in every folder the program starts from; the XDG
    // base-directory rules say to ignore it.
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (QDir::isRelativePath(generic))
        folder = QDir::homePath() + QStringLiteral("/.local/share") + folder.mid(generic.size());
    return folder + QStringLiteral("/book.sqlite");
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

BookError BookStore::lastError() const
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
    return d->connection.name();
}

void BookStore::setProgressHandler(std::function<void(int, int)> handler)
{
    d->progress = std::move(handler);
}

void BookStore::close()
{
    d->writer.reset();
    d->db = QSqlDatabase();
    d->connection.close();
}

BookStore::OpenResult BookStore::open(const QString &path)
{
    close();
    d->path = path;
    d->lastOpen = d->connection.open(path, d->busyTimeout);
    d->lastError = d->connection.lastError();
    if (d->lastOpen.usable()) {
        d->db = d->connection.database();
        d->writer = std::make_unique<DrawWriter>(d->db, d->progress);
    }
    return d->lastOpen;
}

bool BookStore::loadBundled()
{
    if (!isOpen()) {
        d->fail(BookError{ BookError::NotOpen, tr("The book is not open.") });
        return false;
    }
    BundledData bundled(d->db, *d->writer);
    if (bundled.bringUp(d->caughtUp))
        return true;
    d->fail(bundled.error());
    return false;
}

const BundledData::CatchUp &BookStore::bundledCatchUp() const
{
    return d->caughtUp;
}

ImportReport BookStore::importFile(const ImportedFile &file, const HandReplacements &replaceHand)
{
    return importFiles({ file }, replaceHand).constFirst();
}

QList<ImportReport> BookStore::importFiles(const QList<ImportedFile> &files, const HandReplacements &replaceHand)
{
    QList<ImportReport> reports;
    reports.reserve(files.size());
    for (const ImportedFile &f : files)
        reports.append(failedReport(f.error, f.warnings));
    // Every file not refused already fails for the same reason.
    const auto failAll = [&reports](const QString &why) {
        for (ImportReport &r : reports)
            if (r.error.isEmpty())
                r.error = why;
        return reports;
    };
    // Nothing of the batch stored: every file read whole fails for why.
    const auto failBatch = [this, &files, &reports](const BookError &why) {
        d->fail(why);
        for (qsizetype i = 0; i < files.size(); ++i)
            if (files.at(i).ok())
                reports[i] = failedReport(why.text, files.at(i).warnings);
        return reports;
    };
    d->lastError = BookError();
    if (!isOpen())
        return failAll(d->fail(BookError{ BookError::NotOpen, tr("The book is not open.") }));
    SqlTransaction tx(d->db);
    if (!tx.begin())
        return failAll(d->fail(tx.error()));
    const auto unset = qScopeGuard([this] { d->writer->endBatch(); });
    if (!d->writer->beginBatch(files))
        return failAll(d->fail(d->writer->error()));
    for (qsizetype i = 0; i < files.size(); ++i) {
        const ImportedFile &f = files.at(i);
        ImportReport &r = reports[i];
        if (!f.ok())
            continue;
        // A savepoint per file: a file goes in whole or not at all.
        if (!tx.savepoint(QStringLiteral("file"))) {
            r.error = d->fail(tx.error());
            if (tx.error().passes())
                return failBatch(tx.error());
            continue;
        }
        if (d->writer->store(f, DrawResult::File, true, replaceHand, r)) {
            tx.release(QStringLiteral("file"));
            r.ok = true;
        } else {
            // A full disk, a busy or read-only book is no fault of the file,
            // and SQLite may have ended the whole transaction for it: the
            // batch is kept whole for a later try.
            const BookError why = d->writer->error();
            if (why.passes() || !tx.rollbackTo(QStringLiteral("file"))) {
                tx.rollback();
                return failBatch(why);
            }
            r = failedReport(d->fail(why), f.warnings);
        }
    }
    if (!tx.commit()) {
        d->fail(tx.error());
        for (ImportReport &r : reports)
            if (r.ok)
                r = failedReport(d->lastError.text, r.warnings);
    }
    return reports;
}

BookError BookStore::addByHand(const DrawResult &result, bool replace)
{
    if (!isOpen())
        return BookError{ BookError::NotOpen, tr("The book is not open.") };
    if (result.draw <= 0)
        return BookError::refused(tr("The draw number must be 1 or more."));
    if (!Games::validNumber(result.number, result.game))
        return BookError::refused(result.game == Game::Numbers4 ? tr("The result must have four digits.")
                                                                 : tr("The result must have three digits."));
    SqlTransaction tx(d->db);
    if (!tx.begin())
        return d->kept(tx.error());
    DrawResult r = result;
    r.sourceKind = DrawResult::Hand;
    r.source.clear();
    r.storedAt = QDateTime::currentDateTimeUtc();
    const std::optional<DrawResult> old = draw(r.draw, r.game);
    // The same draw, so the same day when none is given.
    if (old && !r.date.isValid())
        r.date = old->date;
    if (old && !old->sameContent(r) && !replace)
        return BookError::refused(tr("Draw %1 is already in the book as %2.").arg(r.draw).arg(old->numberText()));
    // The same hand value again changes nothing; anything else keeps what it
    // overwrites, then writes the hand value.
    if (!(old && old->sameContent(r) && old->sourceKind == DrawResult::Hand)) {
        if ((old && !d->writer->saveReplaced(*old, r, r.storedAt)) || !d->writer->write(r))
            return d->kept(d->writer->error());
    }
    if (!tx.commit())
        return d->kept(tx.error());
    return BookError();
}

namespace {

QList<DrawResult> selectDraws(const QSqlDatabase &db, const QString &where, const QVariantList &args)
{
    QList<DrawResult> out;
    if (!db.isOpen())
        return out;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM draws %2 ORDER BY draw").arg(DrawRow::columns(), where));
    for (const QVariant &a : args)
        q.addBindValue(a);
    if (q.exec())
        while (q.next())
            out.append(DrawRow::fromQuery(q));
    return out;
}

std::optional<DrawResult> selectOne(const QSqlDatabase &db, const QString &sql, const QVariantList &args = {})
{
    if (!db.isOpen())
        return std::nullopt;
    QSqlQuery q(db);
    q.prepare(sql.arg(DrawRow::columns()));
    for (const QVariant &a : args)
        q.addBindValue(a);
    if (q.exec() && q.next())
        return DrawRow::fromQuery(q);
    return std::nullopt;
}

} // namespace

std::optional<DrawResult> BookStore::draw(int drawNumber, Game game) const
{
    return selectOne(d->db, QStringLiteral("SELECT %1 FROM draws WHERE game = ? AND draw = ?"), { int(game), drawNumber });
}

std::optional<DrawResult> BookStore::lastDraw(Game game) const
{
    return selectOne(d->db, QStringLiteral("SELECT %1 FROM draws WHERE game = ? ORDER BY draw DESC LIMIT 1"), { int(game) });
}

std::optional<DrawResult> BookStore::firstDraw(Game game) const
{
    return selectOne(d->db, QStringLiteral("SELECT %1 FROM draws WHERE game = ? ORDER BY draw LIMIT 1"), { int(game) });
}

QList<DrawResult> BookStore::drawsWithNumber(int number, Game game) const
{
    return selectDraws(d->db, QStringLiteral("WHERE game = ? AND number = ?"), { int(game), number });
}

QList<DrawResult> BookStore::boxHits(int number, Game game) const
{
    const QList<int> orders = Games::arrangements(number, game);
    if (orders.isEmpty())
        return {};
    QVariantList args{ int(game) };
    QStringList marks;
    for (int order : orders) {
        args.append(order);
        marks.append(QStringLiteral("?"));
    }
    return selectDraws(d->db, QStringLiteral("WHERE game = ? AND number IN (%1)").arg(marks.join(QLatin1Char(','))), args);
}

QList<int> BookStore::missingDraws(int upTo, Game game) const
{
    QList<int> gaps;
    if (!isOpen())
        return gaps;
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT draw FROM draws WHERE game = ? ORDER BY draw"));
    q.addBindValue(int(game));
    if (!q.exec())
        return gaps;
    int previous = 0;
    while (q.next()) {
        const int n = q.value(0).toInt();
        if (previous > 0)
            for (int m = previous + 1; m < n; ++m)
                gaps.append(m);
        previous = n;
    }
    for (int m = previous + 1; previous > 0 && m <= upTo; ++m)
        gaps.append(m);
    return gaps;
}

int BookStore::count(Game game) const
{
    if (!isOpen())
        return 0;
    QSqlQuery q(d->db);
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM draws WHERE game = ?"));
    q.addBindValue(int(game));
    if (q.exec() && q.next())
        return q.value(0).toInt();
    return 0;
}

QList<DrawResult> BookStore::allDraws(Game game) const
{
    return selectDraws(d->db, QStringLiteral("WHERE game = ?"), { int(game) });
}

QList<DrawResult> BookStore::everyDraw() const
{
    return selectDraws(d->db, QString(), {});
}

BookError BookStore::exportCsv(const QString &path, Game game) const
{
    QString why;
    if (ExportFile::write(path, ResultsCsv::write(allDraws(game)), &why))
        return BookError();
    return BookError{ BookError::Other, tr("Cannot write %1: %2").arg(path, why) };
}
