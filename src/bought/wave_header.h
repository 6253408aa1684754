#ifndef WAVE_HEADER_H
#define WAVE_HEADER_H

#include <QByteArray>

// Checks a WAV file's header against the bytes the file really holds.
class WaveHeader
{
public:
    // A RIFF WAVE file whose declared sizes, and every chunk up to and
    // including the sound data, lie inside the file, with its format chunk
    // before the data. The player believes the sizes a header declares and
    // allocates them before it reads, so a header that claims more than the
    // file holds must never reach it.
    static bool fits(const QByteArray &file);
};

#endif
