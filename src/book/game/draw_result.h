#ifndef DRAW_RESULT_H
#define DRAW_RESULT_H

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

#include "game.h"

// One draw of one game as the book keeps it. The four-digit game has no
// mini: its mini prize and winners stay empty.
struct DrawResult
{
    // The ways of buying, in the order the operator lists them.
    enum Way { Straight, Box, SetStraight, SetBox, Mini };
    static constexpr int WayCount = 5;

    // Where a result came from. The numeric values are stored in the book.
    enum SourceKind { Bundled = 0, File = 1, Hand = 2 };

    Game game = Game::Numbers3;
    int draw = 0;          // draw number, 1 and up
    QDate date;            // invalid when not known
    int number = -1;       // 0..999 or 0..9999, shown with the game's digits

    // Per way of buying, when known. "No winner" is winners 0 with no prize.
    std::array<std::optional<qint64>, WayCount> prize;    // yen per unit
    std::array<std::optional<qint64>, WayCount> winners;  // units won

    // The payment period as the operator's file gave it; invalid when no
    // file did (PaymentPeriod::of then uses the rule).
    QDate payFrom;
    QDate payUntil;

    SourceKind sourceKind = File;
    QString source;        // file name for File, empty otherwise
    QDateTime storedAt;    // when the book stored it (UTC); invalid before storing

    // One key for a draw of a game, for hashes over both games.
    static qint64 key(Game game, int draw) { return qint64(draw) * 10 + int(game); }
    qint64 key() const { return key(game, draw); }

    // "007", "0071": the number as printed.
    QString numberText() const { return Games::numberText(number, game); }

    // True when draw, date, number, prizes and winners are all equal
    // (source and storage time are not compared).
    bool sameContent(const DrawResult &other) const
    {
        return game == other.game && draw == other.draw && date == other.date && number == other.number
            && prize == other.prize && winners == other.winners;
    }

    // The column names of the plain CSV and the book: "straight", "box",
    // "set_straight", "set_box", "mini".
    static const char *wayKey(Way way)
    {
        static const char *const keys[WayCount] = { "straight", "box", "set_straight", "set_box", "mini" };
        return keys[way];
    }
};

#endif
