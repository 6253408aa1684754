#include "book_lock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How often a busy lock is looked at again; a lock file is taken for left
// over only when nobody held it at two looks this far apart, as a starting
// program makes its lock file a moment before it locks it.
constexpr int LookAgainMs = 100;

} // namespace

BookLock::BookLock(const QString &bookPath)
    : bookPath(bookPath), lockPath(bookPath + QStringLiteral(".lock")), file(lockPath)
{
    file.setStaleLockTime(0);  // a lock is stale only when nobody holds it
}

bool BookLock::heldByNoOne() const
{
    const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
        return false;
    struct stat st;
    const bool free = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);  // lets our look's flock go
    return free;
}

bool BookLock::unreadable() const
{
    struct stat st;
    return ::stat(QFile::encodeName(lockPath).constData(), &st) == 0 && !S_ISREG(st.st_mode);
}

QString BookLock::take(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    bool unheldBefore = false;
    for (;;) {
        // QLockFile reads a lock it cannot take, and reading a pipe waits
        // for a writer for ever: anything but a file is left to its owner.
        if (unreadable()) {
            if (deadline.hasExpired())
                return refusal();
            QThread::msleep(ulong(qBound(qint64(1), deadline.remainingTime(), qint64(LookAgainMs))));
            continue;
        }
        if (file.tryLock(0))
            return QString();
        if (file.error() != QLockFile::LockFailedError)
            return QCoreApplication::translate("BookLock", "Cannot write in the folder %1 (read-only or no room?). Nothing was changed.")
                .arg(QDir::toNativeSeparators(QFileInfo(bookPath).absolutePath()));
        const bool unheld = heldByNoOne();
        // removeStaleLockFile() itself deletes only a file it can flock.
        if (unheld && unheldBefore && file.removeStaleLockFile())
            continue;
        unheldBefore = unheld;
        if (deadline.hasExpired())
            return refusal();
        QThread::msleep(ulong(qBound(qint64(1), deadline.remainingTime(), qint64(LookAgainMs))));
    }
}

QString BookLock::refusal()
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (!unreadable() && file.getLockInfo(&pid, &host, &program) && pid > 0 && !heldByNoOne())
        return QCoreApplication::translate("BookLock", "The book %1 is open in another program (%2, process %3). "
                                                        "Close it there, or import there. Nothing was changed.")
            .arg(QDir::toNativeSeparators(bookPath), QFileInfo(program).fileName())
            .arg(pid);
    return QCoreApplication::translate("BookLock", "The book %1 is locked by %2, which this program cannot read or remove. "
                                                    "If no other program has the book open, delete %2 and start again. "
                                                    "Nothing was changed.")
        .arg(QDir::toNativeSeparators(bookPath), QDir::toNativeSeparators(lockPath));
}
