#include "watch_news.h"

#include "book_store.h"
#include "draw_changes.h"
#include "draw_words.h"
#include "ticket_store.h"
#include "ticket_texts.h"

WatchNews WatchNews::since(BookStore &store, const QList<DrawResult> &before)
{
    WatchNews news;
    const QList<DrawResult> changedRows = DrawChanges::rows(before, store.everyDraw());
    for (const DrawResult &r : changedRows)
        news.draws << tr("%1: %2").arg(DrawWords::gameDrawName(r.draw, r.game), r.numberText());
    const QList<int> changed = DrawChanges::draws(changedRows);
    if (changed.isEmpty())
        return news;
    const TicketStore tickets(store);
    for (const GradedTicket &g : tickets.gradedForDraws(changed)) {
        if (!g.grade.won())
            continue;
        // The game, the ticket and how it won, which names its way: "box 6-way", "set-straight 3-way".
        news.wins << tr("%1, %2 %3: %4")
                         .arg(DrawWords::gameDrawName(g.ticket.draw, g.ticket.game), g.ticket.numberText(),
                              TicketTexts::outcome(g.grade), TicketTexts::prizeSpoken(g.grade));
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
