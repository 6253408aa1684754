#include "watch_controls.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

#include "book_file_dialog.h"
#include "book_store.h"
#include "desktop_notifier.h"
#include "elided_label.h"
#include "folder_watch.h"
#include "import_batch.h"
#include "import_texts.h"
#include "watch_news.h"

WatchControls::WatchControls(BookStore &store, QMainWindow *window, ElidedLabel *line, std::function<void(const QString &)> imported)
    : store(store), window(window), line(line), watch(new FolderWatch(store, window)), imported(std::move(imported))
{
    QObject::connect(watch, &FolderWatch::looked, window, [this](const WatchedFolder::Look &look) { showLooked(look); });
}

void WatchControls::addActions(QMenu *menu)
{
    menu->addAction(tr("&Watched folder..."), window, [this] { pickFolder(); });
    QAction *watching = menu->addAction(tr("&Keep up from the watched folder"), window, [this](bool on) { setWatching(on); });
    watching->setCheckable(true);
    watching->setChecked(WatchedFolder::watching(store));
    QAction *notifying = menu->addAction(tr("&Notify when a ticket wins"), window, [this](bool on) { setNotifying(on); });
    notifying->setCheckable(true);
    notifying->setChecked(WatchedFolder::notifying(store));
}

void WatchControls::start()
{
    showState();
    watch->restart();
}

void WatchControls::pickFolder()
{
    const QString folder = BookFileDialog::getExistingDirectory(window, tr("Folder to watch for result files"), WatchedFolder::folder(store));
    if (folder.isEmpty())
        return;
    const BookError error = WatchedFolder::setFolder(store, folder);
    if (error.failed()) {
        QMessageBox::warning(window, tr("Watched folder"), error.text);
        return;
    }
    showState();
    watch->restart();
}

void WatchControls::setWatching(bool on)
{
    if (WatchedFolder::setWatching(store, on).failed())
        window->statusBar()->showMessage(tr("The choice could not be kept in the book"));
    showState();
    watch->restart();
}

void WatchControls::setNotifying(bool on)
{
    if (WatchedFolder::setNotifying(store, on).failed())
        window->statusBar()->showMessage(tr("The choice could not be kept in the book"));
}

void WatchControls::showState()
{
    if (!WatchedFolder::watching(store))
        line->setFullText(tr("New result files are not looked for."));
    else
        line->setFullText(tr("New result files are looked for in %1.").arg(QDir::toNativeSeparators(WatchedFolder::folder(store))));
}

void WatchControls::showLooked(const WatchedFolder::Look &look)
{
    imported(ImportTexts::report(look.outcomes));
    const WatchNews news = WatchNews::since(store, look.before);
    QStringList said;
    if (!news.isEmpty())
        said << news.line();
    // What the Import dialog and --import warn of, said here too.
    said << ImportTexts::warnings(look.outcomes);
    // A refused file is said once, here; it is not looked at again.
    for (const ImportBatch::Outcome &outcome : look.outcomes)
        if (!outcome.report.ok)
            said << tr("%1 not imported: %2").arg(QFileInfo(outcome.path).fileName(), outcome.report.error);
    if (look.error.failed())
        said << look.error.text;
    if (said.isEmpty())
        said << tr("Nothing new in the files from the watched folder.");
    // One line in the window; the tooltip has each part on its own.
    line->setFullText(said.join(QLatin1Char('\n')));
    // The status bar has the gist, short enough to stay whole.
    window->statusBar()->showMessage(news.isEmpty() ? said.constFirst() : news.summary());
    // The line in the window says every new result; a notification is for a win.
    if (!news.wins.isEmpty() && WatchedFolder::notifying(store))
        DesktopNotifier::notify(news.summary(), news.body());
}
