#ifndef IMPORT_READER_H
#define IMPORT_READER_H

#include <QObject>
#include <QStringList>
#include <QThreadPool>

#include <memory>
#include <optional>

#include "imported_file.h"

class QTimer;

// Reads and parses results files on a worker thread, the larger part of a
// big import, while the window's thread stays free for a progress dialog.
// Reading touches no book: the files are stored afterwards, on the thread
// that holds the book (ImportBatch::store). cancel() leaves the files not
// begun yet unread; those already read are kept.
class ImportReader : public QObject
{
    Q_OBJECT

public:
    explicit ImportReader(const QStringList &files, QObject *parent = nullptr);
    ~ImportReader() override;

    void start(int workers = 2);
    void cancel();
    bool isFinished() const;
    // One per file, in the order given; empty for a file left unread by
    // cancel(). Complete once finished() was emitted; for a reader whose
    // files were not taken with takeReady().
    QList<std::optional<ImportedFile>> files() const;

    // The files read since the last call, in order, up to the first one not
    // read yet; once finished(), all that are left, unread ones empty.
    QList<std::optional<ImportedFile>> takeReady();

    // Reads every file and returns when all are read, for the command line.
    static QList<std::optional<ImportedFile>> readAll(const QStringList &files);

signals:
    void progressed(int done, int total);
    void finished();

private:
    void startWorkers(int workers);
    void poll();

    struct Shared;
    std::shared_ptr<Shared> shared;
    QThreadPool pool;
    QTimer *timer;
    bool done = false;
    qsizetype taken = 0;
};

#endif
