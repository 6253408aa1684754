#ifndef TAB_SHORTCUTS_H
#define TAB_SHORTCUTS_H

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>

class QAction;
class QTabWidget;
class QWidget;

// The keys of a tab's actions: those an action always has, and those it has
// only while its tab is the current one. Meanwhile the window's actions that
// use the same keys lend them to the tab, and get them back when it is left.
class TabShortcuts : public QObject
{
    Q_OBJECT

public:
    // page: the tab, which owns the actions.
    explicit TabShortcuts(QWidget *page);

    void add(QAction *action, const QList<QKeySequence> &always, const QList<QKeySequence> &onTab);
    // From now on the keys follow whether page is the current tab.
    void follow(QTabWidget *tabs);
    void setLive(bool live);

private:
    void tabChanged();

    QWidget *page;
    QPointer<QTabWidget> tabs;
    struct Keys
    {
        QAction *action;
        QList<QKeySequence> always;
        QList<QKeySequence> onTab;
    };
    QList<Keys> keys;
    QList<QPair<QPointer<QAction>, QList<QKeySequence>>> lent;  // the window's actions that lent theirs
};

#endif
