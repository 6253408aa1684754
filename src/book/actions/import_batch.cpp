#include "import_batch.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <utility>

#include "draw_calendar.h"
#include "draw_changes.h"
#include "draw_words.h"
#include "import_reader.h"
#include "result_importer.h"
#include "ticket_store.h"

QStringList ImportBatch::expand(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        QStringList inFolder;
        QDirIterator it(path, {QStringLiteral("*.csv")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            inFolder << it.next();
        inFolder.sort(Qt::CaseInsensitive);
        files << inFolder;
    }
    return files;
}

QList<ImportBatch::Outcome> ImportBatch::run(BookStore &store, const QStringList &files, const QDateTime &now, const AskReplace &ask)
{
    return ImportBatch::store(store, files, ImportReader::readAll(files), now, ask);
}

QList<ImportBatch::Outcome> ImportBatch::store(BookStore &store, const QStringList &files,
                                               const QList<std::optional<ImportedFile>> &read, const QDateTime &now,
                                               const AskReplace &ask)
{
    QList<ImportedFile> toStore;
    toStore.reserve(read.size());
    for (const std::optional<ImportedFile> &file : read) {
        if (!file)
            continue;
        toStore.append(*file);
        refuseDrawsToCome(toStore.last(), now);
    }
    const QList<ImportReport> reports = store.importFiles(toStore);

    QList<Outcome> outcomes;
    outcomes.reserve(files.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        Outcome outcome{ files.at(i), {}, true };
        if (i < read.size() && read.at(i)) {
            outcome.report = reports.at(next);
            outcome.cancelled = false;
            outcome.cutShort = toStore.at(next).cutShort;
            if (outcome.report.ok && !outcome.report.handConflicts.isEmpty())
                outcome.toAsk = toStore.at(next);
            ++next;
        }
        outcomes << outcome;
    }
    if (ask)
        askReplace(store, outcomes, ask);
    return outcomes;
}

void ImportBatch::askReplace(BookStore &store, QList<Outcome> &outcomes, const AskReplace &ask)
{
    for (Outcome &outcome : outcomes) {
        if (!outcome.toAsk)
            continue;
        const ImportedFile file = *std::exchange(outcome.toAsk, std::nullopt);
        replaceAgreed(store, file, outcome, ask);
    }
}

// A result dated after today would enter every statistic as if drawn; the
// file is refused whole, as for any other fault in it.
void ImportBatch::refuseDrawsToCome(ImportedFile &file, const QDateTime &now)
{
    for (const DrawResult &r : std::as_const(file.draws)) {
        if (DrawCalendar::resultOut(r.draw, r.date, now))
            continue;
        const QDate day = DrawCalendar::resultDay(r.draw, r.date);
        file.error = tr("%1: %2 is drawn on %3; its result cannot be known before %4 Japan time that day")
                         .arg(file.fileName, DrawWords::drawName(r.draw), DrawWords::date(day.isValid() ? day : r.date),
                              DrawCalendar::resultsOut().toString(QStringLiteral("HH:mm")));
        file.draws.clear();
        file.warnings.clear();
        return;
    }
}

// The file is in with the hand values kept; those the user agrees to
// replace go in as a second, equally whole change.
void ImportBatch::replaceAgreed(BookStore &store, const ImportedFile &file, Outcome &outcome, const AskReplace &ask)
{
    const QSet<qint64> agreed = ask(outcome.path, outcome.report.handConflicts);
    // Each yes is for the value the user was shown: if another instance has
    // changed it since, it stays and is reported again.
    BookStore::HandReplacements replace;
    for (const BookConflict &conflict : std::as_const(outcome.report.handConflicts))
        if (agreed.contains(conflict.kept.key()))
            replace.insert(conflict.kept.key(), conflict.kept.number);
    if (replace.isEmpty())
        return;
    const ImportReport again = store.importFile(file, replace);
    if (again.ok) {
        outcome.report.replaced += again.replaced;
        outcome.report.handConflicts = again.handConflicts;
        outcome.report.notes << again.notes;
    } else {
        outcome.report.warnings << again.error;
    }
}

ImportBatch::Graded ImportBatch::graded(BookStore &store, const QList<DrawResult> &before)
{
    const TicketStore tickets(store);
    if (tickets.count() == 0)
        return {};
    const QList<int> changed = DrawChanges::between(before, store.everyDraw());
    if (changed.isEmpty())
        return {};
    const QList<GradedTicket> graded = tickets.gradedForDraws(changed);
    const auto won = std::count_if(graded.cbegin(), graded.cend(), [](const GradedTicket &g) { return g.grade.won(); });
    return { graded.size(), won };
}

int ImportBatch::failed(const QList<Outcome> &outcomes)
{
    return int(std::count_if(outcomes.cbegin(), outcomes.cend(),
                             [](const Outcome &o) { return !o.cancelled && !o.report.ok; }));
}

int ImportBatch::cancelled(const QList<Outcome> &outcomes)
{
    return int(std::count_if(outcomes.cbegin(), outcomes.cend(), [](const Outcome &o) { return o.cancelled; }));
}
