#ifndef HELP_BROWSER_H
#define HELP_BROWSER_H

#include <QString>
#include <QTextBrowser>

// The results book's help window. Like the panel's help, it reads pages and
// pictures only from regular files of a help page's size; anything else is
// an empty one, as a missing file is.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    // A window of its own on page in folder, as find() gives it; Escape closes it.
    HelpBrowser(const QString &folder, const QString &page, QWidget *parent);

    // The first place that holds page as such a file: the working directory's
    // html/ (the launcher sets it), html/ beside the program (the build), then
    // ../share/numbers3/html beside it (once installed). Empty when none does.
    static QString find(const QString &page);
    // The book's page in the user's language, in one window kept as the
    // window's child, at anchor when given; a box says when it is missing.
    static void showBookHelp(QWidget *window, const QString &anchor);

    QVariant loadResource(int type, const QUrl &name) override;

private:
    QString folder;
};

#endif
