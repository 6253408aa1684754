#ifndef BOOK_LOOKUP_H
#define BOOK_LOOKUP_H

#include <QCoreApplication>
#include <QString>

#include "game.h"

class BookStore;

// The lookups over the whole book, answered in words: which draws a number
// came up in, whether it came up as a box (its digits in any order), and
// the result of a given draw.
class BookLookup
{
    Q_DECLARE_TR_FUNCTIONS(BookLookup)

public:
    enum Kind { Straight, Box, Draw };

    // Over the draws of one game.
    static QString answer(const BookStore &store, Kind kind, const QString &input, Game game = Game::Numbers3);
};

#endif
