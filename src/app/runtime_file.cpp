#include "runtime_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool usable(const struct stat &info, qint64 maxBytes)
{
    return S_ISREG(info.st_mode) && info.st_size <= maxBytes;
}
}

RuntimeFile::RuntimeFile(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    // Look before opening: opening a FIFO waits for a writer, and opening a
    // device may already do something.
    if (::stat(name.constData(), &info) != 0 || !usable(info, maxBytes))
        return;
    // Should the name be replaced in between, O_NONBLOCK still returns at
    // once from a FIFO, and the second look refuses it.
    const int opened = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (opened < 0)
        return;
    if (::fstat(opened, &info) != 0 || !usable(info, maxBytes)) {
        ::close(opened);
        return;
    }
    descriptor = opened;
    limit = maxBytes;
}

RuntimeFile::~RuntimeFile()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

QByteArray RuntimeFile::readAll() const
{
    QByteArray bytes;
    if (descriptor < 0)
        return bytes;
    char chunk[65536];
    qint64 offset = 0;
    for (;;) {
        const ssize_t n = ::pread(descriptor, chunk, sizeof chunk, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return QByteArray();
        if (n == 0)
            return bytes;
        offset += n;
        if (offset > limit)
            return QByteArray();
        bytes.append(chunk, n);
    }
}

QByteArray RuntimeFile::read(const QString &path, qint64 maxBytes)
{
    return RuntimeFile(path, maxBytes).readAll();
}
