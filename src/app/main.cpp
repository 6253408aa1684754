#include <QApplication>
#include <QTranslator>

#include "app/catalogue.h"
#include "display/random.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTranslator translator;
    installCatalogue(translator);

    Random panel(nullptr);
    panel.show();
    return app.exec();
}
