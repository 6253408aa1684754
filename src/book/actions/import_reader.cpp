#include "import_reader.h"

#include <QTimer>

#include <atomic>
#include <vector>

#include "result_importer.h"

// What the workers share: each takes the next file to read and writes its
// own slot, so no two touch the same one; its flag tells this thread the
// slot is written.
struct ImportReader::Shared
{
    QStringList paths;
    std::vector<std::optional<ImportedFile>> read;
    std::unique_ptr<std::atomic<bool>[]> ready;
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
    shared->ready = std::make_unique<std::atomic<bool>[]>(size_t(files.size()));
    // The workers are polled rather than heard from: nothing crosses back
    // to this thread but counters and each slot's flag.
    timer->setInterval(10);
    connect(timer, &QTimer::timeout, this, &ImportReader::poll);
}

ImportReader::~ImportReader()
{
    shared->cancelled = true;
    pool.waitForDone();
}

// Workers for the files, each taking the next file until none is left or
// the reading is cancelled. Two by default: reading a file is mostly the
// system's work and parsing it ours, so two overlap well even on a busy
// machine of two cores. A file taken is read to its end, so the files read
// are always the first ones, whatever cancel() meets.
void ImportReader::startWorkers(int workers)
{
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
                state->ready[size_t(i)].store(true, std::memory_order_release);
                ++state->done;
            }
            --state->workersLeft;
        });
    }
}

void ImportReader::start(int workers)
{
    startWorkers(workers);
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

QList<std::optional<ImportedFile>> ImportReader::takeReady()
{
    QList<std::optional<ImportedFile>> ready;
    const qsizetype total = shared->paths.size();
    while (taken < total && (done || shared->ready[size_t(taken)].load(std::memory_order_acquire)))
        ready.append(std::move(shared->read[size_t(taken++)]));
    return ready;
}

QList<std::optional<ImportedFile>> ImportReader::readAll(const QStringList &files)
{
    ImportReader reader(files);
    reader.startWorkers(2);
    reader.pool.waitForDone();
    return reader.files();
}
