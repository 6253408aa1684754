#ifndef FILLER_TICKETS_H
#define FILLER_TICKETS_H

#include <QList>

#include "ticket.h"

// Benchmark tickets: `count` of every way over draws 1..draws (one in 250
// for the next 20 draws, still waiting), from a fixed pseudo-random sequence.
inline QList<Ticket> fillerTickets(int count, int draws)
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
        t.draw = i % 250 == 0 ? draws + 1 + next(20) : 1 + next(draws);
        t.way = Ticket::Way(next(Ticket::WayCount));
        t.number = next(t.way == Ticket::Mini ? 100 : 1000);
        if (t.way != Ticket::Mini && t.number % 111 == 0)
            t.way = Ticket::Straight;  // a triple only as straight
        t.units = 1 + next(5);
        tickets << t;
    }
    return tickets;
}

#endif
