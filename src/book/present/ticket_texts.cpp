#include "ticket_texts.h"

#include <QLocale>

#include "ticket_table_model.h"

QString TicketTexts::wayName(Ticket::Way way)
{
    switch (way) {
    case Ticket::Straight: return tr("straight");
    case Ticket::Box: return tr("box");
    case Ticket::Set: return tr("set");
    case Ticket::Mini: return tr("mini");
    }
    return QString();
}

QString TicketTexts::outcome(const TicketGrade &grade)
{
    // "box 6-way": the way won and how many orders the number's digits have.
    const int orders = TicketGrade::orders(grade.kind);
    switch (grade.outcome) {
    case TicketGrade::Waiting: return tr("waiting");
    case TicketGrade::NoWin: return tr("no win");
    case TicketGrade::StraightWin: return tr("straight");
    case TicketGrade::BoxWin: return tr("box %1-way").arg(orders);
    case TicketGrade::SetStraight: return tr("set-straight %1-way").arg(orders);
    case TicketGrade::SetBox: return tr("set-box %1-way").arg(orders);
    case TicketGrade::MiniWin: return tr("mini");
    }
    return QString();
}

QString TicketTexts::resultMissing()
{
    return tr("result not in the book yet");
}

QString TicketTexts::yen(qint64 amount)
{
    return tr("%1 yen").arg(QLocale(QLocale::English).toString(amount));
}

QString TicketTexts::balance(qint64 amount)
{
    const QString digits = QLocale(QLocale::English).toString(qAbs(amount));
    if (amount > 0)
        return tr("+%1 yen").arg(digits);
    if (amount < 0)
        return tr("-%1 yen").arg(digits);
    return tr("%1 yen").arg(digits);
}

QString TicketTexts::prize(const TicketGrade &grade)
{
    if (!grade.won())
        return QString();
    // A win where the operator reports none: the ticket or the result is
    // not what it seems; the tooltip asks the player to look at the ticket.
    if (grade.prize == 0 && !grade.theoretical)
        return tr("no winner reported");
    // The sign keeps the column narrow; the tooltip and a screen reader say it in words.
    return grade.theoretical ? QStringLiteral("\u2248") + yen(grade.prize) : yen(grade.prize);
}

QString TicketTexts::prizeSpoken(const TicketGrade &grade)
{
    if (!grade.won())
        return QString();
    if (grade.prize == 0 && !grade.theoretical)
        return tr("the operator reports no winner for this way; check the ticket");
    return grade.theoretical ? tr("%1, theoretical prize").arg(yen(grade.prize))
                             : tr("%1, actual prize").arg(yen(grade.prize));
}

QString TicketTexts::percent(double value)
{
    return tr("%1%").arg(QLocale(QLocale::English).toString(value, 'f', 1));
}

QString TicketTexts::month(const QDate &firstOfMonth)
{
    return QLocale().toString(firstOfMonth, tr("yyyy-MM"));
}

QString TicketTexts::summary(const TicketTotals &t)
{
    if (t.tickets == 0)
        return tr("No tickets yet.");
    QString won = yen(t.won);
    if (t.wonTheoretical > 0)
        won = tr("%1 (of which %2 at theoretical prizes)").arg(won, yen(t.wonTheoretical));
    if (t.missing > 0) {
        // Drawn tickets whose result the book lacks are not "waiting": they are counted apart.
        const QString counts = tr("Tickets: %1, waiting: %2, result not in the book: %3").arg(t.tickets).arg(t.waiting).arg(t.missing);
        if (t.spentGraded <= 0)
            return tr("%1; spent %2, won %3, balance %4; no return yet, as no ticket has its result")
                .arg(counts, yen(t.spent), won, balance(t.balance()));
        return tr("%1; spent %2, won %3, balance %4, return %5")
            .arg(counts, yen(t.spent), won, balance(t.balance()), percent(t.returnPercent()));
    }
    if (t.spentGraded <= 0)
        return tr("Tickets: %1, waiting: %2; spent %3, won %4, balance %5; no return yet, as no ticket has its result")
            .arg(t.tickets)
            .arg(t.waiting)
            .arg(yen(t.spent), won, balance(t.balance()));
    return tr("Tickets: %1, waiting: %2; spent %3, won %4, balance %5, return %6")
        .arg(t.tickets)
        .arg(t.waiting)
        .arg(yen(t.spent), won, balance(t.balance()), percent(t.returnPercent()));
}

QString TicketTexts::withPadded(const QString &line, int padded)
{
    if (padded <= 0)
        return line;
    const QString count = padded == 1 ? tr("1 number read with leading zeros")
                                      : tr("%1 numbers read with leading zeros").arg(padded);
    return tr("%1 (%2)").arg(line, count);
}

QString TicketTexts::listName(int column, Qt::SortOrder order)
{
    if (column == TicketTableModel::DrawColumn || column == TicketTableModel::DateColumn)
        return order == Qt::DescendingOrder ? tr("Tickets, newest draw first") : tr("Tickets, oldest draw first");
    return order == Qt::DescendingOrder ? tr("Tickets, sorted by %1, descending").arg(TicketTableModel::title(column))
                                        : tr("Tickets, sorted by %1, ascending").arg(TicketTableModel::title(column));
}

QString TicketTexts::listShown(int shown, int total, const QString &filter)
{
    if (shown == total)
        return tr("All %1 tickets, each with its draw's result, the outcome and the prize.").arg(total);
    return tr("%1 of %2 tickets shown (%3), each with its draw's result, the outcome and the prize.")
        .arg(shown).arg(total).arg(filter);
}

QString TicketTexts::totalsOver(int shown, int total)
{
    if (shown == total)
        return tr("Totals over all tickets");
    return tr("Totals over all %1 tickets, not only the %2 shown").arg(total).arg(shown);
}

QString TicketTexts::totalsOfGame(const QString &game)
{
    return tr("Totals over the tickets of %1").arg(game);
}

QString TicketTexts::added(qsizetype added, qsizetype skipped, int padded)
{
    if (skipped > 0)
        return withPadded(tr("%1 added, %2 already in the book and not added again").arg(added).arg(skipped), padded);
    return withPadded(added == 1 ? tr("1 ticket added") : tr("%1 tickets added").arg(added), padded);
}

QString TicketTexts::addedFrom(const QString &name, qsizetype added, qsizetype skipped, int padded)
{
    if (skipped > 0)
        return withPadded(tr("Tickets added from %1: %2; already in the book and not added again: %3").arg(name).arg(added).arg(skipped),
                          padded);
    return withPadded(tr("Tickets added from %1: %2").arg(name).arg(added), padded);
}

QString TicketTexts::reading(int total)
{
    return tr("Reading %1 tickets; the totals follow.").arg(total);
}

QString TicketTexts::notAllRead(const QString &why)
{
    return tr("Not every ticket could be read: %1").arg(why);
}
