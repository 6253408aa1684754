#include "import_texts.h"

#include <QFileInfo>

#include "draw_words.h"

QString ImportTexts::report(const QList<ImportBatch::Outcome> &outcomes)
{
    QStringList lines;
    int added = 0;
    QList<int> newDraws;
    for (const ImportBatch::Outcome &outcome : outcomes) {
        if (outcome.cancelled)
            continue;
        const QString name = QFileInfo(outcome.path).fileName();
        if (!outcome.report.ok) {
            lines << tr("%1: not imported, nothing of it was stored").arg(name);
            lines << tr("  error: %1").arg(outcome.report.error);
        } else {
            lines << tr("%1: %2").arg(name, outcome.report.summary());
            added += outcome.report.added;
            newDraws << outcome.report.newDraws;
        }
        lines << details(outcome.report);
    }
    const int bad = ImportBatch::failed(outcomes);
    const int unread = ImportBatch::cancelled(outcomes);
    lines << QString();
    if (unread > 0)
        lines << tr("The import was cancelled: %1 of the %2 files were not read and are not in the book; "
                    "the files finished before are kept.").arg(unread).arg(outcomes.size());
    const int draws = ImportReport::drawCount(newDraws);
    // A draw or a result alone is said without a plural.
    lines << tr("Files: %1; imported: %2; refused: %3. New in the book: %4, %5.")
                 .arg(outcomes.size()).arg(outcomes.size() - bad - unread).arg(bad)
                 .arg(draws == 1 ? tr("1 draw") : tr("%1 draws").arg(draws), added == 1 ? tr("1 result") : tr("%1 results").arg(added));
    return lines.join(QLatin1Char('\n'));
}

QStringList ImportTexts::details(const ImportReport &report)
{
    QStringList lines;
    for (const QString &warning : report.warnings)
        lines << tr("  warning: %1").arg(warning);
    for (const QString &note : report.notes)
        lines << tr("  %1").arg(note);
    for (const BookConflict &conflict : report.handConflicts) {
        lines << tr("  %1: kept %2 (entered by hand), the file has %3")
                     .arg(DrawWords::drawName(conflict.draw), conflict.kept.numberText(), conflict.offered.numberText());
    }
    return lines;
}

QStringList ImportTexts::warnings(const QList<ImportBatch::Outcome> &outcomes)
{
    QStringList lines;
    for (const ImportBatch::Outcome &outcome : outcomes) {
        if (outcome.cancelled || !outcome.report.ok)
            continue;
        for (const QString &warning : outcome.report.warnings)
            lines << tr("%1: warning: %2").arg(QFileInfo(outcome.path).fileName(), warning);
    }
    return lines;
}

QString ImportTexts::graded(const ImportBatch::Graded &graded)
{
    if (graded.tickets == 0)
        return QString();
    return tr("Tickets graded: %1; won: %2.").arg(graded.tickets).arg(graded.won);
}
