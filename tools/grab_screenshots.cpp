// Renders the program's windows offscreen into PNG files for the help pages.
// Run from the run directory: grab_screenshots OUTPUT_DIR [SUFFIX]
// The windows come up in the system language, as the program's would; SUFFIX
// goes before ".png", so the Japanese set is grabbed as panel_ja.png and so on.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

#include "app/startup.h"
#include "bought/input_serch.h"
#include "display/pattern_report.h"
#include "display/random.h"
#include "settings/setup_config.h"

namespace {
QString suffix;

bool save(QWidget *window, const QDir &dir, const char *name)
{
    window->show();
    QApplication::processEvents();
    const QString path = dir.filePath(QString::fromLatin1(name) + suffix + QLatin1String(".png"));
    const bool ok = window->grab().save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    window->hide();
    return ok;
}
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [SUFFIX]\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (argc == 3)
        suffix = QString::fromLocal8Bit(argv[2]);
    QTranslator translator;
    installCatalogue(translator);
    std::fflush(stdout);
    if (!std::freopen("/dev/null", "w", stdout))  // the trace lines
        return 1;

    Random panel;
    panel.timer->stop();
    panel.display(527);
    bool ok = save(&panel, dir, "panel");

    Setup_config *settings = panel.setup;
    settings->self_mode_button->click();
    settings->max3_buttons[8]->click();  // "1" "2" "3"
    settings->max2_buttons[7]->click();
    settings->max1_buttons[6]->click();
    ok = save(settings, dir, "settings") && ok;

    const PatternReport::Report report = PatternReport::classify(1, 2, 3);
    const QString title = report.translatedTitle ? Random::tr(PatternReport::Title)
                                                 : QString::fromLatin1(PatternReport::Title);
    QMessageBox box(QMessageBox::Information, title,
                    PatternReport::fillText(Random::tr(report.text), report), QMessageBox::Ok);
    ok = save(&box, dir, "report") && ok;

    Input_Serch *bought = settings->serch_menu;
    bought->entry_radio->click();
    for (const char *number : {"123", "456"}) {
        QTest::keyClicks(bought->number_edit, QString::fromLatin1(number));
        bought->ok_button->click();
    }
    QTest::keyClicks(bought->number_edit, QStringLiteral("789"));
    ok = save(bought, dir, "bought") && ok;
    return ok ? 0 : 1;
}
