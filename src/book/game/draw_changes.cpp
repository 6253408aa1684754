#include "draw_changes.h"

#include <QHash>
#include <QSet>

QList<DrawResult> DrawChanges::rows(const QList<DrawResult> &before, const QList<DrawResult> &after)
{
    QHash<qint64, const DrawResult *> held;
    held.reserve(before.size());
    for (const DrawResult &r : before)
        held.insert(r.key(), &r);
    QList<DrawResult> changed;
    for (const DrawResult &r : after) {
        const DrawResult *old = held.value(r.key());
        if (!old || !old->sameContent(r))
            changed << r;
    }
    return changed;
}

QList<int> DrawChanges::draws(const QList<DrawResult> &changedRows)
{
    QList<int> numbers;
    QSet<int> seen;
    for (const DrawResult &r : changedRows)
        if (!seen.contains(r.draw)) {
            seen.insert(r.draw);
            numbers << r.draw;
        }
    return numbers;
}

QList<int> DrawChanges::between(const QList<DrawResult> &before, const QList<DrawResult> &after)
{
    return draws(rows(before, after));
}
