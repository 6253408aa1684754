#ifndef BUNDLED_REPORT_H
#define BUNDLED_REPORT_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "bundled_data.h"

// What bringing a book up to this release's past results said, in the
// user's language, for the window and the command line alike. Said once, for
// a book that held draws before; a new book says nothing.
class BundledReport
{
    Q_DECLARE_TR_FUNCTIONS(BundledReport)

public:
    // "Added draws 7065 to 7088 and the prizes of 7,068 draws from this
    // release.", or empty when there is nothing to say.
    // One sentence per game that gained something, after its name.
    static QString headline(const BundledData::CatchUp &caughtUp);
    // "Where this release differs, the book kept its own values:"
    static QString keptHeading();
    // The book's values kept where this release differs, one line each.
    static QStringList differences(const BundledData::CatchUp &caughtUp);

private:
    static QString gained(const BundledData::Gained &gained);
};

#endif
