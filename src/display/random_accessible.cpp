#include "random_accessible.h"

#include "random.h"

RandomAccessible::RandomAccessible(Random *panel)
    : QAccessibleWidget(panel, QAccessible::StaticText)
{
}

QString RandomAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    return static_cast<const Random *>(object())->shownNumber();
}

QAccessibleInterface *RandomAccessible::create(const QString &className, QObject *object)
{
    auto *panel = qobject_cast<Random *>(object);
    if (className != QLatin1String("Random") || !panel)
        return nullptr;
    return new RandomAccessible(panel);
}
