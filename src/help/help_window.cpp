#include "help_window.h"

#include <QStringList>
#include <QUrl>

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
