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

    // Pages and pictures come only from regular files of a help page's size;
    // anything else is an empty one, as a missing file is.
    QVariant loadResource(int type, const QUrl &name) override;

private:
    QString localFile(const QUrl &name) const;
};

#endif
