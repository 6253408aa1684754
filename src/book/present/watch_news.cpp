#include "watch_news.h"

#include "book_store.h"
#include "draw_changes.h"
#include "ticket_store.h"
#include "ticket_texts.h"

WatchNews WatchNews::since(BookStore &store, const QList<DrawResult> &before)
{
    WatchNews news;
    const QList<DrawResult> changedRows = DrawChanges::rows(before, store.everyDraw());
    for (const DrawResult &r : changedRows)
        news.draws << (r.game == Game::Numbers4 ? tr("Numbers4 draw %1: %2") : tr("Draw %1: %2")).arg(r.draw).arg(r.numberText());
    const QList<int> changed = DrawChanges::draws(changedRows);
    if (changed.isEmpty())
        return news;
    const TicketStore tickets(store);
    for (const GradedTicket &g : tickets.gradedForDraws(changed)) {
        if (!g.grade.won())
            continue;
        news.wins << (g.ticket.game == Game::Numbers4 ? tr("Numbers4 draw %1, %2 %3: %4") : tr("Draw %1, %2 %3: %4"))
                         .arg(g.ticket.draw)
                         .arg(g.ticket.numberText(), TicketTexts::wayName(g.ticket.way), TicketTexts::prizeSpoken(g.grade));
    }
    return news;
}

QString WatchNews::line() const
{
    QStringList parts = draws;
    parts << wins;
    return parts.join(tr("; "));
}

QString WatchNews::summary() const
{
    if (!wins.isEmpty())
        return wins.size() == 1 ? tr("A ticket won") : tr("%1 tickets won").arg(wins.size());
    return draws.size() == 1 ? tr("A new result in the book") : tr("%1 new results in the book").arg(draws.size());
}

QString WatchNews::body() const
{
    QStringList lines = wins;
    lines << draws;
    return lines.join(QLatin1Char('\n'));
}
