#include "book_gui.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include "book_store.h"
#include "book_window.h"

namespace {

// The catalogue numbers3-book_ja.qm sits beside the program in the build's
// run directory and in share/numbers3 once installed, which is also the
// working directory the launcher sets.
void installCatalogue(QTranslator &translator, QTranslator &qtTranslator)
{
    if (QLocale::system().language() != QLocale::Japanese)
        return;
    // Qt's own texts (the file dialogs, standard buttons) from Debian's
    // qt6-translations-l10n, when it is installed.
    if (qtTranslator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString &dir : {appDir, appDir + QStringLiteral("/../share/numbers3"), QDir::currentPath()}) {
        if (translator.load(QStringLiteral("numbers3-book_ja"), dir)) {
            QCoreApplication::installTranslator(&translator);
            return;
        }
    }
}

} // namespace

int runBookWindow(QApplication &app, BookStore &store)
{
    static QTranslator translator;
    static QTranslator qtTranslator;
    installCatalogue(translator, qtTranslator);
    // The book is stored under the name numbers3; its windows carry their
    // own class so that desktops tell them from the panel's (StartupWMClass).
    QCoreApplication::setApplicationName(QStringLiteral("numbers3-book"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.numbers3.Book"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1x%1/numbers3.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    const BookStore::OpenResult opened = store.lastOpenResult();
    const QString title = QCoreApplication::translate("BookWindow", "Numbers3 results book");
    if (!opened.usable()) {
        const QString text = opened.status == BookStore::OpenStatus::NewerSchema
            ? QCoreApplication::translate("BookWindow", "The book %1 was written by a newer version of the program. "
                                                        "It was not opened and not changed.")
                  .arg(QDir::toNativeSeparators(store.path()))
            : QCoreApplication::translate("BookWindow", "The book cannot be opened.");
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
        box.setInformativeText(opened.message);
        box.exec();
        return 1;
    }

    BookWindow window(store);
    window.show();
    if (opened.status == BookStore::OpenStatus::MovedAside) {
        QMessageBox box(QMessageBox::Warning, title,
                        QCoreApplication::translate("BookWindow", "The book could not be read, so a new one was started. "
                                                                  "The old file was kept as %1.")
                            .arg(QDir::toNativeSeparators(opened.movedTo)),
                        QMessageBox::Ok, &window);
        box.setDetailedText(opened.message);
        box.exec();
    }
    if (!store.lastError().isEmpty() && store.count() == 0) {
        QMessageBox::warning(&window, title,
                             QCoreApplication::translate("BookWindow", "The past results could not be stored in the book.")
                                 + QLatin1Char('\n') + store.lastError());
    }
    return app.exec();
}
