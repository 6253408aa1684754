#include "import_run.h"

#include <QThread>

#include "book_store.h"

ImportRun::ImportRun(BookStore &store, const QStringList &files, const QDateTime &now, QObject *parent)
    : QObject(parent)
    , store(store)
    , files(files)
    , now(now)
    , reader(files)
{
    connect(&reader, &ImportReader::progressed, this, [this](int done, int total) {
        storeReady();
        emit progressed(done, total);
    });
    connect(&reader, &ImportReader::finished, this, [this] {
        storeReady();
        emit finished();
    });
}

void ImportRun::start()
{
    // This thread stores while the files are read: the reading gets the
    // other cores, or one on a machine of one.
    reader.start(qMax(1, QThread::idealThreadCount() - 1));
}

void ImportRun::cancel()
{
    reader.cancel();
}

void ImportRun::runNow()
{
    stored = ImportBatch::store(store, files, ImportReader::readAll(files), now);
}

void ImportRun::storeReady()
{
    const QList<std::optional<ImportedFile>> ready = reader.takeReady();
    if (!ready.isEmpty())
        stored << ImportBatch::store(store, files.mid(stored.size(), ready.size()), ready, now);
}
