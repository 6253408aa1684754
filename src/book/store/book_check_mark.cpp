#include "book_check_mark.h"

#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

namespace {

QString markPath(const QString &bookPath)
{
    return bookPath + QStringLiteral(".checked");
}

} // namespace

QByteArray BookCheckMark::fingerprint(const QString &bookPath)
{
    struct stat st;
    if (::stat(QFile::encodeName(bookPath).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return QByteArray();
    QFile f(bookPath);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray head = f.read(100);
    if (head.size() < 100)
        return QByteArray();
    // The file change counter (bytes 24-27) goes up with every commit.
    return QByteArray::number(quint64(st.st_dev)) + ' ' + QByteArray::number(quint64(st.st_ino)) + ' '
        + QByteArray::number(qint64(st.st_size)) + ' ' + QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.'
        + QByteArray::number(qint64(st.st_mtim.tv_nsec)) + ' ' + head.mid(24, 4).toHex() + '\n';
}

bool BookCheckMark::matches(const QString &bookPath)
{
    QFile mark(markPath(bookPath));
    if (!mark.open(QIODevice::ReadOnly) || mark.size() > 200)
        return false;
    const QByteArray now = fingerprint(bookPath);
    return !now.isEmpty() && mark.readAll() == now;
}

void BookCheckMark::write(const QString &bookPath)
{
    const QByteArray now = fingerprint(bookPath);
    QSaveFile mark(markPath(bookPath));
    if (now.isEmpty() || !mark.open(QIODevice::WriteOnly) || mark.write(now) != now.size() || !mark.commit())
        remove(bookPath);
}

void BookCheckMark::remove(const QString &bookPath)
{
    QFile::remove(markPath(bookPath));
}
