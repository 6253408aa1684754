#ifndef TICKET_LIST_H
#define TICKET_LIST_H

#include <QByteArray>
#include <QList>
#include <QString>

#include "graded_ticket.h"
#include "ticket.h"

// The ticket list as plain CSV, UTF-8:
//   draw,number,way,units[,note]
// with an optional header line, and the book's own export format (the same
// first five columns, then the draw's date, result, outcome, prize, whether
// it is "actual" or "theoretical", and the game), which reads back to the
// same tickets. A header (the line that names "draw") may name a column
// "game" anywhere, first too (numbers3 or numbers4, also 3 or 4 or
// ナンバーズ3, ナンバーズ4); a list without it, or a ticket whose cell is
// empty, is of the three-digit game. The full export adds "last_day" (of a
// win's payment period), "collected" (the day, YYYY-MM-DD) and "online"
// ("yes"); a header may name the last two anywhere, and they are read back
// as the ticket's marks. A list goes in whole or not at all.
namespace TicketList {

struct Parsed
{
    QList<Ticket> tickets;   // in file order; empty when error is set
    QString error;           // "FILE:LINE: message" (translated, context "TicketList")
    int padded = 0;          // numbers read with leading zeros (TicketRules::readNumber)
    bool ok() const { return error.isEmpty(); }
};

// Parses a list; each ticket is also checked with TicketRules::problem(maxDraw).
// fileName is used in messages only.
Parsed parse(const QByteArray &data, const QString &fileName, int maxDraw);
Parsed read(const QString &path, int maxDraw);

// The export: header row, then one row per ticket in the order given.
// Outcome keys: "waiting", "result missing" (drawn, the book lacks the
// result: GradedTicket::resultDue), "no win", "straight", "box K", "set-straight K",
// "set-box K" with K the kind "6-way" or "3-way" (three digits), "24-way",
// "12-way", "6-way" or "4-way" (four digits), "mini"; prize in yen; "actual"
// / "theoretical" (empty while waiting or for no win); "numbers3" /
// "numbers4".
// Layout::WithCollecting adds last_day, collected and online at the end,
// which the program's own exports write; Results is the layout before them.
enum class Layout { Results, WithCollecting };
QByteArray exportCsv(const QList<GradedTicket> &rows, Layout layout = Layout::Results);
bool write(const QString &path, const QList<GradedTicket> &rows, QString *error, Layout layout = Layout::Results);

} // namespace TicketList

#endif
