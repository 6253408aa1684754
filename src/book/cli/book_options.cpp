#include "book_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

#include "book_store.h"

bool BookOptions::wantsConsole(int argc, char **argv)
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
        // A bare name is a file, which needs --import: that is said without
        // a window. A single-dash option of Qt's (-style fusion) takes the
        // word after it.
        const char *before = argv[i - 1];
        if (a[0] != '-' && !(i > 1 && before[0] == '-' && before[1] != '-'))
            return true;
    }
    return false;
}

std::optional<BookOptions> BookOptions::parse(bool withWindow, int *exitCode)
{
    const auto stop = [exitCode](int code) {
        *exitCode = code;
        return std::nullopt;
    };
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("The results book of Numbers3 and Numbers4."));
    // Not addHelpOption(): its words are Qt's, and Qt's catalogue lacks them.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, tr("Print the options and exit."));
    parser.addOption(helpOption);
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption databaseOption(QStringLiteral("database"),
        tr("Use the book at <path> instead of %1.").arg(BookStore::defaultPath()),
        tr("path"));
    const QCommandLineOption importOption(QStringLiteral("import"),
        tr("Import the files given and exit; a folder stands for the CSV files in it and below. "
           "One line per file, then the tickets graded and won; the exit status is 1 if any file failed."));
    const QCommandLineOption importTicketsOption(QStringLiteral("import-tickets"),
        tr("Add the tickets listed in <file> (draw,number,way,units[,note]; a game column for Numbers4), all or none, and exit."),
        tr("file"));
    const QCommandLineOption addAgainOption(QStringLiteral("add-again"),
        tr("With --import-tickets, also add the tickets the book already holds (same draw, number, way, "
           "units and note); without it they are counted and left out."));
    const QCommandLineOption exportTicketsOption(QStringLiteral("export-tickets"),
        tr("Write every ticket with its draw's result, outcome and prize to <file> (CSV) and exit."),
        tr("file"));
    const QCommandLineOption withCollectingOption(QStringLiteral("with-collecting"),
        tr("With --export-tickets, add the columns last_day (the last day a win is paid), collected (the day it was "
           "marked collected) and online (yes for a ticket bought online) at the end of each line."));
    const QCommandLineOption watchOption(QStringLiteral("watch"),
        tr("Import the result files waiting in the watched folder (the download folder unless another was picked "
           "in the window) that the book has not taken before, print what --import prints, and exit."));
    const QCommandLineOption fetchOption(QStringLiteral("fetch"),
        tr("Fetch the result files of the draws the book lacks from the results address, print what --import prints "
           "(and the draws not out yet), and exit; the exit status is 1 only if the network, the server or the book failed."));
    const QCommandLineOption fetchAddressOption(QStringLiteral("fetch-address"),
        tr("Keep <url> in the book as the address result files are fetched from (\"default\" restores the lottery's own)."),
        tr("url"));
    parser.addOptions({ databaseOption, importOption, importTicketsOption, addAgainOption, exportTicketsOption,
                        withCollectingOption, watchOption, fetchOption, fetchAddressOption });
    parser.addPositionalArgument(tr("files"), tr("Result files or folders to import."), tr("[FILE...]"));
    // Parsed by hand for --version: the application name is "numbers3",
    // which places the book beside the panel's files.
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "numbers3-book: %s\n", qPrintable(parser.errorText()));
        return stop(2);
    }
    if (parser.isSet(versionOption)) {
        std::printf("numbers3-book %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return stop(0);
    }
    if (parser.isSet(helpOption))
        parser.showHelp(0);

    BookOptions options;
    options.database = parser.isSet(databaseOption) ? parser.value(databaseOption) : BookStore::defaultPath();
    options.import = parser.isSet(importOption);
    options.files = parser.positionalArguments();
    if (parser.isSet(importTicketsOption))
        options.importTickets = parser.value(importTicketsOption);
    options.addAgain = parser.isSet(addAgainOption);
    options.watch = parser.isSet(watchOption);
    options.fetch = parser.isSet(fetchOption);
    if (parser.isSet(fetchAddressOption))
        options.fetchAddress = parser.value(fetchAddressOption);
    if (parser.isSet(exportTicketsOption))
        options.exportTickets = parser.value(exportTicketsOption);
    options.withCollecting = parser.isSet(withCollectingOption);
    const QString problem = options.problem(withWindow);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "numbers3-book: %s\n", qPrintable(problem));
        return stop(2);
    }
    return options;
}

QString BookOptions::problem(bool withWindow) const
{
    if (addAgain && !importTickets)
        return tr("%1 needs %2").arg(QLatin1String("--add-again"), QLatin1String("--import-tickets"));
    if (withCollecting && !exportTickets)
        return tr("%1 needs %2").arg(QLatin1String("--with-collecting"), QLatin1String("--export-tickets"));
    if (!import && !files.isEmpty())
        return tr("%1: files need --import").arg(files.first());
    if (import && files.isEmpty())
        return tr("%1 needs at least one file or folder").arg(QLatin1String("--import"));
    // Whatever got past the checks above without --import wants the window;
    // refuse before the book is opened rather than run it without a display.
    if (!batch() && !withWindow)
        return tr("nothing to do without --import; run it without arguments (or with --database PATH) for the window");
    return QString();
}
