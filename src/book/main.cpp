// numbers3-book: the results book. With --import it runs without a display,
// imports the files and prints one line per file; otherwise it opens the window.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <memory>

#include "book_catalogue.h"
#include "book_cli.h"
#include "book_gui.h"
#include "book_store.h"

namespace {

// Whether the command line asks for something that needs no window, decided
// before any application object exists so no display is touched.
bool wantsConsole(int argc, char **argv)
{
    // Long options other than --database (with its value) need no window;
    // single-dash ones may be Qt's own (-platform, -style). After a bare "--"
    // everything is a file, and files without --import are an error.
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (!std::strcmp(a, "--"))
            return i + 1 < argc;
        if (!std::strcmp(a, "--database")) {
            ++i;
            continue;
        }
        if (!std::strncmp(a, "--database=", 11))
            continue;
        if (!std::strncmp(a, "--", 2) || !std::strcmp(a, "-h") || !std::strcmp(a, "-v"))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    // No organisation name: the book lives in ~/.local/share/numbers3/.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("numbers3"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NUMBERS_VERSION));

    const bool console = wantsConsole(argc, argv);
    std::unique_ptr<QCoreApplication> app(console ? new QCoreApplication(argc, argv)
                                                  : new QApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("numbers3"));
    // Before the book is opened: its messages are translated as they are made.
    installBookCatalogue();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The Numbers3 results book."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption databaseOption(QStringLiteral("database"),
        QStringLiteral("Use the book at <path> instead of %1.").arg(BookStore::defaultPath()),
        QStringLiteral("path"));
    const QCommandLineOption importOption(QStringLiteral("import"),
        QStringLiteral("Import the files given and exit. One line per file; "
                       "the exit status is 1 if any file failed."));
    const QCommandLineOption importTicketsOption(QStringLiteral("import-tickets"),
        QStringLiteral("Add the tickets listed in <file> (draw,number,way,units[,note]), all or none, and exit."),
        QStringLiteral("file"));
    const QCommandLineOption exportTicketsOption(QStringLiteral("export-tickets"),
        QStringLiteral("Write every ticket with its draw's result, outcome and prize to <file> (CSV) and exit."),
        QStringLiteral("file"));
    parser.addOption(databaseOption);
    parser.addOption(importOption);
    parser.addOption(importTicketsOption);
    parser.addOption(exportTicketsOption);
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Result files to import."),
                                 QStringLiteral("[FILE...]"));
    // Parsed by hand for --version: the application name is "numbers3",
    // which places the book beside the panel's files.
    if (!parser.parse(app->arguments())) {
        std::fprintf(stderr, "numbers3-book: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(versionOption)) {
        std::printf("numbers3-book %s\n", NUMBERS_VERSION);
        return 0;
    }
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(0);

    const QString path = parser.isSet(databaseOption) ? parser.value(databaseOption)
                                                      : BookStore::defaultPath();
    const QStringList files = parser.positionalArguments();
    if (!parser.isSet(importOption) && !files.isEmpty()) {
        std::fprintf(stderr, "numbers3-book: %s: files need --import\n", qPrintable(files.first()));
        return 2;
    }

    if (parser.isSet(importOption) && files.isEmpty()) {
        std::fprintf(stderr, "numbers3-book: %s needs at least one file\n", "--import");
        return 2;
    }

    // Whatever got past the checks above without --import wants the window;
    // refuse before the book is opened rather than run it without a display.
    const bool tickets = parser.isSet(importTicketsOption) || parser.isSet(exportTicketsOption);
    const bool batch = parser.isSet(importOption) || tickets;
    auto *gui = qobject_cast<QApplication *>(app.get());
    if (!batch && !gui) {
        std::fprintf(stderr, "numbers3-book: nothing to do without --import; "
                             "run it without arguments (or with --database PATH) for the window\n");
        return 2;
    }

    BookStore store;
    const BookStore::OpenResult opened = store.open(path);

    if (batch) {
        QTextStream out(stdout);
        if (!opened.message.isEmpty())
            out << path << ": " << opened.message << '\n';
        if (!opened.usable())
            return 1;
        if (!store.loadBundled()) {
            out << path << ": error: " << store.lastError() << '\n';
            return 1;
        }
        // Results first, so the export grades the tickets against them.
        int status = parser.isSet(importOption) ? BookCli::importFiles(store, files, out) : 0;
        if (parser.isSet(importTicketsOption))
            status = qMax(status, BookCli::importTickets(store, parser.value(importTicketsOption), out));
        if (parser.isSet(exportTicketsOption))
            status = qMax(status, BookCli::exportTickets(store, parser.value(exportTicketsOption), out));
        return status;
    }

    // The window shows the outcome of open() itself (store.lastOpenResult()).
    if (opened.usable())
        store.loadBundled();
    return runBookWindow(*gui, store);
}
