#ifndef COLLECT_TEXTS_H
#define COLLECT_TEXTS_H

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

#include <array>

#include "graded_ticket.h"
#include "win_collect.h"

// The words of collecting wins: a win's last day and its mark in the list,
// the totals to collect and lost, the window's line and the reminders.
class CollectTexts
{
    Q_DECLARE_TR_FUNCTIONS(CollectTexts)

public:
    // "2027-09-17", with "(by the rule)" when no file gave the period;
    // empty for a ticket that is not a win.
    static QString lastDay(const GradedTicket &row);
    // "collected 2026-10-01", "online", "to collect, 6 days left", "lost";
    // empty for a ticket that is not a win.
    static QString state(const GradedTicket &row, const QDate &today);
    // Per game with anything to say, one line each; empty when nothing is
    // to collect or lost.
    static QString totals(const std::array<WinCollect::Totals, 2> &perGame);
    // The wins to collect whose last day is within reach (of them `due`),
    // named for the window's line; empty for none.
    static QString dueLine(const QList<GradedTicket> &due, const QDate &today);
    // A reminder's title and text.
    static QString reminderTitle(int count);
    static QString reminderBody(const QList<GradedTicket> &due, const QDate &today);

private:
    // "draw 7065 Numbers3 123: 9,000 yen by 2026-12-15 (6 days)"
    static QString named(const GradedTicket &row, const QDate &today);
};

#endif
