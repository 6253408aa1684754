#ifndef STATS_RANGE_H
#define STATS_RANGE_H

#include <QDate>
#include <QList>

#include "draw_result.h"

// Which of the book's draws the statistics cover: the last so many, those
// between two dates (both included), or all of them.
struct StatsRange
{
    enum Kind { Last, Dates, All };

    Kind kind = All;
    int last = 0;
    QDate from;
    QDate to;

    static StatsRange lastDraws(int count) { return {Last, count, {}, {}}; }
    static StatsRange between(QDate from, QDate to) { return {Dates, 0, from, to}; }
    static StatsRange all() { return {}; }

    // The draws in range, oldest first, from the book's draws newest first.
    QList<DrawResult> pick(const QList<DrawResult> &newestFirst) const;
};

#endif
