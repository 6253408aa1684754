#ifndef FILLER_BOOK_H
#define FILLER_BOOK_H

#include <QFile>

#include "draw_calendar.h"
#include "result_importer.h"

// The bundled results (draws 1..7088, real) followed by benchmark filler up
// to `total`: the filler draws are on their calendar days with numbers from
// a fixed pseudo-random sequence, and are never shown to anyone as results.
inline ImportedFile fillerBook(int total)
{
    QFile f(QStringLiteral(":/book/numbers3-results.csv"));
    f.open(QIODevice::ReadOnly);
    ImportedFile file = ResultImporter::parse(f.readAll(), QStringLiteral("bench.csv"));
    quint32 seed = 12345;
    for (int n = int(file.draws.size()) + 1; n <= total; ++n) {
        seed = seed * 1103515245u + 12345u;
        DrawResult r;
        r.draw = n;
        r.date = DrawCalendar::dateOf(n);
        r.number = int((seed >> 8) % 1000);
        file.draws.append(r);
    }
    return file;
}

#endif
