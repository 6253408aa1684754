#include "hand_entry.h"

#include <QRegularExpression>

#include "book_texts.h"
#include "draw_calendar.h"
#include "draw_words.h"

namespace {

// A count or an amount typed with or without thousands commas, full-width
// digits too; empty when nothing was typed.
QString plainDigits(const QString &typed)
{
    QString text = typed.trimmed().normalized(QString::NormalizationForm_KC);
    text.remove(QLatin1Char(','));
    return text;
}

} // namespace

HandEntry::Checked HandEntry::check(int draw, const QDate &date, const QString &number, const QStringList &prizes, const QDateTime &now,
                                    Game game, const QStringList &winners)
{
    Checked checked;
    if (draw <= 0) {
        checked.error = tr("The draw number must be 1 or more.");
        checked.badField = 0;
        return checked;
    }
    if (!date.isValid()) {
        checked.error = tr("The date is not a real day.");
        checked.badField = 1;
        return checked;
    }
    // The importer refuses such a day, so the book's export would not read back.
    if (!DrawCalendar::isDrawDay(date)) {
        checked.error = tr("There is no draw on %1. Give the day the draw was held.").arg(DrawWords::date(date));
        checked.badField = 1;
        return checked;
    }
    // A result typed in advance would enter every statistic as if drawn.
    if (!DrawCalendar::resultOut(draw, date, now)) {
        const QDate day = DrawCalendar::resultDay(draw, date);
        checked.error = tr("%1 is drawn on %2; its result cannot be known before %3 Japan time that day.")
                            .arg(DrawWords::drawName(draw), DrawWords::date(day.isValid() ? day : date),
                                 DrawCalendar::resultsOut().toString(QStringLiteral("HH:mm")));
        checked.badField = day == date ? 1 : 0;
        return checked;
    }
    const QString digits = number.trimmed().normalized(QString::NormalizationForm_KC);
    const QRegularExpression gameDigits(QStringLiteral("^[0-9]{%1}$").arg(Games::digits(game)));
    if (!gameDigits.match(digits).hasMatch()) {
        checked.error = game == Game::Numbers4 ? tr("The number must be four digits, 0000 to 9999, such as 0071.")
                                               : tr("The number must be three digits, 000 to 999, such as 007.");
        checked.badField = 2;
        return checked;
    }

    DrawResult result;
    result.game = game;
    result.draw = draw;
    result.date = date;
    result.number = digits.toInt();
    result.sourceKind = DrawResult::Hand;
    static const QRegularExpression amount(QStringLiteral("^[0-9]{1,9}$"));
    const int ways = Games::hasMini(game) ? DrawResult::WayCount : DrawResult::Mini;
    for (int way = 0; way < ways && way < prizes.size(); ++way) {
        const QString text = plainDigits(prizes.at(way));
        if (text.isEmpty())
            continue;
        if (text == QLatin1String("-") || text == QLatin1String("0")) {
            result.winners[way] = 0;
            continue;
        }
        if (!amount.match(text).hasMatch()) {
            checked.error = tr("The prize for %1 must be an amount in yen, such as 90,400; "
                               "0 for no winner, or empty when not known.")
                                .arg(BookTexts::wayName(DrawResult::Way(way)));
            checked.badField = 3 + way;
            return checked;
        }
        result.prize[way] = text.toLongLong();
    }
    if (!readWinners(winners, ways, result, checked))
        return checked;

    const QDate expected = DrawCalendar::dateOf(draw);
    if (expected.isValid() && expected != date) {
        checked.warning = tr("By the draw calendar %1 was held on %2, not on %3.")
                              .arg(DrawWords::drawName(draw), DrawWords::date(expected), DrawWords::date(date));
    }
    checked.result = result;
    return checked;
}

// The winners beside the prizes: a count of units; a prize of no winner has
// none, and a prize paid has some.
bool HandEntry::readWinners(const QStringList &winners, int ways, DrawResult &result, Checked &checked)
{
    static const QRegularExpression count(QStringLiteral("^[0-9]{1,9}$"));
    for (int way = 0; way < ways && way < winners.size(); ++way) {
        const QString text = plainDigits(winners.at(way));
        if (text.isEmpty())
            continue;
        const bool noWinner = result.winners[way] == 0 && !result.prize[way];
        const qint64 units = count.match(text).hasMatch() ? text.toLongLong() : -1;
        if (units < 0 || (units == 0) != noWinner) {
            checked.error = tr("The winners of %1 must be a count of units, such as 1,234; 0 only where the prize is 0 "
                               "(no winner), or empty when not known.")
                                .arg(BookTexts::wayName(DrawResult::Way(way)));
            checked.badField = WinnersField + way;
            return false;
        }
        result.winners[way] = units;
    }
    return true;
}
