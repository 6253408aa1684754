#ifndef TICKET_SUMS_H
#define TICKET_SUMS_H

#include <QDate>
#include <QList>
#include <QMap>

#include <array>
#include <optional>

#include "game.h"
#include "graded_ticket.h"
#include "ticket_totals.h"
#include "win_collect.h"

// The money of a list of tickets worked out in one pass, over both games and
// over each: the totals, per month, and the wins to collect. Choosing a game
// then costs nothing, however many tickets there are.
class TicketSums
{
public:
    TicketSums() = default;
    TicketSums(const QList<GradedTicket> &rows, const QDate &today);

    // Over the tickets of a game, or of both (no game).
    const TicketTotals &totals(std::optional<Game> game) const { return all[slot(game)]; }
    const QMap<QDate, TicketTotals> &months(std::optional<Game> game) const { return perMonth[slot(game)]; }
    // By game, three digits first; the other game's empty when one is chosen.
    std::array<WinCollect::Totals, 2> collecting(std::optional<Game> game) const;

private:
    static int slot(std::optional<Game> game) { return game ? (*game == Game::Numbers3 ? 1 : 2) : 0; }

    std::array<TicketTotals, 3> all;
    std::array<QMap<QDate, TicketTotals>, 3> perMonth;
    std::array<WinCollect::Totals, 2> collect;
};

#endif
