#ifndef FILLER_TICKETS_H
#define FILLER_TICKETS_H

#include <QList>

#include "ticket.h"

// Benchmark tickets: `count` of every way over draws 1..draws (one in 250
// for the next 20 draws, still waiting), from a fixed pseudo-random sequence.
// With bothGames, every second ticket is a four-digit one (straight, box or
// set; four alike only straight); the three-digit ones are then the same
// sequence as without.
inline QList<Ticket> fillerTickets(int count, int draws, bool bothGames = false)
{
    QList<Ticket> tickets;
    tickets.reserve(count);
    quint32 seed = 777;
    const auto next = [&seed](quint32 below) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % below);
    };
    for (int i = 0; i < count; ++i) {
        Ticket t;
        t.game = bothGames && i % 2 == 1 ? Game::Numbers4 : Game::Numbers3;
        const bool mini = Games::hasMini(t.game);
        t.draw = i % 250 == 0 ? draws + 1 + next(20) : 1 + next(draws);
        t.way = Ticket::Way(next(mini ? Ticket::WayCount : Ticket::Mini));
        t.number = next(t.way == Ticket::Mini ? 100 : quint32(Games::numberCount(t.game)));
        if (t.way != Ticket::Mini && Games::orders(t.number, t.game) == 1)
            t.way = Ticket::Straight;  // a triple or four alike only as straight
        t.units = 1 + next(5);
        tickets << t;
    }
    return tickets;
}

#endif
