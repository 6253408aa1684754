#include "app_icon.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

QIcon appIcon()
{
    // Qt hands the window manager no size above 128. The pictures are built
    // in as raw pixels (see icon_pixels), read in place: decoding PNGs would
    // touch the PNG and zlib code and their buffers, the largest part of
    // the panel's start-up memory beyond the panel itself.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        const QResource pixels(QStringLiteral(":/icons/%1x%1/numbers3.argb").arg(size));
        if (pixels.compressionAlgorithm() != QResource::NoCompression || pixels.size() != qint64(size) * size * 4)
            continue;
        const QImage image(pixels.data(), size, size, size * 4, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
