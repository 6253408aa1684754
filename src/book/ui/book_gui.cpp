#include "book_gui.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "app_icon.h"
#include "book_store.h"
#include "book_window.h"
#include "bundled_report.h"
#include "fetch_controls.h"

namespace {

// A book an earlier release filled says once what this one added, in the
// status bar; values it kept where this release differs are listed as an
// import lists them.
void showCaughtUp(BookWindow &window, const BookStore &store)
{
    const QString headline = BundledReport::headline(store.bundledCatchUp());
    if (headline.isEmpty())
        return;
    window.statusBar()->showMessage(headline);
    const QStringList differences = BundledReport::differences(store.bundledCatchUp());
    if (differences.isEmpty())
        return;
    QMessageBox box(QMessageBox::Information, window.windowTitle(), headline, QMessageBox::Ok, &window);
    box.setInformativeText(BundledReport::keptHeading());
    box.setDetailedText(differences.join(QLatin1Char('\n')));
    box.exec();
}

// Fetching is set up only for the window shown for real: the question it
// asks once, and the requests, are never part of the window's own tests.
FetchControls *addFetching(BookWindow &window, BookStore &store)
{
    auto *fetch = new FetchControls(store, &window, window.watchLabel, [&window](const QString &report) {
        window.refresh();
        window.lastReport = report;
    });
    QMenu *book = window.menuBar()->actions().constFirst()->menu();
    const QList<QAction *> entries = book->actions();
    // Beside the watched folder's entries, before the separator above Quit.
    QAction *beforeQuit = entries.size() >= 2 ? entries.at(entries.size() - 2) : nullptr;
    fetch->addActions(book, beforeQuit);
    window.fetchAction = fetch->nowAction();
    return fetch;
}

} // namespace

int runBookWindow(QApplication &app, BookStore &store)
{
    // The book is stored under the name numbers3; its windows carry their
    // own class so that desktops tell them from the panel's (StartupWMClass).
    QCoreApplication::setApplicationName(QStringLiteral("numbers3-book"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.numbers3.Book"));
    QApplication::setWindowIcon(appIcon());

    const BookStore::OpenResult opened = store.lastOpenResult();
    const QString title = QCoreApplication::translate("BookGui", "Numbers3 and Numbers4 results book");
    if (!opened.usable()) {
        const QString text = opened.status == BookStore::OpenStatus::NewerSchema
            ? QCoreApplication::translate("BookGui", "The book %1 was written by a newer version of the program. "
                                                        "It was not opened and not changed.")
                  .arg(QDir::toNativeSeparators(store.path()))
            : QCoreApplication::translate("BookGui", "The book cannot be opened.");
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
        box.setInformativeText(opened.message);
        box.exec();
        return 1;
    }

    BookWindow window(store);
    FetchControls *fetch = addFetching(window, store);
    window.show();
    if (opened.status == BookStore::OpenStatus::MovedAside) {
        QMessageBox box(QMessageBox::Warning, title,
                        QCoreApplication::translate("BookGui", "The book could not be read, so a new one was started. "
                                                                  "The old file was kept as %1.")
                            .arg(QDir::toNativeSeparators(opened.movedTo)),
                        QMessageBox::Ok, &window);
        box.setDetailedText(opened.message);
        box.exec();
    } else if (!opened.message.isEmpty()) {
        QMessageBox::information(&window, title, opened.message);
    }
    showCaughtUp(window, store);
    if (store.lastError().failed() && store.count() == 0) {
        QMessageBox::warning(&window, title,
                             QCoreApplication::translate("BookGui", "The past results could not be stored in the book.")
                                 + QLatin1Char('\n') + store.lastError().text);
    }
    fetch->askFirst();
    return app.exec();
}
