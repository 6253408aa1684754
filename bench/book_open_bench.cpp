// Opening the results book to its first frame: the store opened, the window
// built, shown and painted with its table, for a book of 7,147 draws beside
// an empty book. Prints figures; never fails. Runs offscreen unless a
// display is given (QT_QPA_PLATFORM=xcb under Xvfb).
//
// Draws 1..7088 are the real results; draws 7089..7147 are benchmark filler,
// made up here only to give the book its size, and never shown to users.
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include "book_store.h"
#include "book_window.h"
#include "draw_calendar.h"
#include "filler_book.h"
#include "paint_spy.h"
#include "result_importer.h"

namespace {

constexpr int Total = 7147;
constexpr int Runs = 7;

// Milliseconds from opening the store to the window's first painted table.
double openToFirstFrame(const QString &path, int *draws)
{
    QElapsedTimer timer;
    timer.start();
    BookStore store;
    store.open(path);
    BookWindow window(store);
    // The table's viewport is painted last.
    PaintSpy spy;
    window.table->viewport()->installEventFilter(&spy);
    window.show();
    while (spy.paints == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = timer.nsecsElapsed() / 1e6;
    *draws = store.count();
    return ms;
}

void report(const char *what, const QString &path)
{
    QList<double> times;
    int draws = 0;
    for (int i = 0; i < Runs; ++i)
        times << openToFirstFrame(path, &draws);
    std::sort(times.begin(), times.end());
    std::printf("%-28s %5d draws: median %7.1f ms, best %7.1f ms, worst %7.1f ms (%d runs)\n", what, draws,
                times.at(Runs / 2), times.first(), times.last(), Runs);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.sqlite"));
    const QString full = dir.filePath(QStringLiteral("full.sqlite"));
    {
        BookStore store;
        store.open(empty);
    }
    {
        BookStore store;
        store.open(full);
        const ImportReport r = store.importFile(fillerBook(Total));
        if (!r.ok)
            std::printf("could not fill the book: %s\n", qPrintable(r.error));
    }
    std::printf("platform %s; open the store, build, show and paint the window\n",
                qPrintable(QGuiApplication::platformName()));
    // One unmeasured round loads fonts and styles as a real start would.
    int draws = 0;
    openToFirstFrame(empty, &draws);
    report("empty book", empty);
    report("book of 7,147 draws", full);

    // What the table's model reads from the store on each refresh.
    BookStore store;
    store.open(full);
    QList<double> reads;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QList<DrawResult> all = store.allDraws();
        reads << timer.nsecsElapsed() / 1e6;
        draws = int(all.size());
    }
    std::sort(reads.begin(), reads.end());
    std::printf("of which reading all %d draws from the store: median %.1f ms\n", draws, reads.at(Runs / 2));
    return 0;
}
