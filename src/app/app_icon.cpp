#include "app_icon.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>

QIcon appIcon()
{
    // Qt hands the window manager no size above 128. The pictures are read
    // as PNG, named and not guessed: to guess, or even to check a named
    // format, Qt loads every image-format plugin (and Qt Svg with them).
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QImageReader reader(QStringLiteral(":/icons/%1x%1/numbers3.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&reader));
    }
    return icon;
}
