#include "draw_calendar.h"

#include <QTimeZone>

#include <vector>

namespace {

constexpr int LastYear = 2199;

bool heldOn(const QDate &d)
{
    // No draws over the New Year holidays, in any phase.
    if ((d.month() == 12 && d.day() == 31) || (d.month() == 1 && d.day() <= 3))
        return false;
    const int w = d.dayOfWeek();  // 1 = Monday
    if (d >= QDate(2004, 7, 1))
        return w <= 5;
    if (d >= QDate(1997, 10, 6))
        return w == 1 || w == 3 || w == 5;
    if (d >= QDate(1995, 1, 6))
        return w == 2 || w == 5;
    if (d >= DrawCalendar::firstDrawDate())
        return w == 5;
    return false;
}

// Built once: the day of every draw and, per day, the last draw on or before it.
struct Table
{
    qint64 firstDay;
    std::vector<qint64> dayOfDraw;    // index draw - 1
    std::vector<int> drawUpTo;        // index day - firstDay: last draw on or before
    std::vector<bool> drawDay;        // index day - firstDay

    Table()
    {
        firstDay = DrawCalendar::firstDrawDate().toJulianDay();
        const qint64 lastDay = QDate(LastYear, 12, 31).toJulianDay();
        drawUpTo.reserve(size_t(lastDay - firstDay + 1));
        drawDay.reserve(size_t(lastDay - firstDay + 1));
        int draw = 0;
        for (qint64 jd = firstDay; jd <= lastDay; ++jd) {
            const bool held = heldOn(QDate::fromJulianDay(jd));
            if (held) {
                ++draw;
                dayOfDraw.push_back(jd);
            }
            drawUpTo.push_back(draw);
            drawDay.push_back(held);
        }
    }
};

const Table &table()
{
    static const Table t;  // thread-safe one-time build
    return t;
}

} // namespace

QDate DrawCalendar::dateOf(int draw)
{
    const Table &t = table();
    if (draw <= 0 || size_t(draw) > t.dayOfDraw.size())
        return QDate();
    return QDate::fromJulianDay(t.dayOfDraw[size_t(draw - 1)]);
}

int DrawCalendar::drawOn(const QDate &date)
{
    return isDrawDay(date) ? lastDrawOnOrBefore(date) : 0;
}

bool DrawCalendar::isDrawDay(const QDate &date)
{
    if (!date.isValid())
        return false;
    const Table &t = table();
    const qint64 i = date.toJulianDay() - t.firstDay;
    return i >= 0 && size_t(i) < t.drawDay.size() && t.drawDay[size_t(i)];
}

int DrawCalendar::lastDrawOnOrBefore(const QDate &date)
{
    if (!date.isValid())
        return 0;
    const Table &t = table();
    const qint64 i = date.toJulianDay() - t.firstDay;
    if (i < 0)
        return 0;
    if (size_t(i) >= t.drawUpTo.size())
        return t.drawUpTo.back();
    return t.drawUpTo[size_t(i)];
}

QDateTime DrawCalendar::japanTime(const QDateTime &now)
{
    // Japan keeps UTC+9 all year.
    return now.toTimeZone(QTimeZone(9 * 3600));
}

DrawCalendar::Next DrawCalendar::next(const QDateTime &now)
{
    const QDateTime jst = japanTime(now);
    const QDate today = jst.date();
    Next n;
    if (isDrawDay(today) && jst.time() < salesClose()) {
        n.draw = drawOn(today);
        n.salesOpen = true;
    } else {
        n.draw = lastDrawOnOrBefore(today) + 1;
    }
    n.date = dateOf(n.draw);
    if (!n.date.isValid())
        n.draw = 0;
    return n;
}

QDate DrawCalendar::resultDay(int draw, const QDate &date)
{
    const QDate byCalendar = dateOf(draw);
    if (!byCalendar.isValid())
        return QDate();
    return date.isValid() && date > byCalendar ? date : byCalendar;
}

bool DrawCalendar::resultOut(int draw, const QDate &date, const QDateTime &now)
{
    const QDate day = resultDay(draw, date);
    if (!day.isValid())
        return false;
    const QDateTime jst = japanTime(now);
    return day < jst.date() || (day == jst.date() && jst.time() >= resultsOut());
}

int DrawCalendar::lastDrawWithResult(const QDateTime &now)
{
    const QDateTime jst = japanTime(now);
    const QDate today = jst.date();
    int last = lastDrawOnOrBefore(today);
    if (last > 0 && dateOf(last) == today && jst.time() < resultsOut())
        --last;
    return last;
}
