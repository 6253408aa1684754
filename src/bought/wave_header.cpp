#include "wave_header.h"

#include <QtEndian>

bool WaveHeader::fits(const QByteArray &file)
{
    const qint64 size = file.size();
    auto size32 = [&file](qint64 at) { return qint64(qFromLittleEndian<quint32>(file.constData() + at)); };
    if (size < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE" || size32(4) + 8 > size)
        return false;
    bool format = false;
    qint64 at = 12;
    while (at + 8 <= size) {
        const QByteArray id = file.mid(at, 4);
        const qint64 length = size32(at + 4);
        if (at + 8 + length > size)
            return false;
        if (id == "fmt ") {
            if (length < 16)
                return false;
            format = true;
        } else if (id == "data") {
            return format;
        }
        at += 8 + length + (length & 1);  // chunks start on even offsets
    }
    return false;
}
