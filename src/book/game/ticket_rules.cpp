#include "ticket_rules.h"

#include <QCoreApplication>


#include "draw_calendar.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TicketRules", text);
}

// A triple (777) or four alike (7777): one order, bought straight only.
bool isAllAlike(int number, Game game)
{
    return Games::orders(number, game) == 1;
}

// The kind of a box by how many orders the number's digits have.
TicketGrade::Kind kindOf(int number, Game game)
{
    switch (Games::orders(number, game)) {
    case 24: return TicketGrade::TwentyFourWay;
    case 12: return TicketGrade::TwelveWay;
    case 6: return TicketGrade::SixWay;
    case 4: return TicketGrade::FourWay;
    case 3: return TicketGrade::ThreeWay;
    default: return TicketGrade::None;
    }
}

// Theoretical box prize per unit by kind; set-straight is half of straight
// plus box, set-box half of box. Six-way is all different in three digits
// and two pairs in four.
qint64 boxPrize(Game game, TicketGrade::Kind kind)
{
    switch (kind) {
    case TicketGrade::SixWay: return game == Game::Numbers4 ? 150000 : 15000;
    case TicketGrade::ThreeWay: return 30000;
    case TicketGrade::TwentyFourWay: return 37500;
    case TicketGrade::TwelveWay: return 75000;
    case TicketGrade::FourWay: return 225000;
    case TicketGrade::None: break;
    }
    return 0;
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

qint64 theoreticalPrize(Game game, TicketGrade::Outcome outcome, TicketGrade::Kind kind)
{
    const bool four = game == Game::Numbers4;
    const qint64 straight = four ? 900000 : 90000;
    const qint64 box = boxPrize(game, kind);
    switch (outcome) {
    case TicketGrade::StraightWin: return straight;
    case TicketGrade::BoxWin: return box;
    case TicketGrade::SetStraight: return box ? (straight + box) / 2 : 0;
    case TicketGrade::SetBox: return box / 2;
    case TicketGrade::MiniWin: return four ? 0 : 9000;
    case TicketGrade::Waiting:
    case TicketGrade::NoWin: break;
    }
    return 0;
}

TicketGrade grade(const Ticket &ticket, const DrawResult *result)
{
    TicketGrade g;
    const Game game = ticket.game;
    if (!result || result->game != game || result->draw != ticket.draw || !Games::validNumber(result->number, game))
        return g;
    g.outcome = TicketGrade::NoWin;
    const int won = result->number;
    const int bought = ticket.number;
    // A triple or four alike is bought only straight, so it never wins as
    // box or set.
    const bool sameDigits = Games::validNumber(bought, game) && !isAllAlike(bought, game)
        && Games::sameDigits(bought, won, game);
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
        if (Games::hasMini(game) && bought >= 0 && bought == won % 100)
            g.outcome = TicketGrade::MiniWin;
        break;
    }
    if (!g.won())
        return g;
    if (g.outcome == TicketGrade::BoxWin || g.outcome == TicketGrade::SetStraight || g.outcome == TicketGrade::SetBox)
        g.kind = kindOf(won, game);

    const size_t way = size_t(resultWay(g.outcome));
    const std::optional<qint64> &prize = result->prize[way];
    const std::optional<qint64> &winners = result->winners[way];
    if (prize) {
        g.prizePerUnit = *prize;
    } else if (winners && *winners == 0) {
        g.prizePerUnit = 0;  // no winner that draw: nothing was paid
    } else {
        g.prizePerUnit = theoreticalPrize(game, g.outcome, g.kind);
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
    const Game game = ticket.game;
    if (game == Game::Numbers4) {
        if (ticket.way == Ticket::Mini)
            return tr("Numbers4 has no mini: buy straight, box or set.");
        if (!Games::validNumber(ticket.number, game))
            return tr("A Numbers4 ticket takes four digits (0000 to 9999).");
        if (ticket.way != Ticket::Straight && isAllAlike(ticket.number, game))
            return tr("%1 has all four digits the same: it cannot be bought as box or set, only as straight.")
                .arg(ticket.numberText());
    } else {
        if (ticket.way == Ticket::Mini) {
            if (ticket.number < 0 || ticket.number > 99)
                return tr("A mini ticket takes two digits (00 to 99), the last two of the result.");
        } else if (!Games::validNumber(ticket.number, game)) {
            return tr("A straight, box or set ticket takes three digits (000 to 999).");
        }
        if (ticket.way == Ticket::Box && isAllAlike(ticket.number, game))
            return tr("%1 is a triple (all three digits the same): it cannot be bought as box, only as straight.")
                .arg(ticket.numberText());
        if (ticket.way == Ticket::Set && isAllAlike(ticket.number, game))
            return tr("%1 is a triple (all three digits the same): it cannot be bought as set, only as straight.")
                .arg(ticket.numberText());
    }
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

NumberReading readNumber(const QString &text, Ticket::Way way, Game game)
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
    const int digits = way == Ticket::Mini ? 2 : Games::digits(game);
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
