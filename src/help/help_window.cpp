#include "help_window.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include "app/runtime_file.h"

namespace {
// The help window reads and lays out its start page while the program
// starts, and the time grows faster than the page: some 0.3 s for 128 KB of
// help text, 0.7 s for 256 KB, 6 s for 1 MB. The largest page is 14 KB, so
// 128 KB leaves room for much more help and keeps start-up quick.
constexpr qint64 MaxHelpPageBytes = 128 * 1024;
// Pictures are decoded, not laid out; the largest is 25 KB.
constexpr qint64 MaxHelpPictureBytes = 1024 * 1024;
}

HelpWindow::HelpWindow()
    : QTextBrowser(nullptr)
{
    setReadOnly(true);
    setWindowTitle(tr("How to use"));
    resize(750, 400);
    // The start page is the relative address html/index.html, read from the
    // working directory. Links between the pages are relative too, and a
    // relative start page gives the browser nothing to resolve them against;
    // it finds them through this search path, which is also relative.
    setSearchPaths(QStringList{QStringLiteral("html")});
    QUrl page;
    page.setPath(QStringLiteral("html/index.html"));
    setSource(page);
}

HelpWindow::~HelpWindow() = default;

QVariant HelpWindow::loadResource(int type, const QUrl &name)
{
    const QString file = localFile(name);
    if (file.isNull())
        return QTextBrowser::loadResource(type, name);
    // An empty answer, not a null one: for a picture the document would
    // otherwise try the file again itself, without looking first.
    return RuntimeFile::read(file, type == QTextDocument::ImageResource ? MaxHelpPictureBytes : MaxHelpPageBytes);
}

// The file the browser itself would read for name, found the way it finds
// it: the address resolved against the page shown, then, while still
// relative, looked up in the search paths. A null string for an address
// outside the file system (a resource or a web address).
QString HelpWindow::localFile(const QUrl &name) const
{
    QUrl url = name;
    const QUrl current = source();
    if (url.isRelative()) {
        const bool currentRelative = current.isRelative()
            || (current.scheme() == QLatin1String("file") && !QFileInfo(current.toLocalFile()).isAbsolute());
        if (!currentRelative || (url.hasFragment() && url.path().isEmpty())) {
            url = current.resolved(url);
        } else {
            const QFileInfo shown(current.toLocalFile());
            if (shown.exists())
                url = QUrl::fromLocalFile(shown.absolutePath() + QLatin1Char('/')).resolved(url);
        }
    }
    QString file;
    if (url.scheme().isEmpty())
        file = url.path();
    else if (url.isLocalFile())
        file = url.toLocalFile();
    else
        return QString();
    if (file.isEmpty() || QFileInfo(file).isAbsolute())
        return file;
    for (const QString &path : searchPaths()) {
        const QString found = path + QLatin1Char('/') + file;
        if (QFileInfo(found).isReadable())
            return found;
    }
    return file;
}
