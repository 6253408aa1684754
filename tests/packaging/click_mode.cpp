// Preloaded into the installed program by the package test: once the program
// is up, clicks the modes of the bought-number window as a user would, which
// loads the click module from wherever the program looks for it.
#include <QApplication>
#include <QRadioButton>
#include <QTimer>

static void clickModes()
{
    QTimer::singleShot(500, [] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            for (QRadioButton *mode : window->inherits("Input_Serch") ? window->findChildren<QRadioButton *>()
                                                                      : QList<QRadioButton *>())
                mode->click();
        }
    });
}
Q_COREAPP_STARTUP_FUNCTION(clickModes)
