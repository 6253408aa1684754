// Prints what one roll under the settings costs next to a bare
// QLCDNumber::display of a random number. Trace lines go to /dev/null.
#include <QApplication>
#include <QElapsedTimer>
#include <QLCDNumber>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "display/random.h"

namespace {
template <typename Roll>
double nanosecondsPerCall(int calls, Roll roll)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < calls; ++i)
        roll();
    return double(clock.nsecsElapsed()) / calls;
}
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int calls = argc > 1 ? std::atoi(argv[1]) : 200000;

    std::fflush(stdout);
    std::FILE *report = fdopen(dup(STDOUT_FILENO), "w");
    if (!std::freopen("/dev/null", "w", stdout))
        return 1;

    Random panel;
    panel.timer->stop();
    panel.setup_count = 1;  // as after the first right click: every roll asks the settings
    QLCDNumber bare;

    // One warm-up round each, then the measured rounds.
    nanosecondsPerCall(calls / 10, [&] { panel.showRand3(); });
    nanosecondsPerCall(calls / 10, [&] { bare.display(std::rand() % 1000); });
    const double roll = nanosecondsPerCall(calls, [&] { panel.showRand3(); });
    const double display = nanosecondsPerCall(calls, [&] { bare.display(std::rand() % 1000); });

    std::fprintf(report, "calls per figure:           %d\n", calls);
    std::fprintf(report, "roll with codes applied:    %.1f ns\n", roll);
    std::fprintf(report, "bare QLCDNumber::display:   %.1f ns\n", display);
    std::fprintf(report, "ratio roll / display:       %.2f\n", roll / display);
    std::fclose(report);
    return 0;
}
