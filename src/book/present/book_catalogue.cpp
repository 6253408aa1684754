#include "book_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installBookCatalogue()
{
    if (QLocale::system().language() != QLocale::Japanese)
        return;
    // Installed translators must outlive every text they translate.
    static QTranslator qtTranslator;
    static QTranslator translator;
    // Qt's own texts (the file dialogs, standard buttons, the option parser).
    if (qtTranslator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);
    // Beside the program in the build's run directory, in share/numbers3 once
    // installed, which is also the working directory the launcher sets.
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString &dir : {appDir, appDir + QStringLiteral("/../share/numbers3"), QDir::currentPath()}) {
        if (translator.load(QStringLiteral("numbers3-book_ja"), dir)) {
            QCoreApplication::installTranslator(&translator);
            return;
        }
    }
}
