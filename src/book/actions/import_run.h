#ifndef IMPORT_RUN_H
#define IMPORT_RUN_H

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include "import_batch.h"
#include "import_reader.h"

class BookStore;

// The window's import of many files: they are read on worker threads
// (ImportReader) while this thread stores, in order, whatever each look
// finds read, as one batch (ImportBatch::store). Reading and storing
// overlap, so a big import takes little more than its reading. cancel()
// stops the reading; the files read by then go in, the others are reported
// as cancelled. The questions about hand-entered values come afterwards
// (askReplace).
class ImportRun : public QObject
{
    Q_OBJECT

public:
    ImportRun(BookStore &store, const QStringList &files, const QDateTime &now, QObject *parent = nullptr);

    qsizetype size() const { return files.size(); }
    void start();
    void cancel();
    // Reads and stores every file before it returns, for a few files.
    void runNow();
    // Once finished: asks about the hand-entered values each file would
    // replace, and replaces those agreed to (ImportBatch::askReplace).
    void askReplace(const ImportBatch::AskReplace &ask) { ImportBatch::askReplace(store, stored, ask); }
    // One per file, in the order given; complete once finished() was emitted.
    QList<ImportBatch::Outcome> outcomes() const { return stored; }

signals:
    void progressed(int done, int total);
    void finished();

private:
    void storeReady();

    BookStore &store;
    const QStringList files;
    const QDateTime now;
    ImportReader reader;
    QList<ImportBatch::Outcome> stored;
};

#endif
