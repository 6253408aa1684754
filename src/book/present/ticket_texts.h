#ifndef TICKET_TEXTS_H
#define TICKET_TEXTS_H

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QtGlobal>

#include "ticket.h"
#include "ticket_grade.h"
#include "ticket_totals.h"

// The words the tickets tab shows, prints and reads out, made without any
// widget so that the list, the summary, the print and the tests agree.
class TicketTexts
{
    Q_DECLARE_TR_FUNCTIONS(TicketTexts)

public:
    // "straight", "box", "set", "mini".
    static QString wayName(Ticket::Way way);
    // "waiting", "no win", "box 6-way", "set-straight 3-way", "mini"...
    static QString outcome(const TicketGrade &grade);
    // In place of "waiting" for a draw already held whose result the book lacks.
    static QString resultMissing();
    // "15,000 yen"; theoretical prizes start with "≈"; empty while waiting or for no win.
    static QString prize(const TicketGrade &grade);
    // The prize in words for a screen reader and the tooltip: "15,000 yen, theoretical prize".
    static QString prizeSpoken(const TicketGrade &grade);
    static QString yen(qint64 amount);
    // With a sign: "+5,800 yen", "-3,000 yen".
    static QString balance(qint64 amount);
    static QString percent(double value);
    // "2026-12" in the user's language.
    static QString month(const QDate &firstOfMonth);
    // An import's line with how many numbers it read with leading zeros:
    // "LINE (3 numbers read with leading zeros)", or the line alone for none.
    static QString withPadded(const QString &line, int padded);
    // What a ticket list added (TicketImport), as the command line prints it
    // after the file's name: "12 tickets added", or "2 added, 10 already in
    // the book and not added again"; and as the window says it, naming the list.
    static QString added(qsizetype added, qsizetype skipped, int padded);
    static QString addedFrom(const QString &name, qsizetype added, qsizetype skipped, int padded);
    // The summary line: tickets, spent, won (theoretical part apart), balance, return.
    static QString summary(const TicketTotals &totals);
    // The list's name for a screen reader, as it is sorted: "Tickets, newest
    // draw first", "Tickets, sorted by Prize, descending".
    static QString listName(int column, Qt::SortOrder order);
    // What the list shows: every ticket, or some of them through the filter.
    static QString listShown(int shown, int total, const QString &filter);
    // What the totals line counts, said apart when the list shows fewer.
    static QString totalsOver(int shown, int total);
    // The same when one game is chosen: "Totals over the tickets of Numbers4".
    static QString totalsOfGame(const QString &game);
    // In place of the totals while the tickets are read.
    static QString reading(int total);
    // When the book refused to give every ticket.
    static QString notAllRead(const QString &why);
};

#endif
