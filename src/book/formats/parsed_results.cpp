#include "parsed_results.h"

#include <QHash>
#include <QLocale>

#include <algorithm>

#include "draw_calendar.h"
#include "result_importer.h"

ParsedResults::Outcome ParsedResults::add(const DrawResult &r, int line)
{
    if (r.date.isValid() && !DrawCalendar::isDrawDay(r.date)) {
        // The weekday in the language of the message, not of the system:
        // the catalogue names the locale its words are in.
        const QLocale words(ResultImporter::tr("C", "locale of the weekday name in the next message"));
        return Failure{ line, ResultImporter::tr("draw %1: there is no draw on %2 (%3)")
                                  .arg(r.draw)
                                  .arg(r.date.toString(Qt::ISODate), words.dayName(r.date.dayOfWeek())) };
    }
    const QDate expected = r.date.isValid() ? DrawCalendar::dateOf(r.draw) : QDate();
    if (expected.isValid() && expected != r.date) {
        // Both games of a draw share its date: one warning for the two.
        const QString warning = ResultImporter::tr("draw %1: dated %2, but the calendar puts it on %3")
                                    .arg(r.draw)
                                    .arg(r.date.toString(Qt::ISODate), expected.toString(Qt::ISODate));
        if (!warnings.contains(warning))
            warnings.append(warning);
    }
    draws.append(r);
    lines.append(line);
    return std::nullopt;
}

ParsedResults::Outcome ParsedResults::unique(const QString &fileName, QList<DrawResult> *out) const
{
    QHash<std::pair<int, int>, int> seen;  // (game, draw) -> index in once
    QList<DrawResult> once;
    QList<int> onceLines;
    for (qsizetype i = 0; i < draws.size(); ++i) {
        const DrawResult &r = draws.at(i);
        const std::pair<int, int> key(int(r.game), r.draw);
        const auto it = seen.constFind(key);
        if (it == seen.constEnd()) {
            seen.insert(key, int(once.size()));
            once.append(r);
            onceLines.append(lines.at(i));
            continue;
        }
        const DrawResult &before = once.at(*it);
        if (before.number != r.number || before.date != r.date)
            return Failure{ lines.at(i), ResultImporter::tr("draw %1 appears twice with different results (%2 on line %3, %4 here)")
                                             .arg(r.draw)
                                             .arg(before.numberText())
                                             .arg(onceLines.at(*it))
                                             .arg(r.numberText()) };
    }
    std::sort(once.begin(), once.end(), [](const DrawResult &a, const DrawResult &b) {
        return std::pair(a.draw, int(a.game)) < std::pair(b.draw, int(b.game));
    });
    for (DrawResult &r : once) {
        r.sourceKind = DrawResult::File;
        r.source = fileName;
    }
    *out = once;
    return std::nullopt;
}

ParsedResults::Failure ParsedResults::notANumber(int line, int draw, const QString &text, Game game)
{
    if (game == Game::Numbers4)
        return Failure{ line, ResultImporter::tr("draw %1: result \"%2\" is not four digits").arg(draw).arg(text) };
    return Failure{ line, ResultImporter::tr("draw %1: result \"%2\" is not three digits").arg(draw).arg(text) };
}
