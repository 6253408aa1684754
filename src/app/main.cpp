#include <QApplication>
#include <QTranslator>

#include "app/startup.h"
#include "display/random.h"

int main(int argc, char **argv)
{
    guardStandardStreams();

    QApplication app(argc, argv);
    QTranslator translator;
    installCatalogue(translator);

    Random panel(nullptr);
    panel.show();
    return app.exec();
}
