#ifndef BOOK_OPTIONS_H
#define BOOK_OPTIONS_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of numbers3-book: a book, and either the
// window or imports and ticket lists without a display.
class BookOptions
{
    Q_DECLARE_TR_FUNCTIONS(BookOptions)

public:
    QString database;        // the book's file
    bool import = false;     // --import FILE...
    QStringList files;
    std::optional<QString> importTickets;  // --import-tickets FILE
    bool addAgain = false;                 // --add-again: tickets already held too
    bool withCollecting = false;           // --with-collecting: last day, collected, online
    std::optional<QString> exportTickets;  // --export-tickets FILE
    bool watch = false;                    // --watch: what waits in the watched folder
    bool fetch = false;                    // --fetch: what the results address has that the book lacks
    std::optional<QString> fetchAddress;   // --fetch-address URL ("default" restores it)

    // Whether the work is done without the window.
    bool batch() const { return import || importTickets || exportTickets || watch || fetch || fetchAddress; }

    // Whether the arguments ask for something that needs no window, decided
    // before any application object exists so no display is touched.
    static bool wantsConsole(int argc, char **argv);

    // Reads the arguments of the running application. Prints --version,
    // --help and every refusal itself; then it gives no options and sets
    // *exitCode (0 for --version, 2 for a mistake). withWindow says whether
    // a window could be shown.
    static std::optional<BookOptions> parse(bool withWindow, int *exitCode);

private:
    // Why the options read cannot be carried out, or nothing.
    QString problem(bool withWindow) const;
};

#endif
