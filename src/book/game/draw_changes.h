#ifndef DRAW_CHANGES_H
#define DRAW_CHANGES_H

#include <QList>

#include "draw_result.h"

namespace DrawChanges {

// The draws of `after` that `before` did not hold or held with another
// number, date or prizes: what an import changed, and so which tickets it
// graded anew. Both lists in the same draw order (either way round).
QList<int> between(const QList<DrawResult> &before, const QList<DrawResult> &after);

} // namespace DrawChanges

#endif
