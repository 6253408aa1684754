#include "help_browser.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QShortcut>
#include <QTextDocument>
#include <QUrl>

#include "runtime_file.h"

namespace {
// The panel's limits: its largest page is 14 KB and its largest picture
// 25 KB; anything far beyond is not a help page.
constexpr qint64 MaxPageBytes = 128 * 1024;
constexpr qint64 MaxPictureBytes = 1024 * 1024;
}

HelpBrowser::HelpBrowser(const QString &folder, const QString &page, QWidget *parent)
    : QTextBrowser(parent)
    , folder(folder)
{
    setWindowFlags(Qt::Window);
    setSearchPaths({folder});
    resize(760, 520);
    setSource(QUrl::fromLocalFile(folder + QLatin1Char('/') + page));
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

QString HelpBrowser::find(const QString &page)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString &dir : {QDir::currentPath() + QStringLiteral("/html"), appDir + QStringLiteral("/html"),
                               appDir + QStringLiteral("/../share/numbers3/html")}) {
        if (RuntimeFile(dir + QLatin1Char('/') + page, MaxPageBytes).isOpen())
            return QDir::cleanPath(dir);
    }
    return QString();
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    // Pages are shown by their full path, so the document's base resolves a
    // relative address; the pages' folder stands in before it is set.
    QUrl url = document()->baseUrl().resolved(name);
    if (url.isRelative())
        url = QUrl::fromLocalFile(folder + QLatin1Char('/')).resolved(url);
    if (!url.isLocalFile())
        return QTextBrowser::loadResource(type, name);
    // An empty answer, not a null one: the document would otherwise read the
    // file itself, without looking first.
    return RuntimeFile::read(url.toLocalFile(), type == QTextDocument::ImageResource ? MaxPictureBytes : MaxPageBytes);
}

void HelpBrowser::showBookHelp(QWidget *window, const QString &anchor)
{
    // The window's words, in its context.
    const bool japanese = QLocale().language() == QLocale::Japanese;
    const QString page = japanese ? QStringLiteral("book_ja.html") : QStringLiteral("book.html");
    const QString found = find(page);
    if (found.isEmpty()) {
        QMessageBox::information(window, QCoreApplication::translate("HelpBrowser", "Help"),
                                 QCoreApplication::translate("HelpBrowser", "The help pages are not installed."));
        return;
    }
    auto *help = window->findChild<HelpBrowser *>(QStringLiteral("bookHelp"));
    if (!help) {
        help = new HelpBrowser(found, page, window);
        help->setObjectName(QStringLiteral("bookHelp"));
        help->setWindowTitle(QCoreApplication::translate("HelpBrowser", "Results book help"));
    }
    if (!anchor.isEmpty())
        help->scrollToAnchor(anchor);
    help->show();
    help->raise();
    help->activateWindow();
}
