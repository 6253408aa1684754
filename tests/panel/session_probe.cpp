// A scripted session of the real program, from the working directory it is
// started in: start-up as main() does it, a roll, the settings, a self-mode
// stop with its report, the bought-number window in each mode, and help.
// Prints "session ok" and the panel's title on standard error, or what went
// wrong, and exits 0 only when the session went as a user would expect.
// Used by the tests for standard output and run-time file faults, and run
// under valgrind by tools/memcheck.sh.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include "app/startup.h"
#include "bought/input_serch.h"
#include "display/random.h"
#include "help/help_window.h"
#include "settings/setup_config.h"
#include "support/box_catcher.h"

namespace {
int failures = 0;

void expect(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "session FAILED: %s\n", what);
        ++failures;
    }
}

QPushButton *button(QWidget *window, const QString &text)
{
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer sinceStart;
    sinceStart.start();
    const int loopResult = runProgram(argc, argv, [&sinceStart](Random &panel) {
        // The panel is up and the loop runs: how long that took, and how
        // often the roll ticks from now on.
        std::fprintf(stderr, "started in %lld ms\n", sinceStart.elapsed());
        int ticks = 0;
        const QMetaObject::Connection counting =
            QObject::connect(panel.timer, &QTimer::timeout, &panel, [&ticks] { ++ticks; });
        BoxCatcher catcher;

        QTest::qWait(350);  // a few real ticks
        expect(panel.isVisible() && panel.timer->isActive(), "panel rolling");

        QTest::mouseClick(&panel, Qt::RightButton);
        Setup_config *settings = panel.setup;
        expect(settings->isVisible(), "settings shown");
        QTest::qWait(250);  // ticks now read the settings

        settings->help_button->click();
        expect(settings->help_window->isVisible(), "help shown");
        expect(settings->help_window->isReadOnly(), "help read-only");

        QPushButton *serch = button(settings, QCoreApplication::translate("Setup_config", "serch"));
        expect(serch != nullptr, "serch button");
        if (serch)
            serch->click();
        Input_Serch *bought = settings->serch_menu;
        expect(bought->isVisible(), "bought-number window shown");
        struct Step
        {
            QRadioButton *mode;
            const char *typed;
        };
        bought->entry_radio->click();
        const Step steps[] = {{bought->entry_radio, "12"}, {bought->entry_radio, "34"},
                              {bought->serch_radio, "12"}, {bought->data_to_times_radio, "191"},
                              {bought->times_to_data_radio, "1"}};
        for (const Step &step : steps) {
            if (!step.mode->isChecked())
                step.mode->click();
            bought->number_edit->clear();
            QTest::keyClicks(bought->number_edit, QString::fromLatin1(step.typed));
            bought->ok_button->click();
        }
        bought->entry_radio->click();
        bought->clear_button->click();

        settings->self_mode_button->click();
        settings->max3_buttons[8]->click();
        settings->max2_buttons[7]->click();
        settings->max1_buttons[6]->click();
        QTest::mouseClick(&panel, Qt::LeftButton);
        expect(panel.intValue() == 123, "self-mode stop shows 123");
        expect(!panel.timer->isActive(), "stopped after the report");

        // Back to Random mode and a long roll, to push plenty of trace text out.
        settings->random_mode_button->click();
        QTest::mouseClick(&panel, Qt::LeftButton);
        for (int i = 0; i < 5000; ++i)
            panel.showRand3();
        QTest::qWait(250);
        expect(panel.timer->isActive(), "rolling again");

        // Three answers and one report; anything else is a box nobody asked for.
        expect(catcher.boxes.size() == 4, "exactly the expected boxes");
        if (catcher.boxes.size() == 4)
            expect(catcher.boxes[3].text.contains(QLatin1String("123")), "report lists 123");

        // Docks tie the windows to the launcher by its ID and show their icon.
        expect(QGuiApplication::desktopFileName() == QLatin1String("io.github.numbers3.Numbers3"),
               "desktop file name is the launcher's ID");
        for (QWidget *w : {static_cast<QWidget *>(&panel), static_cast<QWidget *>(settings),
                           static_cast<QWidget *>(bought), static_cast<QWidget *>(settings->help_window)})
            expect(!w->windowIcon().pixmap(QSize(32, 32)).isNull(), "every window has the program's icon");

        std::fprintf(stderr, "title=%s\n", qPrintable(panel.windowTitle()));
        std::fprintf(stderr, "help page characters=%d\n", int(settings->help_window->toPlainText().size()));
        QObject::disconnect(counting);
        std::fprintf(stderr, "ticks=%d\n", ticks);
        for (QWidget *w : {static_cast<QWidget *>(settings), static_cast<QWidget *>(bought),
                           static_cast<QWidget *>(settings->help_window)})
            w->hide();
        panel.close();
    });
    expect(loopResult == 0, "the event loop ends with 0 once the panel is closed");
    if (failures == 0)
        std::fprintf(stderr, "session ok\n");
    return failures ? 1 : 0;
}
