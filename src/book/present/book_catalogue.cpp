#include "book_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The language of messages as the C library picks it: LC_ALL, then
// LC_MESSAGES, then LANG, the first that is set and not empty.
QLocale messagesLocale()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty())
            return QLocale(QString::fromLocal8Bit(value).section(QLatin1Char('.'), 0, 0));
    }
    return QLocale::c();
}

} // namespace

void installBookCatalogue()
{
    const QLocale messages = messagesLocale();
    if (messages.language() != QLocale::Japanese)
        return;
    // Dates and day names follow the language of the texts around them.
    if (QLocale().language() != QLocale::Japanese)
        QLocale::setDefault(messages);
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
