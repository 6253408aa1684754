#include "bundled_report.h"

#include <QLocale>

#include "book_texts.h"
#include "draw_words.h"

namespace {

bool runsOn(const QList<int> &draws)
{
    return draws.last() - draws.first() + 1 == draws.size();
}

} // namespace

QString BundledReport::headline(const BundledData::CatchUp &caughtUp)
{
    if (!caughtUp.earlier || !caughtUp.changed())
        return {};
    QStringList lines;
    for (Game game : Games::All)
        if (caughtUp.of(game).changed())
            lines << tr("%1: %2").arg(DrawWords::gameName(game), gained(caughtUp.of(game)));
    return lines.join(QLatin1Char(' '));
}

QString BundledReport::gained(const BundledData::Gained &gained)
{
    const QLocale locale;
    const QList<int> &added = gained.added;
    const QString prized = locale.toString(gained.prized);
    if (added.isEmpty())
        return tr("Added the prizes of %1 draws from this release.").arg(prized);
    const QString count = locale.toString(added.size());
    const QString first = QString::number(added.first());
    const QString last = QString::number(added.last());
    if (gained.prized == 0) {
        return runsOn(added) ? tr("Added draws %1 to %2 from this release.").arg(first, last)
                             : tr("Added %1 draws between %2 and %3 from this release.").arg(count, first, last);
    }
    return runsOn(added)
        ? tr("Added draws %1 to %2 and the prizes of %3 draws from this release.").arg(first, last, prized)
        : tr("Added %1 draws between %2 and %3 and the prizes of %4 draws from this release.").arg(count, first, last, prized);
}

QString BundledReport::keptHeading()
{
    return tr("Where this release differs, the book kept the values it had from files or entered by hand:");
}

QStringList BundledReport::differences(const BundledData::CatchUp &caughtUp)
{
    QStringList lines = caughtUp.report.differences;
    for (const BookConflict &conflict : caughtUp.report.handConflicts)
        lines << tr("%1: kept %2 (entered by hand), this release has %3")
                     .arg(DrawWords::drawName(conflict.draw, conflict.kept.game), conflict.kept.numberText(),
                          conflict.offered.numberText());
    return lines;
}
