// Turns an icon picture into the raw pixels the programs build their window
// icon from: premultiplied ARGB, 32 bits a pixel in the machine's order, row
// after row. Read that way, the icon needs no PNG decoder at start-up.
//
//   icon_pixels PICTURE.png SIZE OUT.argb
#include <QFile>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: icon_pixels PICTURE.png SIZE OUT.argb\n");
        return 2;
    }
    const int size = std::atoi(argv[2]);
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull() || image.width() != size || image.height() != size) {
        std::fprintf(stderr, "icon_pixels: %s is not a %d x %d picture\n", argv[1], size, size);
        return 1;
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    QFile out(QString::fromLocal8Bit(argv[3]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    for (int y = 0; y < size; ++y)
        out.write(reinterpret_cast<const char *>(image.constScanLine(y)), qint64(size) * 4);
    return out.flush() ? 0 : 1;
}
