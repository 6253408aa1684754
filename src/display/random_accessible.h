#ifndef RANDOM_ACCESSIBLE_H
#define RANDOM_ACCESSIBLE_H

#include <QAccessibleWidget>

class Random;

// What a screen reader learns of the panel: a label whose name is the number
// shown, as the three digits a player reads ("007"). Screen readers speak a
// label by its name and leave its text and value unread, and an accessible
// value is a floating-point number that would read 7; so the number is the
// name. The window title stays the window's, for window lists.
class RandomAccessible : public QAccessibleWidget
{
public:
    explicit RandomAccessible(Random *panel);

    QString text(QAccessible::Text t) const override;

    // For QAccessible::installFactory.
    static QAccessibleInterface *create(const QString &className, QObject *object);
};

#endif
