#include "ticket_sums.h"

TicketSums::TicketSums(const QList<GradedTicket> &rows, const QDate &today)
{
    for (const GradedTicket &row : rows) {
        const QDate month = TicketTotals::monthOf(row);
        const int game = slot(row.ticket.game);
        for (int s : {0, game}) {
            all[s].add(row);
            perMonth[s][month].add(row);
        }
        collect[game - 1].add(row, today);
    }
}

std::array<WinCollect::Totals, 2> TicketSums::collecting(std::optional<Game> game) const
{
    if (!game)
        return collect;
    std::array<WinCollect::Totals, 2> one;
    one[slot(game) - 1] = collect[slot(game) - 1];
    return one;
}
