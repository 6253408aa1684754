#include "book_lookup.h"

#include <QRegularExpression>
#include <QStringList>

#include "book_store.h"
#include "book_texts.h"
#include "draw_calendar.h"
#include "draw_words.h"

namespace {

constexpr int TooLong = -2;

// Digits only, after trimming; full-width digits count as digits. -1 for
// what is not a number, TooLong for more digits than maxDigits.
int parseNumber(const QString &input, int maxDigits)
{
    const QString text = input.trimmed().normalized(QString::NormalizationForm_KC);
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (text.isEmpty() || !digits.match(text).hasMatch())
        return -1;
    // Leading zeros are not digits of the number: 0007061 is draw 7061.
    qsizetype zeros = 0;
    while (zeros < text.size() - 1 && text.at(zeros) == QLatin1Char('0'))
        ++zeros;
    if (text.size() - zeros > maxDigits)
        return TooLong;
    return text.mid(zeros).toInt();
}

} // namespace

QString BookLookup::answer(const BookStore &store, Kind kind, const QString &input, Game game)
{
    if (kind == Draw) {
        const int draw = parseNumber(input, 6);
        if (draw == TooLong)
            return tr("%1 has more digits than a draw number (6 at most). Type a draw number of 1 or more.")
                .arg(input.trimmed());
        if (draw <= 0)
            return tr("Type a draw number of 1 or more.");
        const std::optional<DrawResult> result = store.draw(draw, game);
        if (!result) {
            // The day it was (or will be) drawn, and how to bring it in.
            const QDate day = DrawCalendar::dateOf(draw);
            return tr("%1 (%2) is not in the book. Import the operator's file %3 (Book, Import files) "
                      "or enter the result by hand (Book, Enter a result by hand).")
                .arg(DrawWords::drawName(draw, game), DrawWords::date(day),
                     QStringLiteral("A100%1.CSV").arg(draw, 4, 10, QLatin1Char('0')));
        }
        QStringList lines{BookTexts::drawLine(*result)};
        const int ways = Games::hasMini(game) ? DrawResult::WayCount : DrawResult::Mini;
        for (int way = 0; way < ways; ++way) {
            const QString prize = BookTexts::prize(*result, DrawResult::Way(way));
            if (!prize.isEmpty())
                lines << tr("%1: %2").arg(BookTexts::wayName(DrawResult::Way(way)), prize);
        }
        lines << tr("Source: %1").arg(BookTexts::source(*result));
        return lines.join(QLatin1Char('\n'));
    }

    const int number = parseNumber(input, Games::digits(game));
    if (number < 0)
        return game == Game::Numbers4 ? tr("Type a number of one to four digits, 0 to 9999.")
                                      : tr("Type a number of one to three digits, 0 to 999.");
    const QString shown = Games::numberText(number, game);
    const QList<DrawResult> hits = kind == Straight ? store.drawsWithNumber(number, game) : store.boxHits(number, game);
    const int count = store.count(game);
    if (hits.isEmpty()) {
        return kind == Straight ? tr("%1 has not come up in the %2 draws of the book.").arg(shown).arg(count)
                                : tr("%1 has not come up as a box in the %2 draws of the book.").arg(shown).arg(count);
    }
    QStringList lines{kind == Straight ? tr("%1 came up in %2 of the %3 draws of the book:").arg(shown).arg(hits.size()).arg(count)
                                       : tr("%1 came up as a box (its digits in any order) in %2 of the %3 draws of the book:")
                                             .arg(shown).arg(hits.size()).arg(count)};
    for (const DrawResult &hit : hits)
        lines << BookTexts::drawLine(hit);
    return lines.join(QLatin1Char('\n'));
}
