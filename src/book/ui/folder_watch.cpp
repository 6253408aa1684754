#include "folder_watch.h"

#include <QDateTime>
#include <QFileInfo>

#include "book_store.h"

FolderWatch::FolderWatch(BookStore &store, QObject *parent)
    : QObject(parent)
    , store(store)
{
    settle.setSingleShot(true);
    settle.setInterval(WatchedFolder::SettleMs);
    connect(&settle, &QTimer::timeout, this, &FolderWatch::lookNow);
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::changed);
    connect(&watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatch::changed);
}

void FolderWatch::restart()
{
    settle.stop();
    if (!watcher.directories().isEmpty())
        watcher.removePaths(watcher.directories());
    if (!watcher.files().isEmpty())
        watcher.removePaths(watcher.files());
    folder = WatchedFolder();
    if (!store.isOpen() || !WatchedFolder::watching(store))
        return;
    const QString path = WatchedFolder::folder(store);
    if (!QFileInfo(path).isDir())
        return;
    watcher.addPath(path);
    lookNow();
}

void FolderWatch::changed()
{
    settle.start(WatchedFolder::SettleMs);
}

void FolderWatch::lookNow()
{
    if (!store.isOpen() || !WatchedFolder::watching(store))
        return;
    const WatchedFolder::Look look = folder.look(store, WatchedFolder::folder(store), QDateTime::currentDateTimeUtc());
    // A file still being written may change no more entries of the folder:
    // its own changes bring the next look.
    if (look.growing > 0)
        settle.start(WatchedFolder::SettleMs);
    else if (look.again)
        settle.start(WatchedFolder::RetryMs);  // space may be freed with no change in the folder
    if (!look.outcomes.isEmpty() || look.error.failed())
        emit looked(look);
}
