#include "import_batch.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "book_texts.h"
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

QList<ImportBatch::Outcome> ImportBatch::run(BookStore &store, const QStringList &files, const AskReplace &ask)
{
    QList<Outcome> outcomes;
    for (const QString &path : files) {
        Outcome outcome;
        outcome.path = path;
        const ImportedFile file = ResultImporter::read(path);
        if (!file.ok()) {
            outcome.report.error = file.error;
            outcome.report.warnings = file.warnings;
        } else {
            outcome.report = store.importFile(file);
            // The file is in with the hand values kept; those the user agrees
            // to replace go in as a second, equally whole change.
            if (outcome.report.ok && !outcome.report.handConflicts.isEmpty() && ask) {
                const QSet<int> agreed = ask(path, outcome.report.handConflicts);
                // Each yes is for the value the user was shown: if another
                // instance has changed it since, it stays and is reported again.
                BookStore::HandReplacements replace;
                for (const BookConflict &conflict : std::as_const(outcome.report.handConflicts))
                    if (agreed.contains(conflict.draw))
                        replace.insert(conflict.draw, conflict.kept.number);
                if (!replace.isEmpty()) {
                    const ImportReport again = store.importFile(file, replace);
                    if (again.ok) {
                        outcome.agreed = again.replaced;
                        outcome.report.handConflicts = again.handConflicts;
                        outcome.report.notes << again.notes;
                    } else {
                        outcome.report.warnings << again.error;
                    }
                }
            }
        }
        outcomes << outcome;
    }
    return outcomes;
}

QString ImportBatch::summary(const Outcome &outcome)
{
    const ImportReport &r = outcome.report;
    QString text = tr("%1 new, %2 already known, %3 replaced").arg(r.added).arg(r.known).arg(r.replaced + outcome.agreed);
    if (!r.handConflicts.isEmpty())
        text += tr(", %1 kept (entered by hand)").arg(r.handConflicts.size());
    return text;
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
            lines << tr("%1: %2").arg(name, summary(outcome));
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
