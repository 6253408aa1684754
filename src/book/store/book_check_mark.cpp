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

bool BookCheckMark::matches(const QString &bookPath, QByteArray *tables)
{
    QFile mark(markPath(bookPath));
    // Runs of page numbers: a few bytes a page at worst.
    if (!mark.open(QIODevice::ReadOnly) || mark.size() > (64 << 20))
        return false;
    const QByteArray kept = mark.readAll();
    const qsizetype end = kept.indexOf('\n') + 1;
    if (tables)
        *tables = kept.mid(end);
    const QByteArray now = fingerprint(bookPath);
    return !now.isEmpty() && end > 0 && kept.left(end) == now;
}

void BookCheckMark::write(const QString &bookPath, const QByteArray &tables)
{
    const QByteArray file = fingerprint(bookPath);
    const QByteArray now = file.isEmpty() ? QByteArray() : file + tables;
    QSaveFile mark(markPath(bookPath));
    if (now.isEmpty() || !mark.open(QIODevice::WriteOnly) || mark.write(now) != now.size() || !mark.commit())
        remove(bookPath);
}

void BookCheckMark::remove(const QString &bookPath)
{
    QFile::remove(markPath(bookPath));
}
