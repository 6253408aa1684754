#include "ticket_sort_proxy.h"

#include "ticket_table_model.h"

TicketSortProxy::TicketSortProxy(TicketTableModel *model, QObject *parent)
    : QSortFilterProxyModel(parent)
    , tickets(model)
{
    setSourceModel(model);
}

void TicketSortProxy::setFilter(const QString &key, std::optional<Game> newGame)
{
    static const char *const keys[] = { "waiting", "missing", "won", "lost" };
    int wanted = key == QLatin1String("tocollect") ? ToCollect : Any;
    for (int s = 0; s < 4; ++s)
        if (key == QLatin1String(keys[s]))
            wanted = s;
    if (wanted == state && newGame == game)
        return;
    state = wanted;
    game = newGame;
    // Laid out again at once: removing tens of thousands of scattered rows
    // one span at a time would take seconds.
    invalidate();
}

bool TicketSortProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    return tickets->lessThan(left.row(), right.row(), left.column());
}

bool TicketSortProxy::filterAcceptsRow(int row, const QModelIndex &) const
{
    if (game && tickets->game(row) != *game)
        return false;
    switch (state) {
    case Any: return true;
    case ToCollect: return tickets->toCollect(row);
    default: return tickets->state(row) == state;
    }
}
