#include "book_texts.h"

#include <QFileInfo>
#include <QLocale>

#include "book_store.h"
#include "draw_calendar.h"
#include "draw_words.h"

QString BookTexts::upTo(const BookStore &store, Game game)
{
    const std::optional<DrawResult> last = store.lastDraw(game);
    if (!last)
        return tr("The book holds no %1 results yet").arg(DrawWords::gameName(game));
    return tr("%1 results up to draw %2 (%3)").arg(DrawWords::gameName(game)).arg(last->draw).arg(DrawWords::date(last->date));
}

QString BookTexts::next(const QDateTime &now)
{
    const DrawCalendar::Next next = DrawCalendar::next(now);
    const QString draw = tr("Next draw: %1 on %2").arg(next.draw).arg(DrawWords::date(next.date));
    const QDate today = DrawCalendar::japanTime(now).date();
    if (next.salesOpen)
        return tr("%1; today's sales are open until 18:30 Japan time").arg(draw);
    if (DrawCalendar::isDrawDay(today))
        return tr("%1; today's sales closed at 18:30 Japan time").arg(draw);
    return tr("%1; no draw today").arg(draw);
}

QString BookTexts::missingCount(int count)
{
    return tr("Draws held so far that the book lacks: %1").arg(count);
}

QString BookTexts::missingShort(int count)
{
    return count == 0 ? tr("No draw is missing") : tr("Draws missing: %1").arg(count);
}

QList<int> BookTexts::rangeStarts(const QList<int> &missing)
{
    QList<int> starts;
    for (qsizetype i = 0; i < missing.size(); ++i)
        if (i == 0 || missing.at(i) != missing.at(i - 1) + 1)
            starts << missing.at(i);
    return starts;
}

QStringList BookTexts::missingRanges(const QList<int> &missing)
{
    QStringList lines;
    for (int i = 0; i < missing.size();) {
        int j = i;
        while (j + 1 < missing.size() && missing.at(j + 1) == missing.at(j) + 1)
            ++j;
        const int first = missing.at(i);
        const int last = missing.at(j);
        if (first == last)
            lines << tr("%1 (%2)").arg(DrawWords::drawName(first), DrawWords::date(DrawCalendar::dateOf(first)));
        else
            lines << tr("%1 to %2 (%3 draws)").arg(DrawWords::drawName(first), DrawWords::drawName(last)).arg(last - first + 1);
        i = j + 1;
    }
    return lines;
}

QString BookTexts::wayName(DrawResult::Way way)
{
    switch (way) {
    case DrawResult::Straight: return tr("Straight");
    case DrawResult::Box: return tr("Box");
    case DrawResult::SetStraight: return tr("Set (straight)");
    case DrawResult::SetBox: return tr("Set (box)");
    case DrawResult::Mini: return tr("Mini");
    }
    return QString();
}

QString BookTexts::prize(const DrawResult &result, DrawResult::Way way)
{
    const std::optional<qint64> &prize = result.prize.at(way);
    const std::optional<qint64> &winners = result.winners.at(way);
    if (!prize && winners && *winners == 0)
        return tr("no winner");
    if (!prize)
        return QString();
    const QLocale digits(QLocale::English);
    if (!winners)
        return tr("%1 yen").arg(digits.toString(*prize));
    return tr("%1 yen (%2 units)").arg(digits.toString(*prize), digits.toString(*winners));
}

QString BookTexts::source(const DrawResult &result)
{
    switch (result.sourceKind) {
    case DrawResult::Bundled: return tr("bundled");
    case DrawResult::Hand: return tr("entered by hand");
    case DrawResult::File: break;
    }
    return QFileInfo(result.source).fileName();
}

QString BookTexts::drawLine(const DrawResult &result)
{
    return tr("%1 (%2): %3").arg(DrawWords::drawName(result.draw), DrawWords::date(result.date), result.numberText());
}

QString BookTexts::sentence(const QString &text)
{
    static const QString ends = QStringLiteral(".!?\u3002\uFF01\uFF1F");
    if (text.isEmpty() || ends.contains(text.back()))
        return text;
    return tr("%1.").arg(text);
}
