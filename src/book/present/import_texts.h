#ifndef IMPORT_TEXTS_H
#define IMPORT_TEXTS_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include "import_batch.h"

// An import's outcome in words, the same for the window's report, the
// watched folder and the command line.
class ImportTexts
{
    Q_DECLARE_TR_FUNCTIONS(ImportTexts)

public:
    // The whole report: one paragraph per file, then the totals.
    static QString report(const QList<ImportBatch::Outcome> &outcomes);
    // What a file's report adds under its first line, each line indented:
    // its warnings, its notes, and the hand-entered values it left alone.
    static QStringList details(const ImportReport &report);
    // The warnings of the files taken, one line each, naming the file:
    // what the watched folder's line says beside its news.
    static QStringList warnings(const QList<ImportBatch::Outcome> &outcomes);
    // "Tickets graded: 3; won: 1.", or empty when no ticket was graded.
    static QString graded(const ImportBatch::Graded &graded);
};

#endif
