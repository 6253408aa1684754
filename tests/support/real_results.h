#ifndef REAL_RESULTS_H
#define REAL_RESULTS_H

// The real results of a game, read from the project's results files by the
// tests themselves (RESULTS_CSV, NUMBERS4_CSV), not through the book's reader.
#include <QDate>
#include <QFile>
#include <QList>
#include <QStringList>

#include "draw_result.h"

inline DrawResult draw(int id, int number, QDate date = {})
{
    DrawResult r;
    r.draw = id;
    r.number = number;
    r.date = date;
    return r;
}

// The real results of a game as the book's draws, in draw order, and each
// result's digits as written in the file ("0071").
struct RealResults
{
    QList<DrawResult> draws;
    QStringList digits;
};

inline RealResults realResults(Game game)
{
    RealResults out;
    QFile f(QString::fromUtf8(game == Game::Numbers4 ? NUMBERS4_CSV : RESULTS_CSV));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    f.readLine();
    while (!f.atEnd()) {
        const QList<QByteArray> fields = f.readLine().trimmed().split(',');
        if (fields.size() != 3)
            continue;
        DrawResult r = draw(fields.at(0).toInt(), fields.at(2).toInt(), QDate::fromString(QString::fromLatin1(fields.at(1)), Qt::ISODate));
        r.game = game;
        out.draws << r;
        out.digits << QString::fromLatin1(fields.at(2));
    }
    return out;
}

#endif
