#ifndef FOLDER_WATCH_H
#define FOLDER_WATCH_H

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include "watched_folder.h"

class BookStore;

// Keeps the window's book up with its watched folder: a look when started,
// then one a few seconds after each change the system reports (to see that
// a file stopped growing). Nothing polls while the folder is quiet, but
// for a look again a while after the book could not keep what it took.
class FolderWatch : public QObject
{
    Q_OBJECT

public:
    FolderWatch(BookStore &store, QObject *parent = nullptr);

    // Watches the book's folder if watching is on; stops otherwise.
    void restart();
    // Looks now.
    void lookNow();

signals:
    // After a look that imported or refused files.
    void looked(const WatchedFolder::Look &look);

private:
    void changed();

    BookStore &store;
    WatchedFolder folder;
    QFileSystemWatcher watcher;
    QTimer settle;
};

#endif
