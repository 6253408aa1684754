#ifndef DESKTOP_NOTIFIER_H
#define DESKTOP_NOTIFIER_H

#include <QString>

// A notification through the desktop's notification service
// (org.freedesktop.Notifications on the session bus). Where there is no
// bus or no service nothing happens: the window's own line says it too.
class DesktopNotifier
{
public:
    // Sent without waiting for an answer; false when there is no session bus.
    static bool notify(const QString &summary, const QString &body);
};

#endif
