#include "import_report.h"

#include <QCoreApplication>

// The words are the store's: the catalogue has them under "BookStore".
QString ImportReport::summary() const
{
    QString s = QCoreApplication::translate("BookStore", "%1 new, %2 already known").arg(added).arg(known);
    if (replaced)
        s += QCoreApplication::translate("BookStore", ", %1 replaced").arg(replaced);
    if (!handConflicts.isEmpty())
        s += QCoreApplication::translate("BookStore", ", %1 kept (entered by hand)").arg(handConflicts.size());
    return s;
}
