#include "book_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

BookLock::BookLock(const QString &bookPath) : bookPath(bookPath), file(bookPath + QStringLiteral(".lock"))
{
    file.setStaleLockTime(0);  // a lock is stale only when its process is gone
}

QString BookLock::take(int timeoutMs)
{
    if (file.tryLock(timeoutMs))
        return QString();
    if (file.error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString program;
        file.getLockInfo(&pid, &host, &program);
        return QCoreApplication::translate("BookStore", "The book %1 is open in another program (%2, process %3). "
                                                        "Close it there, or import there. Nothing was changed.")
            .arg(QDir::toNativeSeparators(bookPath), QFileInfo(program).fileName())
            .arg(pid);
    }
    return QCoreApplication::translate("BookStore", "Cannot write in the folder %1 (read-only or no room?). Nothing was changed.")
        .arg(QDir::toNativeSeparators(QFileInfo(bookPath).absolutePath()));
}
