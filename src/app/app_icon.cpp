#include "app_icon.h"

#include <QIcon>

QIcon appIcon()
{
    // Qt hands the window manager no size above 128.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1x%1/numbers3.png").arg(size), QSize(size, size));
    return icon;
}
