#ifndef DRAW_WORDS_H
#define DRAW_WORDS_H

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include "game.h"

// How a draw and its day are named in the user's language, for every layer
// that words a draw: an import's refusal as much as the window's lines.
class DrawWords
{
    Q_DECLARE_TR_FUNCTIONS(DrawWords)

public:
    // "2026-09-04 Fri", or 2026年9月4日(金) in Japanese.
    static QString date(const QDate &date);
    // The game's name in the user's language: "Numbers3", ナンバーズ3.
    static QString gameName(Game game);
    // "draw 7073".
    static QString drawName(int draw);
    // The same, naming the game for the four-digit one: "Numbers4 draw 7073".
    static QString drawName(int draw, Game game);
    // Naming either game: "Numbers3 draw 7073", where both may stand side by side.
    static QString gameDrawName(int draw, Game game);
};

#endif
