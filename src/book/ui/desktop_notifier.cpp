#include "desktop_notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

bool DesktopNotifier::notify(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                                       QStringLiteral("/org/freedesktop/Notifications"),
                                                       QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the server's own).
    call << QStringLiteral("numbers3-book") << uint(0) << QStringLiteral("numbers3") << summary << body << QStringList()
         << QVariantMap() << int(-1);
    // No answer is awaited: a missing service only costs an error reply nobody reads.
    call.setAutoStartService(false);
    return bus.send(call);
}
