// Long run: a million rolls under the settings and a hundred thousand
// bought-number operations, with the resident memory before and after.
// Usage: soak [ROLLS [OPERATIONS]]
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <unistd.h>

#include "bought/bought_store.h"
#include "bought/input_serch.h"
#include "display/random.h"
#include "settings/setup_config.h"
#include "support/box_catcher.h"

namespace {
long residentKiB()
{
    long pages = 0, resident = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void boughtOperations(Input_Serch &window, BoxCatcher &catcher, std::mt19937 &rng, int count)
{
    QRadioButton *const modes[] = {window.entry_radio, window.serch_radio, window.data_to_times_radio,
                                   window.times_to_data_radio};
    for (int i = 0; i < count; ++i) {
        switch (rng() % 4) {
        case 0: {
            QRadioButton *mode = modes[rng() % 4];
            if (mode->isVisible())
                mode->click();
            break;
        }
        case 1:
            window.number_edit->setText(QString::number(int(rng() % 2100) - 50));
            break;
        case 2:
            window.ok_button->click();
            break;
        default:
            if (window.clear_button->isVisible() && rng() % 50 == 0)
                window.clear_button->click();
            break;
        }
        catcher.boxes.clear();
    }
}
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rolls = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const int operations = argc > 2 ? std::atoi(argv[2]) : 100000;

    std::fflush(stdout);
    std::FILE *report = fdopen(dup(STDOUT_FILENO), "w");
    if (!std::freopen("/dev/null", "w", stdout))
        return 1;

    Random panel;
    panel.show();
    panel.timer->stop();
    QTest::mouseClick(&panel, Qt::RightButton);  // the settings are open: rolls read them
    panel.setup->push_serch();
    Input_Serch &window = *panel.setup->serch_menu;
    BoxCatcher catcher;
    std::mt19937 rng(7);

    // Warm up both paths so that one-time allocations are not counted.
    for (int i = 0; i < rolls / 10; ++i)
        panel.showRand3();
    boughtOperations(window, catcher, rng, operations / 10);
    QCoreApplication::processEvents();

    const long before = residentKiB();
    for (int i = 0; i < rolls; ++i)
        panel.showRand3();
    const long afterRolls = residentKiB();
    boughtOperations(window, catcher, rng, operations);
    QCoreApplication::processEvents();
    const long after = residentKiB();

    std::fprintf(report, "rolls with the settings open:   %d\n", rolls);
    std::fprintf(report, "bought-number operations:       %d (store now holds %d)\n", operations,
                 boughtStore().bought_count);
    std::fprintf(report, "resident before:                %ld KiB\n", before);
    std::fprintf(report, "resident after the rolls:       %ld KiB\n", afterRolls);
    std::fprintf(report, "resident after the operations:  %ld KiB\n", after);
    std::fprintf(report, "growth:                         %ld KiB (%s 1 MiB)\n", after - before,
                 after - before < 1024 ? "under" : "NOT under");
    std::fclose(report);
    return 0;
}
