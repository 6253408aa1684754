#include "tab_shortcuts.h"

#include <QAction>
#include <QTabWidget>
#include <QWidget>

TabShortcuts::TabShortcuts(QWidget *page)
    : QObject(page)
    , page(page)
{
}

void TabShortcuts::add(QAction *action, const QList<QKeySequence> &always, const QList<QKeySequence> &onTab)
{
    keys.append({action, always, onTab});
}

void TabShortcuts::follow(QTabWidget *tabWidget)
{
    tabs = tabWidget;
    connect(tabs, &QTabWidget::currentChanged, this, &TabShortcuts::tabChanged);
    tabChanged();
}

void TabShortcuts::tabChanged()
{
    setLive(!tabs || tabs->currentWidget() == page);
}

void TabShortcuts::setLive(bool live)
{
    // Give back what was lent before taking again.
    for (const auto &[action, sequences] : std::as_const(lent))
        if (action)
            action->setShortcuts(sequences);
    lent.clear();
    for (const Keys &k : std::as_const(keys))
        k.action->setShortcuts(live ? k.always + k.onTab : k.always);
    if (!live || !tabs)
        return;
    QList<QKeySequence> mine;
    for (const Keys &k : std::as_const(keys))
        mine << k.onTab;
    for (QAction *other : page->window()->findChildren<QAction *>()) {
        if (other->parent() == page || other->shortcut().isEmpty() || !mine.contains(other->shortcut()))
            continue;
        lent.append({other, other->shortcuts()});
        other->setShortcuts({});
    }
}
