#include "book_files.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringList>

#include <utility>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BookFiles", text);
}

// The book's own file first.
const char *const Suffixes[] = { "", "-wal", "-shm", "-journal" };

} // namespace

bool BookFiles::sideFilesLeft(const QString &path)
{
    for (const char *suffix : Suffixes)
        if (*suffix && QFileInfo::exists(path + QLatin1String(suffix)))
            return true;
    return false;
}

bool BookFiles::taken(const QString &name)
{
    for (const char *suffix : Suffixes)
        if (QFileInfo::exists(name + QLatin1String(suffix)))
            return true;
    return false;
}

BookFiles::Moved BookFiles::moveAside(const QString &path, const QString &why)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".broken-") + stamp;
    for (int n = 2; taken(target); ++n)
        target = path + QStringLiteral(".broken-") + stamp + QLatin1Char('-') + QString::number(n);
    // A leftover journal would otherwise be applied to the new book.
    QList<std::pair<QString, QString>> moved;
    for (const char *suffix : Suffixes) {
        const QString from = path + QLatin1String(suffix);
        const QString to = target + QLatin1String(suffix);
        // The book's own file may be missing: its side files are kept all the same.
        if (!QFileInfo(from).exists() && !QFileInfo(from).isSymLink())
            continue;
        if (QFile::rename(from, to)) {
            moved.append({ from, to });
            continue;
        }
        QStringList stuck;
        for (auto m = moved.crbegin(); m != moved.crend(); ++m)
            if (!QFile::rename(m->second, m->first))
                stuck << m->second;
        return { false, QString(),
                 stuck.isEmpty()
                     ? tr("The book %1 is damaged (%2) and could not be moved aside: %3 could not be renamed to %4. Nothing was changed.")
                           .arg(path, why, from, to)
                     : tr("The book %1 is damaged (%2) and could not be moved aside: %3 could not be renamed to %4, "
                          "and %5 could not be moved back. Nothing was deleted.")
                           .arg(path, why, from, to, stuck.join(QStringLiteral(", "))) };
    }
    const QString kept = moved.isEmpty() ? target : moved.constFirst().second;
    return { true, kept,
             tr("The book %1 could not be read (%2). It was kept as %3 and a new book was started.").arg(path, why, kept) };
}
