#include "import_report.h"

#include <QCoreApplication>
#include <QSet>

// The words are the store's: the catalogue has them under "BookStore".
QString ImportReport::summary() const
{
    // Both games of a draw are two results: the draws are said apart.
    const int draws = drawCount(newDraws);
    QString s = added == 0 ? QCoreApplication::translate("ImportReport", "%1 new, %2 already known").arg(added).arg(known)
              : added == 1 ? QCoreApplication::translate("ImportReport", "1 new result (1 draw), %1 already known").arg(known)
              : draws == 1 ? QCoreApplication::translate("ImportReport", "%1 new results (1 draw), %2 already known").arg(added).arg(known)
                           : QCoreApplication::translate("ImportReport", "%1 new results (%2 draws), %3 already known")
                                 .arg(added).arg(draws).arg(known);
    if (replaced)
        s += QCoreApplication::translate("ImportReport", ", %1 replaced").arg(replaced);
    if (!handConflicts.isEmpty())
        s += QCoreApplication::translate("ImportReport", ", %1 kept (entered by hand)").arg(handConflicts.size());
    return s;
}

int ImportReport::drawCount(const QList<int> &draws)
{
    return int(QSet<int>(draws.cbegin(), draws.cend()).size());
}
