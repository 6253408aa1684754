#include "stats_range.h"

QList<DrawResult> StatsRange::pick(const QList<DrawResult> &newestFirst) const
{
    QList<DrawResult> out;
    if (kind == Last) {
        const qsizetype count = qBound<qsizetype>(0, qsizetype(last), newestFirst.size());
        out.reserve(count);
        for (qsizetype i = count - 1; i >= 0; --i)
            out.append(newestFirst.at(i));
    } else if (kind == Dates) {
        // A draw without a known date is in no date range.
        for (auto it = newestFirst.crbegin(); it != newestFirst.crend(); ++it) {
            if (it->date.isValid() && it->date >= from && it->date <= to)
                out.append(*it);
        }
    } else {
        out.reserve(newestFirst.size());
        for (auto it = newestFirst.crbegin(); it != newestFirst.crend(); ++it)
            out.append(*it);
    }
    return out;
}
