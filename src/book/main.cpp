// numbers3-book: the results book. With --import it runs without a display,
// imports the files and prints one line per file; otherwise it opens the window.
#include <QApplication>
#include <QCoreApplication>

#include <memory>

#include "book_catalogue.h"
#include "book_cli.h"
#include "book_gui.h"
#include "book_options.h"
#include "book_store.h"
#include "desktop_notifier.h"
#include "export_file.h"

int main(int argc, char **argv)
{
    // Before anything is opened, so that no file of the book's can pass for
    // a stream it was given.
    ExportFile::noteInheritedStreams();
    // No organisation name: the book lives in ~/.local/share/numbers3/.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("numbers3"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NUMBERS_VERSION));

    const bool console = BookOptions::wantsConsole(argc, argv);
    std::unique_ptr<QCoreApplication> app(console ? new QCoreApplication(argc, argv)
                                                  : new QApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("numbers3"));
    // Before the book is opened: its messages are translated as they are made.
    installBookCatalogue();

    auto *gui = qobject_cast<QApplication *>(app.get());
    int exitCode = 0;
    const std::optional<BookOptions> options = BookOptions::parse(gui != nullptr, &exitCode);
    if (!options)
        return exitCode;

    BookStore store;
    const BookStore::OpenResult opened = store.open(options->database);
    if (options->batch()) {
        BookCli::setNotifier(&DesktopNotifier::notify);
        return BookCli::run(store, opened, *options);
    }

    // The window shows the outcome of open() itself (store.lastOpenResult()).
    if (opened.usable())
        store.loadBundled();
    return runBookWindow(*gui, store);
}
