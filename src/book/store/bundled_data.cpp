#include "bundled_data.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include "draw_writer.h"
#include "result_importer.h"
#include "sql_transaction.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BundledData", text);
}

ImportedFile readResource(const QString &name)
{
    QFile f(QStringLiteral(":/book/") + name);
    if (!f.open(QIODevice::ReadOnly)) {
        ImportedFile missing;
        missing.fileName = name;
        missing.error = tr("The past results are missing from this program.");
        return missing;
    }
    return ResultImporter::parse(f.readAll(), name);
}

// The rows of one of the files, counted without reading them as results:
// every open asks, and nearly always the book is up to date.
int rows(const QString &name)
{
    QFile f(QStringLiteral(":/book/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray all = f.readAll();
    return int(all.count('\n')) - (all.endsWith('\n') ? 1 : 0);
}

} // namespace

ImportedFile BundledData::read()
{
    ImportedFile all;
    for (Game game : Games::All) {
        const QString key = QLatin1String(Games::key(game));
        ImportedFile results = readResource(key + QLatin1String("-results.csv"));
        if (!results.ok())
            return results;
        const ImportedFile prizes = readResource(key + QLatin1String("-prizes.csv"));
        if (!prizes.ok())
            return prizes;
        QHash<int, qsizetype> at;
        for (qsizetype i = 0; i < results.draws.size(); ++i)
            at.insert(results.draws.at(i).draw, i);
        for (const DrawResult &p : prizes.draws) {
            const qsizetype i = at.value(p.draw, -1);
            // The files are this program's own: a prize for another result
            // or game is a broken build.
            if (i < 0 || results.draws.at(i).number != p.number || p.game != game) {
                results.error = tr("The past results are missing from this program.");
                return results;
            }
            DrawResult &r = results.draws[i];
            r.prize = p.prize;
            r.winners = p.winners;
        }
        for (const DrawResult &r : std::as_const(results.draws)) {
            if (r.game != game) {
                results.error = tr("The past results are missing from this program.");
                return results;
            }
        }
        all.fileName = results.fileName;
        all.draws += results.draws;
    }
    return all;
}

BundledData::BundledData(const QSqlDatabase &db, DrawWriter &writer) : db(db), writer(writer)
{
}

bool BundledData::metaValue(const char *key, int &value)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT value FROM meta WHERE key = ?"));
    q.addBindValue(QLatin1String(key));
    if (!q.exec()) {
        failure = BookError::fromSql(q.lastError());
        return false;
    }
    if (q.next())
        value = q.value(0).toInt();
    return true;
}

bool BundledData::held(QHash<qint64, bool> &into)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT game, draw, COALESCE(straight_prize, box_prize, set_straight_prize, set_box_prize,"
                               " mini_prize) IS NOT NULL FROM draws"))) {
        failure = BookError::fromSql(q.lastError());
        return false;
    }
    while (q.next())
        into.insert(DrawResult::key(Games::fromStored(q.value(0).toInt()).value_or(Game::Numbers3), q.value(1).toInt()),
                    q.value(2).toBool());
    return true;
}

BundledData::Counts BundledData::counts()
{
    Counts all;
    for (Game game : Games::All) {
        const QString key = QLatin1String(Games::key(game));
        all.draws += rows(key + QLatin1String("-results.csv"));
        all.prized += rows(key + QLatin1String("-prizes.csv"));
    }
    return all;
}

bool BundledData::needed(bool &need)
{
    Counts book{ -1, 0 };
    if (!metaValue("bundled", book.draws) || !metaValue("bundled_prizes", book.prized))
        return false;
    const Counts ours = counts();
    // This release's data, or a newer release's: nothing to do.
    need = !(book.draws > ours.draws || book.prized > ours.prized || book == ours);
    return true;
}

bool BundledData::bringUp(CatchUp &out)
{
    out = CatchUp();
    bool need = false;
    if (!needed(need))
        return false;
    if (!need)
        return true;
    SqlTransaction tx(db);
    if (!tx.begin()) {
        failure = tx.error();
        return false;
    }
    // Again under the write lock: another program may have done it meanwhile.
    if (!needed(need))
        return false;
    if (!need)
        return true;
    const ImportedFile data = read();
    if (!data.ok()) {
        failure = BookError{ BookError::Other, data.error };
        return false;
    }
    const Counts ours = counts();
    QHash<qint64, bool> before, after;
    if (!held(before))
        return false;
    if (!writer.store(data, DrawResult::Bundled, false, {}, out.report)) {
        failure = writer.error();
        return false;
    }
    QSqlQuery mark(db);
    mark.prepare(QStringLiteral("INSERT OR REPLACE INTO meta (key, value) VALUES (?, ?)"));
    for (const auto &[key, value] : { std::pair{ "bundled", ours.draws }, std::pair{ "bundled_prizes", ours.prized } }) {
        mark.addBindValue(QLatin1String(key));
        mark.addBindValue(QString::number(value));
        if (!mark.exec()) {
            failure = BookError::fromSql(mark.lastError());
            return false;
        }
    }
    if (!held(after))
        return false;
    if (!tx.commit()) {
        failure = tx.error();
        return false;
    }
    out.earlier = !before.isEmpty();
    for (const DrawResult &r : data.draws) {
        Gained &gained = out.of(r.game);
        if (!before.contains(r.key()) && after.contains(r.key()))
            gained.added.append(r.draw);
        if (after.value(r.key()) && !before.value(r.key()))
            ++gained.prized;
    }
    return true;
}
