#ifndef IMPORT_REPORT_H
#define IMPORT_REPORT_H

#include <QList>
#include <QString>
#include <QStringList>

#include "book_conflict.h"

// What importing one file did. When ok is false nothing of the file was stored.
struct ImportReport
{
    bool ok = false;
    QString error;            // why the file was refused or could not be stored
    int added = 0;            // results (one game of one draw) the book did not know
    QList<int> newDraws;      // the draws of those results, once per result
    int known = 0;            // draws the book already held with the same result
    int replaced = 0;         // bundled (or agreed hand) values replaced by the file
    int completed = 0;        // of the known draws, those the file gave a missing date or prizes
    QStringList notes;        // "draw 6: bundled 692 replaced by 792 from FILE", "draw 7: prizes added from FILE"
    QStringList warnings;     // the importer's warnings for this file
    QList<BookConflict> handConflicts;  // hand values kept
    // Bundled data only: values from a file or a hand it left as they were
    // where it differs ("draw 6: kept 692 (A1000006.CSV), this release has 792").
    QStringList differences;

    // "2 new results (1 draw), 117 already known, 1 replaced" (plus ", 2
    // kept (entered by hand)"); "0 new, ..." when it added none.
    QString summary() const;
    // How many draws newDraws names, each once.
    static int drawCount(const QList<int> &draws);
};

#endif
