#include "help_window.h"

#include <QUrl>

HelpWindow::HelpWindow()
    : QTextBrowser(nullptr)
{
    setReadOnly(true);
    setWindowTitle(tr("How to use"));
    resize(750, 400);
    // A relative address: the browser reads it from the working directory.
    QUrl page;
    page.setPath(QStringLiteral("html/index.html"));
    setSource(page);
}

HelpWindow::~HelpWindow() = default;
