#ifndef FILLER_BOOK_H
#define FILLER_BOOK_H

#include <QFile>

#include "draw_calendar.h"
#include "result_importer.h"

// One game's bundled results (three digits: draws 1..7088; four digits:
// 1..7074 less the six not known; all real) followed by benchmark filler
// from the draw after the last up to `total`: the filler draws are on their
// calendar days with numbers from a fixed pseudo-random sequence, and are
// never shown to anyone as results.
inline ImportedFile fillerBook(int total, Game game = Game::Numbers3)
{
    QFile f(QStringLiteral(":/book/%1-results.csv").arg(QLatin1String(Games::key(game))));
    f.open(QIODevice::ReadOnly);
    ImportedFile file = ResultImporter::parse(f.readAll(), QStringLiteral("bench.csv"));
    quint32 seed = game == Game::Numbers3 ? 12345 : 54321;
    const int last = file.draws.isEmpty() ? 0 : file.draws.constLast().draw;
    for (int n = last + 1; n <= total; ++n) {
        seed = seed * 1103515245u + 12345u;
        DrawResult r;
        r.game = game;
        r.draw = n;
        r.date = DrawCalendar::dateOf(n);
        r.number = int((seed >> 8) % quint32(Games::numberCount(game)));
        file.draws.append(r);
    }
    return file;
}

#endif
