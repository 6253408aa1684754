#include "watched_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

#include "book_meta.h"
#include "book_store.h"
#include "csv_reader.h"
#include "operator_file.h"
#include "result_importer.h"
#include "result_text.h"
#include "seen_files.h"

namespace {

const QString FolderKey = QStringLiteral("watch_folder");
const QString WatchingKey = QStringLiteral("watch_on");
const QString NotifyingKey = QStringLiteral("watch_notify");

// Empty when the file cannot be read: it is looked at again next time.
QString sha256Of(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

// The book's header, or the first line of an operator's file (A50, or
// 第N回ナンバーズ in UTF-8 or Shift_JIS) under whatever name it was saved.
bool startsLikeResults(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray first = file.readLine(256).trimmed();
    if (first.startsWith("\xef\xbb\xbf"))
        first.remove(0, 3);
    const QByteArray lower = first.toLower();
    if (lower.startsWith("draw,") || lower.startsWith("draw ,"))
        return true;
    bool ok = false;
    const QString text = ResultText::decode(first, &ok);
    return ok && OperatorFile::isOperatorLine(CsvReader::cells(text).value(0).trimmed());
}

// Firefox and Chrome write a download beside an empty file of its name
// (NAME.part, NAME.crdownload) and rename it when done.
bool downloadUnderWay(const QFileInfo &file)
{
    if (file.size() != 0)
        return false;
    for (const char *suffix : {".part", ".crdownload"})
        if (QFileInfo::exists(file.filePath() + QLatin1String(suffix)))
            return true;
    return false;
}

} // namespace

QString WatchedFolder::folder(BookStore &store)
{
    return BookMeta(store).value(FolderKey, QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
}

BookError WatchedFolder::setFolder(BookStore &store, const QString &folder)
{
    return BookMeta(store).setValue(FolderKey, folder);
}

bool WatchedFolder::watching(BookStore &store)
{
    return BookMeta(store).flag(WatchingKey, true);
}

BookError WatchedFolder::setWatching(BookStore &store, bool on)
{
    return BookMeta(store).setFlag(WatchingKey, on);
}

bool WatchedFolder::notifying(BookStore &store)
{
    return BookMeta(store).flag(NotifyingKey, true);
}

BookError WatchedFolder::setNotifying(BookStore &store, bool on)
{
    return BookMeta(store).setFlag(NotifyingKey, on);
}

bool WatchedFolder::wanted(const QFileInfo &file)
{
    static const QRegularExpression operatorName = ResultImporter::perDrawName();
    if (!file.isFile())
        return false;
    if (operatorName.match(file.fileName()).hasMatch())
        return true;
    return file.suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 && startsLikeResults(file.filePath());
}

// The wanted files that have kept still since the last look and were not
// taken before; *growing counts those still being written.
QStringList WatchedFolder::stillFiles(const QString &folder, int *growing)
{
    QHash<QString, Stat> seenNow;
    QStringList still;
    const QDateTime wallClock = QDateTime::currentDateTimeUtc();
    const QFileInfoList entries = QDir(folder).entryInfoList({QStringLiteral("*")}, QDir::Files, QDir::Name);
    for (const QFileInfo &info : entries) {
        if (!wanted(info))
            continue;
        if (downloadUnderWay(info)) {
            ++*growing;
            continue;
        }
        Stat stat{ info.size(), info.lastModified() };
        const auto before = lastLook.constFind(info.filePath());
        if (before == lastLook.cend() || before->size != stat.size || before->modified != stat.modified) {
            ++*growing;
        } else {
            stat.settled = before->settled;
            // A writer that pauses leaves a file the same between two looks:
            // it is read once it has not been written for a settle.
            if (!stat.settled && stat.modified.msecsTo(wallClock) < settleMs)
                ++*growing;
            else if (!stat.settled)
                still << info.filePath();
        }
        seenNow.insert(info.filePath(), stat);
    }
    lastLook = seenNow;
    return still;
}

WatchedFolder::Look WatchedFolder::look(BookStore &store, const QString &folder, const QDateTime &now)
{
    Look result;
    const QStringList still = stillFiles(folder, &result.growing);

    // By content: the same bytes under two names, or taken on an earlier look, go in once.
    SeenFiles seen(store);
    QStringList files;
    QList<SeenFiles::Entry> entriesTaken;
    for (const QString &path : std::as_const(still)) {
        const QString sha = sha256Of(path);
        if (sha.isEmpty())
            continue;
        if (seen.contains(sha)) {
            lastLook[path].settled = true;
            continue;
        }
        if (std::any_of(entriesTaken.cbegin(), entriesTaken.cend(), [&](const SeenFiles::Entry &e) { return e.sha256 == sha; })) {
            lastLook[path].settled = true;
            continue;
        }
        files << path;
        entriesTaken << SeenFiles::Entry{ sha, QFileInfo(path).fileName(), false };
    }
    if (files.isEmpty())
        return result;

    result.before = store.everyDraw();
    result.outcomes = ImportBatch::run(store, files, now);
    for (qsizetype i = 0; i < entriesTaken.size(); ++i)
        entriesTaken[i].ok = result.outcomes.at(i).report.ok;
    // When the book could not store for a passing reason (busy, disk full),
    // nothing of the look went in: every file of it is tried again on the
    // next look rather than remembered as bad.
    const BookError why = store.lastError();
    result.again = why.kind == BookError::NotOpen || why.passes();
    if (result.again)
        return result;
    QList<SeenFiles::Entry> keep;
    QStringList kept;
    for (qsizetype i = 0; i < entriesTaken.size(); ++i) {
        // A download cut short is not taken for good: the same bytes are
        // reported again on the next start, until a whole copy comes.
        if (result.outcomes.at(i).cutShort) {
            lastLook[files.at(i)].settled = true;
            continue;
        }
        keep << entriesTaken.at(i);
        kept << files.at(i);
    }
    result.error = seen.remember(keep, now);
    if (result.error.failed())
        return result;
    for (const QString &path : std::as_const(kept))
        lastLook[path].settled = true;
    return result;
}
