#include "help_window.h"

#include <QFileInfo>
#include <QUrl>

HelpWindow::HelpWindow()
    : QTextBrowser(nullptr)
{
    setReadOnly(true);
    setWindowTitle(tr("How to use"));
    resize(750, 400);
    // The start page is html/index.html below the working directory, fixed
    // here to an absolute file address. A relative address without a scheme
    // loads, but the browser cannot resolve the page's own links against it
    // and every link would open a blank page.
    const QUrl page = QUrl::fromLocalFile(QFileInfo(QStringLiteral("html/index.html")).absoluteFilePath());
    setSource(page);
}

HelpWindow::~HelpWindow() = default;
