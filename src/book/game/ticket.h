#ifndef TICKET_H
#define TICKET_H

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <optional>

#include "game.h"

// One line of a bought ticket as the book keeps it: a number of one game
// bought for one draw in one way, in units of 200 yen.
struct Ticket
{
    // The ways of buying. The numeric values are stored in the book.
    enum Way { Straight = 0, Box = 1, Set = 2, Mini = 3 };
    static constexpr int WayCount = 4;
    static constexpr int UnitPrice = 200;   // yen per unit, every way
    static constexpr int MaxUnits = 99;     // per ticket line
    static constexpr int MaxNoteLength = 1000;  // characters, in a list and in the dialog

    qint64 id = 0;         // the book's row id; 0 before it is stored
    Game game = Game::Numbers3;
    int draw = 0;          // draw number, 1 and up
    int number = -1;       // 0..999 or 0..9999; 0..99 for Mini (the result's last two digits)
    Way way = Straight;
    int units = 1;         // 1..MaxUnits
    QString note;          // free text, may be empty
    QDateTime createdAt;   // when it was entered (UTC); invalid before storing
    // Marks, not content: the day a win was marked collected (invalid while
    // not), and a ticket bought online, whose wins are paid into the
    // player's account without collecting.
    QDate collected;
    bool online = false;

    qint64 cost() const { return qint64(units) * UnitPrice; }

    // "007" and "0071" as the game prints them, "07" for mini.
    QString numberText() const
    {
        return way == Mini ? QString::number(number).rightJustified(2, QLatin1Char('0')) : Games::numberText(number, game);
    }

    // The keys of the ticket CSV: "straight", "box", "set", "mini".
    static const char *wayKey(Way way)
    {
        static const char *const keys[WayCount] = { "straight", "box", "set", "mini" };
        return keys[way];
    }
    static std::optional<Way> wayFromKey(const QString &key)
    {
        for (int w = 0; w < WayCount; ++w)
            if (key.compare(QLatin1String(wayKey(Way(w))), Qt::CaseInsensitive) == 0)
                return Way(w);
        return std::nullopt;
    }

    // Same game, draw, number, way, units and note (id and creation time not compared).
    bool sameContent(const Ticket &o) const
    {
        return game == o.game && draw == o.draw && number == o.number && way == o.way && units == o.units && note == o.note;
    }
};

#endif
