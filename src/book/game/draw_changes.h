#ifndef DRAW_CHANGES_H
#define DRAW_CHANGES_H

#include <QList>

#include "draw_result.h"

namespace DrawChanges {

// The rows of `after` that `before` did not hold or held with another
// number, date or prizes, in either game, in the order of `after`: what an
// import changed.
QList<DrawResult> rows(const QList<DrawResult> &before, const QList<DrawResult> &after);
// Their draw numbers, each once: the draws whose tickets it graded anew.
QList<int> draws(const QList<DrawResult> &changedRows);
QList<int> between(const QList<DrawResult> &before, const QList<DrawResult> &after);

} // namespace DrawChanges

#endif
