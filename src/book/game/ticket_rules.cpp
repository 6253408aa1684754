#include "ticket_rules.h"

#include <QCoreApplication>


#include "display/number_kind.h"
#include "draw_calendar.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TicketRules", text);
}

bool isTriple(int number)
{
    return NumberKind::repeat(number) == NumberKind::Triple;
}

// Six orders when the digits differ, three when two are the same; a
// triple has one order and is no box.
TicketGrade::Kind kindOf(int number)
{
    switch (NumberKind::repeat(number)) {
    case NumberKind::AllDifferent: return TicketGrade::SixWay;
    case NumberKind::Pair: return TicketGrade::ThreeWay;
    case NumberKind::Triple: break;
    }
    return TicketGrade::None;
}

// The operator's column for an outcome.
DrawResult::Way resultWay(TicketGrade::Outcome outcome)
{
    switch (outcome) {
    case TicketGrade::BoxWin: return DrawResult::Box;
    case TicketGrade::SetStraight: return DrawResult::SetStraight;
    case TicketGrade::SetBox: return DrawResult::SetBox;
    case TicketGrade::MiniWin: return DrawResult::Mini;
    default: return DrawResult::Straight;
    }
}

} // namespace

namespace TicketRules {

qint64 theoreticalPrize(TicketGrade::Outcome outcome, TicketGrade::Kind kind)
{
    const bool six = kind == TicketGrade::SixWay;
    const bool three = kind == TicketGrade::ThreeWay;
    switch (outcome) {
    case TicketGrade::StraightWin: return 90000;
    case TicketGrade::BoxWin: return six ? 15000 : three ? 30000 : 0;
    case TicketGrade::SetStraight: return six ? 52500 : three ? 60000 : 0;
    case TicketGrade::SetBox: return six ? 7500 : three ? 15000 : 0;
    case TicketGrade::MiniWin: return 9000;
    case TicketGrade::Waiting:
    case TicketGrade::NoWin: break;
    }
    return 0;
}

TicketGrade grade(const Ticket &ticket, const DrawResult *result)
{
    TicketGrade g;
    if (!result || result->draw != ticket.draw || result->number < 0 || result->number > 999)
        return g;
    g.outcome = TicketGrade::NoWin;
    const int won = result->number;
    const int bought = ticket.number;
    // A triple is bought only straight, so it never wins as box or set.
    const bool sameDigits = bought >= 0 && bought <= 999 && !isTriple(bought)
        && NumberKind::sameDigits(bought, won);
    switch (ticket.way) {
    case Ticket::Straight:
        if (bought == won)
            g.outcome = TicketGrade::StraightWin;
        break;
    case Ticket::Box:
        if (sameDigits)
            g.outcome = TicketGrade::BoxWin;
        break;
    case Ticket::Set:
        if (sameDigits)
            g.outcome = bought == won ? TicketGrade::SetStraight : TicketGrade::SetBox;
        break;
    case Ticket::Mini:
        if (bought >= 0 && bought == won % 100)
            g.outcome = TicketGrade::MiniWin;
        break;
    }
    if (!g.won())
        return g;
    if (g.outcome == TicketGrade::BoxWin || g.outcome == TicketGrade::SetStraight || g.outcome == TicketGrade::SetBox)
        g.kind = kindOf(won);

    const size_t way = size_t(resultWay(g.outcome));
    const std::optional<qint64> &prize = result->prize[way];
    const std::optional<qint64> &winners = result->winners[way];
    if (prize) {
        g.prizePerUnit = *prize;
    } else if (winners && *winners == 0) {
        g.prizePerUnit = 0;  // no winner that draw: nothing was paid
    } else {
        g.prizePerUnit = theoreticalPrize(g.outcome, g.kind);
        g.theoretical = true;
    }
    g.prize = g.prizePerUnit * ticket.units;
    return g;
}

QString problem(const Ticket &ticket, int maxDraw)
{
    if (ticket.draw < 1 || ticket.draw > maxDraw)
        return tr("Draw %1 cannot be bought: draw numbers go from 1 to %2 (the next draw and a year after it).")
            .arg(ticket.draw)
            .arg(maxDraw);
    if (ticket.way < Ticket::Straight || ticket.way > Ticket::Mini)
        return tr("Unknown way of buying; use straight, box, set or mini.");
    if (ticket.way == Ticket::Mini) {
        if (ticket.number < 0 || ticket.number > 99)
            return tr("A mini ticket takes two digits (00 to 99), the last two of the result.");
    } else if (ticket.number < 0 || ticket.number > 999) {
        return tr("A straight, box or set ticket takes three digits (000 to 999).");
    }
    if (ticket.way == Ticket::Box && isTriple(ticket.number))
        return tr("%1 is a triple (all three digits the same): it cannot be bought as box, only as straight.")
            .arg(ticket.numberText());
    if (ticket.way == Ticket::Set && isTriple(ticket.number))
        return tr("%1 is a triple (all three digits the same): it cannot be bought as set, only as straight.")
            .arg(ticket.numberText());
    if (ticket.units < 1 || ticket.units > Ticket::MaxUnits)
        return tr("Units go from 1 to %1 per ticket line (200 yen each); %2 is not possible.")
            .arg(Ticket::MaxUnits)
            .arg(ticket.units);
    return QString();
}

void markResultsDue(QList<GradedTicket> &rows, const QDateTime &now)
{
    const int out = DrawCalendar::lastDrawWithResult(now);
    for (GradedTicket &row : rows)
        row.resultDue = row.grade.outcome == TicketGrade::Waiting && row.ticket.draw <= out;
}

NumberReading readNumber(const QString &text, Ticket::Way way)
{
    NumberReading out;
    const QString s = text.trimmed();
    if (s.isEmpty())
        return out;
    int value = 0;
    for (const QChar c : s) {
        const bool ascii = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const bool wide = c >= QChar(0xFF10) && c <= QChar(0xFF19);
        if (!ascii && !wide)
            return out;
        if (value < 100000)
            value = value * 10 + c.digitValue();
    }
    const int digits = way == Ticket::Mini ? 2 : 3;
    if (s.size() > digits) {
        out.status = NumberReading::TooManyDigits;
        return out;
    }
    out.status = NumberReading::Read;
    out.number = value;
    out.padded = s.size() < digits;
    return out;
}

int maxDrawFor(const QDateTime &now)
{
    const DrawCalendar::Next next = DrawCalendar::next(now);
    const int yearLater = DrawCalendar::lastDrawOnOrBefore(next.date.addYears(1));
    return qMax(next.draw, yearLater);
}

} // namespace TicketRules
