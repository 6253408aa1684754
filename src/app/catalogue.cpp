#include "catalogue.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

void installCatalogue(QTranslator &translator)
{
    if (QLocale::system().language() != QLocale::Japanese)
        return;
    // A missing catalogue is not an error: the texts stay in English.
    (void)translator.load(QStringLiteral("numbers_") + QStringLiteral("ja"));
    QCoreApplication::installTranslator(&translator);
}
