#ifndef DRAW_CALENDAR_H
#define DRAW_CALENDAR_H

#include <QDate>
#include <QDateTime>
#include <QTime>

// The draw calendar of the three-digit game, worked out offline:
//   draws 1-13      Fridays, from 1994-10-07
//   draws 14-297    Tuesdays and Fridays, from 1995-01-06
//   draws 298-1339  Mondays, Wednesdays and Fridays, from 1997-10-06
//   from draw 1340  every weekday, national holidays included, from 2004-07-01
// and never from 31 December to 3 January. The table is built once and
// shared; every lookup after that is constant time.
class DrawCalendar
{
public:
    // The next draw seen from a moment in time.
    struct Next
    {
        int draw = 0;           // its number
        QDate date;             // its day (Japan)
        bool salesOpen = false; // that day is today in Japan and it is before 18:30 there
    };

    // The day of a draw; invalid for draw <= 0 or beyond the table (year 2199).
    static QDate dateOf(int draw);
    // The draw held on a day, 0 when there is none.
    static int drawOn(const QDate &date);
    // Whether any draw is held on that day.
    static bool isDrawDay(const QDate &date);
    // The last draw held on or before a day, 0 before the first draw.
    static int lastDrawOnOrBefore(const QDate &date);

    // The draw to buy for next: today's while its sales are open, then the
    // next draw day's. `now` may be in any time zone; Japan is UTC+9 all year.
    static Next next(const QDateTime &now);
    // The last draw whose result should be out at `now` (after 20:30 Japan time).
    static int lastDrawWithResult(const QDateTime &now);
    // The day a result dated `date` for `draw` comes out: that date or the
    // calendar's day for the draw, whichever is later; invalid for a draw
    // beyond the table.
    static QDate resultDay(int draw, const QDate &date);
    // Whether such a result can be known at `now`: its day is before today
    // in Japan, or today after the results time.
    static bool resultOut(int draw, const QDate &date, const QDateTime &now);

    // `now` as Japan's wall-clock time (UTC+9, no daylight saving).
    static QDateTime japanTime(const QDateTime &now);
    static QTime salesClose() { return QTime(18, 30); }
    static QTime resultsOut() { return QTime(20, 30); }
    static QDate firstDrawDate() { return QDate(1994, 10, 7); }
};

#endif
