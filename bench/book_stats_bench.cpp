// The book's statistics over its 7,088 bundled draws: every figure counted
// at once beside one plain pass over the same draws, and the statistics tab
// switching its range and redrawing each chart to the next painted frame.
// Prints figures; never fails. Runs offscreen unless a display is given.
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>

#include "draw_stats.h"
#include "paint_spy.h"
#include "result_importer.h"
#include "stats_view.h"

namespace {

constexpr int Runs = 51;

template<typename F>
double medianMs(int runs, F f)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        f();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

// Milliseconds from a change to the chart's next painted frame.
template<typename F>
double toNextFrame(PaintSpy &spy, F change)
{
    QCoreApplication::processEvents();
    const int before = spy.paints;
    QElapsedTimer timer;
    timer.start();
    change();
    while (spy.paints == before)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return timer.nsecsElapsed() / 1e6;
}

// The median over runs of the time to the next frame after change, each
// run first going elsewhere with away (not timed).
template<typename A, typename F>
double medianFrame(PaintSpy &spy, A away, F change)
{
    QList<double> times;
    for (int i = 0; i < 11; ++i) {
        toNextFrame(spy, away);
        times << toNextFrame(spy, change);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    QFile f(QStringLiteral(":/book/numbers3-results.csv"));
    f.open(QIODevice::ReadOnly);
    const QList<DrawResult> draws = ResultImporter::parse(f.readAll(), QStringLiteral("bench.csv")).draws;
    QList<int> numbers;
    for (const DrawResult &r : draws)
        numbers << r.number;
    std::printf("draws: %lld (the bundled results)\n", qint64(draws.size()));

    volatile int sink = 0;
    const double plain = medianMs(Runs, [&] {
        int digits = 0;
        for (int v : numbers)
            digits += v / 100 + v / 10 % 10 + v % 10;
        sink = sink + digits;
    });
    const double fromNumbers = medianMs(Runs, [&] { sink = sink + DrawStats::count(numbers).distinct(); });
    const double fromDraws = medianMs(Runs, [&] { sink = sink + DrawStats::count(draws).distinct(); });
    std::printf("one plain pass over the draws (digit sums):    %8.3f ms\n", plain);
    std::printf("every figure, from the numbers:                %8.3f ms\n", fromNumbers);
    std::printf("every figure, from the book's draw records:    %8.3f ms\n", fromDraws);
    std::printf("a frame at 60 Hz:                              %8.3f ms\n", 1000.0 / 60);

    QList<DrawResult> newestFirst = draws;
    std::reverse(newestFirst.begin(), newestFirst.end());
    StatsView view;
    view.resize(1000, 600);
    view.show();
    PaintSpy spy;
    view.chartView->viewport()->installEventFilter(&spy);
    view.setDraws(newestFirst, Game::Numbers3);
    while (spy.paints == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

    std::printf("\nrange switched, figures counted, the shown chart and table redrawn, to the next frame (median of 11):\n");
    for (int index = 0; index < view.rangeBox->count(); ++index) {
        const double ms = medianFrame(
            spy, [&] {
                const int away = index == 0 ? 1 : 0;
                if (view.rangeBox->currentIndex() == away)
                    view.recount();
                else
                    view.rangeBox->setCurrentIndex(away);
            },
            [&] { view.rangeBox->setCurrentIndex(index); });
        std::printf("  %-28s %8.2f ms  (%d draws)\n", qPrintable(view.rangeBox->itemText(index)), ms, view.stats.draws);
    }

    std::printf("\nevery view's chart and table drawn in turn, to its next frame, over all draws:\n");
    view.rangeBox->setCurrentIndex(view.rangeBox->findData(0));
    double total = 0;
    for (int v = 0; v < StatsTable::ViewCount; ++v) {
        const double ms = medianFrame(
            spy, [&] { view.setView(StatsTable::View((v + 1) % StatsTable::ViewCount)); },
            [&] { view.setView(StatsTable::View(v)); });
        total += ms;
        std::printf("  %-40s %8.2f ms\n", qPrintable(StatsTable::title(StatsTable::View(v), Game::Numbers3)), ms);
    }
    std::printf("  %-40s %8.2f ms\n", "all nine", total);
    std::printf("\nall nine for each range (range switched, then every view, to the last frame):\n");
    for (int index = 0; index < view.rangeBox->count(); ++index) {
        toNextFrame(spy, [&] {
            view.rangeBox->setCurrentIndex(index == 0 ? 1 : 0);
            view.setView(StatsTable::View(0));
            view.recount();
        });
        QElapsedTimer timer;
        timer.start();
        toNextFrame(spy, [&] { view.rangeBox->setCurrentIndex(index); });
        for (int v = 1; v < StatsTable::ViewCount; ++v)
            toNextFrame(spy, [&] { view.setView(StatsTable::View(v)); });
        std::printf("  %-28s %8.2f ms\n", qPrintable(view.rangeBox->itemText(index)), timer.nsecsElapsed() / 1e6);
    }
    return sink == 42 ? 1 : 0;
}
