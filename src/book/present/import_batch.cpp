#include "import_batch.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "book_texts.h"
#include "draw_calendar.h"
#include "result_importer.h"

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
    QList<ImportedFile> read;
    read.reserve(files.size());
    for (const QString &path : files) {
        read.append(ResultImporter::read(path));
        refuseDrawsToCome(read.last(), now);
    }
    const QList<ImportReport> reports = store.importFiles(read);

    QList<Outcome> outcomes;
    outcomes.reserve(reports.size());
    for (qsizetype i = 0; i < reports.size(); ++i) {
        Outcome outcome{ files.at(i), reports.at(i) };
        if (ask && outcome.report.ok && !outcome.report.handConflicts.isEmpty())
            replaceAgreed(store, read.at(i), outcome, ask);
        outcomes << outcome;
    }
    return outcomes;
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
                         .arg(file.fileName, BookTexts::drawName(r.draw), BookTexts::date(day.isValid() ? day : r.date),
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
    const QSet<int> agreed = ask(outcome.path, outcome.report.handConflicts);
    // Each yes is for the value the user was shown: if another instance has
    // changed it since, it stays and is reported again.
    BookStore::HandReplacements replace;
    for (const BookConflict &conflict : std::as_const(outcome.report.handConflicts))
        if (agreed.contains(conflict.draw))
            replace.insert(conflict.draw, conflict.kept.number);
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

QString ImportBatch::reportText(const QList<Outcome> &outcomes)
{
    QStringList lines;
    int added = 0;
    for (const Outcome &outcome : outcomes) {
        const QString name = QFileInfo(outcome.path).fileName();
        if (!outcome.report.ok) {
            lines << tr("%1: not imported, nothing of it was stored").arg(name);
            lines << tr("  error: %1").arg(outcome.report.error);
        } else {
            lines << tr("%1: %2").arg(name, outcome.report.summary());
            added += outcome.report.added;
        }
        for (const QString &warning : outcome.report.warnings)
            lines << tr("  warning: %1").arg(warning);
        for (const QString &note : outcome.report.notes)
            lines << tr("  %1").arg(note);
        for (const BookConflict &conflict : outcome.report.handConflicts) {
            lines << tr("  %1: kept %2 (entered by hand), the file has %3")
                         .arg(BookTexts::drawName(conflict.draw), conflict.kept.numberText(), conflict.offered.numberText());
        }
    }
    const int bad = failed(outcomes);
    lines << QString();
    lines << tr("Files: %1; imported: %2; refused: %3. New draws in the book: %4.")
                 .arg(outcomes.size()).arg(outcomes.size() - bad).arg(bad).arg(added);
    return lines.join(QLatin1Char('\n'));
}

int ImportBatch::failed(const QList<Outcome> &outcomes)
{
    int bad = 0;
    for (const Outcome &outcome : outcomes)
        bad += outcome.report.ok ? 0 : 1;
    return bad;
}
