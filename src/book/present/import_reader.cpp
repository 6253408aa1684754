#include "import_reader.h"

#include <QTimer>

#include <atomic>
#include <vector>

#include "result_importer.h"

// What the workers share: each takes the next file to read and writes its
// own slot, so no two touch the same one.
struct ImportReader::Shared
{
    QStringList paths;
    std::vector<std::optional<ImportedFile>> read;
    std::atomic<qsizetype> next{0};
    std::atomic<int> done{0};
    std::atomic<int> workersLeft{0};
    std::atomic<bool> cancelled{false};
};

ImportReader::ImportReader(const QStringList &files, QObject *parent)
    : QObject(parent)
    , shared(std::make_shared<Shared>())
    , timer(new QTimer(this))
{
    shared->paths = files;
    shared->read.resize(size_t(files.size()));
    // The workers are polled rather than heard from: nothing crosses back
    // to this thread but two counters.
    timer->setInterval(40);
    connect(timer, &QTimer::timeout, this, &ImportReader::poll);
}

ImportReader::~ImportReader()
{
    shared->cancelled = true;
    pool.waitForDone();
}

// Workers for the files, each taking the next file until none is left or
// the reading is cancelled. Two: reading a file is mostly the system's work
// and parsing it ours, so two overlap well even on a busy machine of two
// cores. A file taken is read to its end, so the files read are always the
// first ones, whatever cancel() meets.
void ImportReader::startWorkers()
{
    const int workers = 2;
    const std::shared_ptr<Shared> state = shared;
    pool.setMaxThreadCount(workers);
    state->workersLeft = workers;
    for (int w = 0; w < workers; ++w) {
        pool.start([state] {
            for (;;) {
                if (state->cancelled)
                    break;
                const qsizetype i = state->next++;
                if (i >= state->paths.size())
                    break;
                state->read[size_t(i)] = ResultImporter::read(state->paths.at(i));
                ++state->done;
            }
            --state->workersLeft;
        });
    }
}

void ImportReader::start()
{
    startWorkers();
    timer->start();
}

void ImportReader::cancel()
{
    shared->cancelled = true;
}

bool ImportReader::isFinished() const
{
    return done;
}

void ImportReader::poll()
{
    emit progressed(shared->done, int(shared->paths.size()));
    if (shared->workersLeft > 0)
        return;
    pool.waitForDone();
    timer->stop();
    done = true;
    emit finished();
}

QList<std::optional<ImportedFile>> ImportReader::files() const
{
    return QList<std::optional<ImportedFile>>(shared->read.cbegin(), shared->read.cend());
}

QList<std::optional<ImportedFile>> ImportReader::readAll(const QStringList &files)
{
    ImportReader reader(files);
    reader.startWorkers();
    reader.pool.waitForDone();
    return reader.files();
}
