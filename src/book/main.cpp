// numbers3-book: the results book. With --import it runs without a display,
// imports the files and prints one line per file; otherwise it opens the window.
#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include <memory>

#include "book_catalogue.h"
#include "book_cli.h"
#include "book_gui.h"
#include "book_options.h"
#include "book_store.h"
#include "bundled_report.h"
#include "export_file.h"

namespace {

// Imports and ticket lists without the window; the exit status. When the
// ticket list goes to standard output, every other line goes to standard
// error, so that the list stays a list.
int runBatch(BookStore &store, const BookStore::OpenResult &opened, const BookOptions &options)
{
    const bool listOnStdout = options.exportTickets && ExportFile::isStandardOutput(*options.exportTickets);
    QTextStream out(listOnStdout ? stderr : stdout);
    if (!opened.message.isEmpty())
        out << options.database << ": " << opened.message << '\n';
    if (!opened.usable())
        return 1;
    if (!store.loadBundled()) {
        out << options.database << ": " << QCoreApplication::translate("BookCli", "error: %1").arg(store.lastError()) << '\n';
        return 1;
    }
    // A book an earlier release filled says once what this one added.
    const QString caughtUp = BundledReport::headline(store.bundledCatchUp());
    if (!caughtUp.isEmpty()) {
        out << options.database << ": " << caughtUp << '\n';
        for (const QString &line : BundledReport::differences(store.bundledCatchUp()))
            out << "  " << line << '\n';
    }
    out.flush();
    // Results first, so the export grades the tickets against them.
    int status = options.import ? BookCli::importFiles(store, options.files, QDateTime::currentDateTimeUtc(), out) : 0;
    if (options.watch)
        status = qMax(status, BookCli::watch(store, QDateTime::currentDateTimeUtc(), out));
    if (options.importTickets)
        status = qMax(status, BookCli::importTickets(store, *options.importTickets, options.addAgain, out));
    if (options.exportTickets)
        status = qMax(status, BookCli::exportTickets(store, *options.exportTickets, out));
    return status;
}

} // namespace

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
    if (options->batch())
        return runBatch(store, opened, *options);

    // The window shows the outcome of open() itself (store.lastOpenResult()).
    if (opened.usable())
        store.loadBundled();
    return runBookWindow(*gui, store);
}
