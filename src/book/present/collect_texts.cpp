#include "collect_texts.h"

#include <QStringList>

#include "draw_words.h"
#include "ticket_texts.h"

namespace {
// Wins named in the window's line before "and N more".
constexpr int NamedInLine = 3;
}

QString CollectTexts::lastDay(const GradedTicket &row)
{
    if (!row.grade.won() || !row.period.isValid())
        return QString();
    const QString day = DrawWords::date(row.period.until());
    return row.period.isByRule() ? tr("%1 (by the rule)").arg(day) : day;
}

QString CollectTexts::state(const GradedTicket &row, const QDate &today)
{
    switch (WinCollect::of(row, today)) {
    case WinCollect::Nothing: break;
    case WinCollect::Online: return tr("online, paid into the account");
    case WinCollect::Collected: return tr("collected %1").arg(DrawWords::date(row.ticket.collected));
    case WinCollect::Lost: return tr("lost: not collected in time");
    case WinCollect::ToCollect: {
        const qint64 left = row.period.daysLeft(today);
        return left == 0 ? tr("to collect, last day today") : tr("to collect, days left: %1").arg(left);
    }
    }
    return QString();
}

QString CollectTexts::totals(const std::array<WinCollect::Totals, 2> &perGame)
{
    QStringList lines;
    for (size_t g = 0; g < perGame.size(); ++g) {
        const WinCollect::Totals &t = perGame[g];
        QStringList parts;
        if (t.toCollect > 0)
            parts << tr("to collect %1 (tickets: %2), nearest last day %3")
                         .arg(TicketTexts::yen(t.toCollectYen)).arg(t.toCollect).arg(DrawWords::date(t.nearest));
        if (t.lost > 0)
            parts << tr("lost %1 (tickets: %2)").arg(TicketTexts::yen(t.lostYen)).arg(t.lost);
        if (!parts.isEmpty())
            lines << tr("%1: %2").arg(DrawWords::gameName(g == 0 ? Game::Numbers3 : Game::Numbers4), parts.join(tr("; ")));
    }
    return lines.join(QLatin1Char('\n'));
}

QString CollectTexts::named(const GradedTicket &row, const QDate &today)
{
    return tr("draw %1 %2 %3: %4 by %5 (days left: %6)")
        .arg(row.ticket.draw)
        .arg(DrawWords::gameName(row.ticket.game), row.ticket.numberText(), TicketTexts::yen(row.grade.prize),
             DrawWords::date(row.period.until()))
        .arg(row.period.daysLeft(today));
}

QString CollectTexts::dueLine(const QList<GradedTicket> &due, const QDate &today)
{
    if (due.isEmpty())
        return QString();
    QStringList names;
    for (qsizetype i = 0; i < due.size() && i < NamedInLine; ++i)
        names << named(due.at(i), today);
    QString line = tr("Collect soon: %1").arg(names.join(tr(", ")));
    if (due.size() > NamedInLine)
        line += tr(" and %1 more").arg(due.size() - NamedInLine);
    return line;
}

QString CollectTexts::reminderTitle(int count)
{
    return tr("Wins to collect soon: %1").arg(count);
}

QString CollectTexts::reminderBody(const QList<GradedTicket> &due, const QDate &today)
{
    QStringList lines;
    for (const GradedTicket &row : due)
        lines << named(row, today);
    return lines.join(QLatin1Char('\n'));
}
