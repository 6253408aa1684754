#include "draw_changes.h"

#include <QHash>

QList<int> DrawChanges::between(const QList<DrawResult> &before, const QList<DrawResult> &after)
{
    QHash<int, const DrawResult *> held;
    held.reserve(before.size());
    for (const DrawResult &r : before)
        held.insert(r.draw, &r);
    QList<int> changed;
    for (const DrawResult &r : after) {
        const DrawResult *old = held.value(r.draw);
        if (!old || !old->sameContent(r))
            changed << r.draw;
    }
    return changed;
}
