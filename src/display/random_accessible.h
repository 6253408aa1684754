#ifndef RANDOM_ACCESSIBLE_H
#define RANDOM_ACCESSIBLE_H

#include <QAccessibleWidget>

class Random;

// What a screen reader learns of the panel: its name is the window title,
// its value the number shown, as the three digits a player reads ("007").
class RandomAccessible : public QAccessibleWidget
{
public:
    explicit RandomAccessible(Random *panel);

    QString text(QAccessible::Text t) const override;

    // For QAccessible::installFactory.
    static QAccessibleInterface *create(const QString &className, QObject *object);
};

#endif
