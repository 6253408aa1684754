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
    if (expected.isValid() && expected != r.date)
        warnings.append(ResultImporter::tr("draw %1: dated %2, but the calendar puts it on %3")
                            .arg(r.draw)
                            .arg(r.date.toString(Qt::ISODate), expected.toString(Qt::ISODate)));
    draws.append(r);
    lines.append(line);
    return std::nullopt;
}

ParsedResults::Outcome ParsedResults::unique(const QString &fileName, QList<DrawResult> *out) const
{
    QHash<int, int> seen;  // draw -> index in once
    QList<DrawResult> once;
    QList<int> onceLines;
    for (qsizetype i = 0; i < draws.size(); ++i) {
        const DrawResult &r = draws.at(i);
        const auto it = seen.constFind(r.draw);
        if (it == seen.constEnd()) {
            seen.insert(r.draw, int(once.size()));
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
    std::sort(once.begin(), once.end(), [](const DrawResult &a, const DrawResult &b) { return a.draw < b.draw; });
    for (DrawResult &r : once) {
        r.sourceKind = DrawResult::File;
        r.source = fileName;
    }
    *out = once;
    return std::nullopt;
}
