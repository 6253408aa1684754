#include "book_gui.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "app/app_icon.h"
#include "book_store.h"
#include "book_window.h"

int runBookWindow(QApplication &app, BookStore &store)
{
    // The book is stored under the name numbers3; its windows carry their
    // own class so that desktops tell them from the panel's (StartupWMClass).
    QCoreApplication::setApplicationName(QStringLiteral("numbers3-book"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.numbers3.Book"));
    QApplication::setWindowIcon(appIcon());

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
    } else if (!opened.message.isEmpty()) {
        QMessageBox::information(&window, title, opened.message);
    }
    if (!store.lastError().isEmpty() && store.count() == 0) {
        QMessageBox::warning(&window, title,
                             QCoreApplication::translate("BookWindow", "The past results could not be stored in the book.")
                                 + QLatin1Char('\n') + store.lastError());
    }
    return app.exec();
}
