#ifndef WATCH_CONTROLS_H
#define WATCH_CONTROLS_H

#include <QCoreApplication>
#include <QString>

#include <functional>

#include "watched_folder.h"

class BookStore;
class ElidedLabel;
class FolderWatch;
class QMainWindow;
class QMenu;

// The window's side of the watched folder: its menu entries, the line that
// says where files are looked for and what the last look brought, and the
// notification of new results and wins. Its words are the window's.
class WatchControls
{
    Q_DECLARE_TR_FUNCTIONS(WatchControls)

public:
    // After each look, `imported` gets the import report of what came in.
    WatchControls(BookStore &store, QMainWindow *window, ElidedLabel *line, std::function<void(const QString &)> imported);

    void addActions(QMenu *menu);
    // Says where files are looked for and looks at once.
    void start();

private:
    void pickFolder();
    void setWatching(bool on);
    void setNotifying(bool on);
    void showState();
    void showLooked(const WatchedFolder::Look &look);

    BookStore &store;
    QMainWindow *window;
    ElidedLabel *line;
    FolderWatch *watch;
    std::function<void(const QString &)> imported;
};

#endif
