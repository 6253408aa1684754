#include "draw_writer.h"

#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <climits>
#include <utility>

#include "draw_row.h"
#include "draw_merge.h"

namespace {

// Writes a whole draw row, new or known, bound by bindDraw().
QString writeDrawSql()
{
    QStringList set;
    QStringList values;
    for (const QString &column : DrawRow::columns().split(QLatin1Char(','))) {
        const QString c = column.trimmed();
        values << QStringLiteral("?");
        if (c != QLatin1String("draw") && c != QLatin1String("game"))
            set << QStringLiteral("%1 = excluded.%1").arg(c);
    }
    return QStringLiteral("INSERT INTO draws (%1) VALUES (%3)"
                          " ON CONFLICT(game, draw) DO UPDATE SET %2")
        .arg(DrawRow::columns(), set.join(QLatin1String(", ")), values.join(QLatin1Char(',')));
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

QString isoUtc(const QDateTime &t)
{
    // A file's rows are all stored at one time: written out once, not per row.
    static thread_local QDateTime last;
    static thread_local QString text;
    if (t != last || text.isEmpty()) {
        last = t;
        text = t.toUTC().toString(Qt::ISODateWithMs);
    }
    return text;
}

// Prizes and winners, way by way, as both tables keep them.
void bindPrizes(QSqlQuery &q, const DrawResult &r)
{
    for (int w = 0; w < DrawResult::WayCount; ++w) {
        q.addBindValue(optionalValue(r.prize[size_t(w)]));
        q.addBindValue(optionalValue(r.winners[size_t(w)]));
    }
}

void bindDraw(QSqlQuery &q, const DrawResult &r)
{
    q.addBindValue(r.draw);
    q.addBindValue(dateValue(r.date));
    q.addBindValue(r.number);
    bindPrizes(q, r);
    q.addBindValue(int(r.sourceKind));
    q.addBindValue(sourceValue(r.source));
    q.addBindValue(isoUtc(r.storedAt));
    q.addBindValue(int(r.game));
    q.addBindValue(dateValue(r.payFrom));
    q.addBindValue(dateValue(r.payUntil));
}

// The lowest and highest draw the files give; lo > hi when they give none.
std::pair<int, int> drawRange(const QList<ImportedFile> &files)
{
    int lo = INT_MAX, hi = 0;
    for (const ImportedFile &f : files)
        for (const DrawResult &r : f.draws) {
            lo = qMin(lo, r.draw);
            hi = qMax(hi, r.draw);
        }
    return { lo, hi };
}

} // namespace

DrawWriter::DrawWriter(const QSqlDatabase &db, const std::function<void(int, int)> &progress)
    : db(db), progress(progress)
{
}

DrawWriter::~DrawWriter()
{
    qDeleteAll(statements);
}

QSqlQuery &DrawWriter::prepared(const QString &sql)
{
    QSqlQuery *&q = statements[sql];
    if (!q) {
        q = new QSqlQuery(db);
        q->prepare(sql);
    }
    return *q;
}

bool DrawWriter::exec(QSqlQuery &q)
{
    if (q.exec())
        return true;
    failure = BookError::fromSql(q.lastError());
    return false;
}

bool DrawWriter::write(const DrawResult &r)
{
    static const QString sql = writeDrawSql();  // made once: it is looked up for every row
    QSqlQuery &q = prepared(sql);
    bindDraw(q, r);
    return exec(q);
}

bool DrawWriter::saveReplaced(const DrawResult &old, const DrawResult &replacement, const QDateTime &at)
{
    QSqlQuery &q = prepared(QStringLiteral(
        "INSERT INTO replaced (game, draw, old_number, old_date,"
        " old_straight_prize, old_straight_winners, old_box_prize, old_box_winners,"
        " old_set_straight_prize, old_set_straight_winners, old_set_box_prize, old_set_box_winners,"
        " old_mini_prize, old_mini_winners, old_source_kind, old_source, old_stored_at,"
        " new_number, new_source_kind, new_source, at)"
        " VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    q.addBindValue(int(old.game));
    q.addBindValue(old.draw);
    q.addBindValue(old.number);
    q.addBindValue(dateValue(old.date));
    bindPrizes(q, old);
    q.addBindValue(int(old.sourceKind));
    q.addBindValue(sourceValue(old.source));
    q.addBindValue(old.storedAt.isValid() ? QVariant(isoUtc(old.storedAt)) : QVariant(QMetaType(QMetaType::QString)));
    q.addBindValue(replacement.number);
    q.addBindValue(int(replacement.sourceKind));
    q.addBindValue(sourceValue(replacement.source));
    q.addBindValue(isoUtc(at));
    return exec(q);
}

bool DrawWriter::loadKnown(const QList<ImportedFile> &files, QHash<qint64, DrawResult> &into)
{
    const auto [lo, hi] = drawRange(files);
    QSqlQuery &q = prepared(QStringLiteral("SELECT %1 FROM draws WHERE draw BETWEEN ? AND ?").arg(DrawRow::columns()));
    q.addBindValue(lo);
    q.addBindValue(hi);
    if (!exec(q))
        return false;
    while (q.next()) {
        const DrawResult r = DrawRow::fromQuery(q);
        into.insert(r.key(), r);
    }
    q.finish();
    return true;
}

bool DrawWriter::beginBatch(const QList<ImportedFile> &files)
{
    const auto [lo, hi] = drawRange(files);
    if (files.size() <= 1 || lo > hi)
        return true;
    if (!loadKnown(files, batch))
        return false;
    inBatch = true;
    return true;
}

void DrawWriter::endBatch()
{
    inBatch = false;
    batch.clear();
}

bool DrawWriter::store(const ImportedFile &file, DrawResult::SourceKind kind, bool replaceExisting,
                       const QHash<qint64, int> &replaceHand, ImportReport &report)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (file.draws.isEmpty())
        return true;
    // What the book holds over the file's range, read in one go, unless a
    // batch has read it for all its files.
    QHash<qint64, DrawResult> local;
    QHash<qint64, DrawResult> &existing = inBatch ? batch : local;
    if (!inBatch && !loadKnown({ file }, local))
        return false;
    // Undo for the batch's copy when this file's savepoint is rolled back.
    QList<std::pair<qint64, std::optional<DrawResult>>> undo;
    bool stored = false;
    const auto restore = qScopeGuard([&] {
        if (stored || !inBatch)
            return;
        for (auto u = undo.crbegin(); u != undo.crend(); ++u) {
            if (u->second)
                existing.insert(u->first, *u->second);
            else
                existing.remove(u->first);
        }
    });
    DrawMerge merge(file.fileName, kind, replaceExisting, replaceHand, now, report);
    const int total = int(file.draws.size());
    int done = 0;
    for (const DrawResult &offered : file.draws) {
        const auto it = existing.constFind(offered.key());
        const std::optional<DrawResult> held = it == existing.constEnd() ? std::nullopt : std::make_optional(*it);
        const DrawMerge::Step step = merge.take(offered, held);
        if (step.outcome == DrawMerge::Replaced && !saveReplaced(*held, step.row, now))
            return false;
        if (step.outcome == DrawMerge::Added || step.outcome == DrawMerge::Filled || step.outcome == DrawMerge::Replaced) {
            if (!write(step.row))
                return false;
            if (inBatch)
                undo.append({ step.row.key(), held });
            existing.insert(step.row.key(), step.row);
        }
        ++done;
        if (progress)
            progress(done, total);
    }
    merge.finish();
    stored = logImport(file, kind, report, now);
    return stored;
}

// A line in imports for a file that changed the book.
bool DrawWriter::logImport(const ImportedFile &file, DrawResult::SourceKind kind, const ImportReport &report,
                           const QDateTime &at)
{
    if (report.added + report.replaced + report.completed == 0)
        return true;
    QSqlQuery &log = prepared(QStringLiteral("INSERT INTO imports (file, at, added, known, replaced, completed) VALUES (?,?,?,?,?,?)"));
    log.addBindValue(kind == DrawResult::Bundled ? QStringLiteral(":bundled") : file.fileName);
    log.addBindValue(isoUtc(at));
    log.addBindValue(report.added);
    log.addBindValue(report.known);
    log.addBindValue(report.replaced);
    log.addBindValue(report.completed);
    return exec(log);
}
