#ifndef HELP_WINDOW_H
#define HELP_WINDOW_H

#include <QTextBrowser>

// Read-only browser on the program's HTML help, html/index.html.
class HelpWindow : public QTextBrowser
{
    Q_OBJECT

public:
    HelpWindow();
    ~HelpWindow() override;
};

#endif
