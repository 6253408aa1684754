#ifndef FETCH_CONTROLS_H
#define FETCH_CONTROLS_H

#include <QObject>
#include <QTimer>

#include <functional>

#include "results_fetch.h"

class BookStore;
class ElidedLabel;
class QAction;
class QMainWindow;
class QMenu;

// The window's side of fetching results: the question asked once before
// anything leaves the machine, the Book menu's entries (on or off, the
// address, fetch now), a fetch at start and after each results time, and
// what came in said on the watched folder's news line and, for a win, in a
// notification. Never a dialog for a failure: one quiet line.
class FetchControls : public QObject
{
    Q_OBJECT

public:
    // After each fetch that stored files, `imported` gets their import report.
    FetchControls(BookStore &store, QMainWindow *window, ElidedLabel *line, std::function<void(const QString &)> imported);

    // Before `before` (the menu's end when null).
    void addActions(QMenu *menu, QAction *before = nullptr);
    // Asks whether to fetch when the book has no answer yet, then starts.
    void askFirst();
    // Fetches now and after each results time, if the user agreed.
    void start();
    // The Book menu's "fetch now", which turns fetching on first.
    QAction *nowAction() const { return fetchNowAction; }

private:
    void setFetching(bool on);
    void pickAddress();
    void fetchNow();
    void showFetched(const ResultsFetch::Run &run);
    void showAddress();

    BookStore &store;
    QMainWindow *window;
    ElidedLabel *line;
    std::function<void(const QString &)> imported;
    ResultsFetch *fetch;
    QTimer nextTry;
    QAction *onAction = nullptr;
    QAction *addressAction = nullptr;
    QAction *fetchNowAction = nullptr;
    QList<ImportBatch::Outcome> stored;  // this run's files so far
};

#endif
