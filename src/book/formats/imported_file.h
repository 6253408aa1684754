#ifndef IMPORTED_FILE_H
#define IMPORTED_FILE_H

#include <QList>
#include <QString>
#include <QStringList>

#include "draw_result.h"

// What the importer read from one file. Either error is empty and draws holds
// everything the file gave, or error says why and draws is empty: a file goes
// into the book whole or not at all.
struct ImportedFile
{
    enum Format { Unknown, OperatorFile, PlainCsv };

    QString fileName;      // as given (path), used in messages and as the source
    Format format = Unknown;
    QList<DrawResult> draws;  // sorted by draw number, then game; each once per game; sourceKind File
    QStringList warnings;     // e.g. "draw 5001: 2018-01-05 is not its day in the calendar (2018-01-04)"
    QString error;            // "FILE:LINE: message"; empty when the file is good
    // An operator's per-draw file with one game only (a download cut
    // short): its draw goes in with a warning, and a whole copy is worth
    // reading when it comes.
    bool cutShort = false;

    bool ok() const { return error.isEmpty(); }
};

#endif
