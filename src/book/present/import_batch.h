#ifndef IMPORT_BATCH_H
#define IMPORT_BATCH_H

#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

#include "book_store.h"

// Imports several files, one after another, each whole or not at all, and
// words what happened to each. A file that fails does not stop the others.
class ImportBatch
{
    Q_DECLARE_TR_FUNCTIONS(ImportBatch)

public:
    struct Outcome
    {
        QString path;
        ImportReport report;
        int agreed = 0;  // hand-entered values replaced because the user said yes
    };

    // Asked once per file that would replace hand-entered values; returns
    // the draws the user agreed to replace.
    using AskReplace = std::function<QSet<int>(const QString &path, const QList<BookConflict> &conflicts)>;

    // Folders stand for the files in them (and below), CSV files only, in
    // name order; files are taken as given.
    static QStringList expand(const QStringList &paths);
    static QList<Outcome> run(BookStore &store, const QStringList &files, const AskReplace &ask = {});

    // "3 new, 117 already known, 1 replaced", in the user's language.
    static QString summary(const Outcome &outcome);
    // The whole report: one paragraph per file, then the totals.
    static QString reportText(const QList<Outcome> &outcomes);
    static int failed(const QList<Outcome> &outcomes);
};

#endif
