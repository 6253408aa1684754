#ifndef PARSED_RESULTS_H
#define PARSED_RESULTS_H

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "draw_result.h"

// The draws a result file gave so far, each with its line, and the
// warnings about them; what both kinds of result file are read into.
class ParsedResults
{
public:
    // Why a file is refused: line 0 means the file as a whole.
    struct Failure
    {
        int line;
        QString message;
    };
    using Outcome = std::optional<Failure>;

    // Takes a draw read on line after the calendar's check: a day without
    // any draw is refused; a draw day that is not this draw's is a warning.
    Outcome add(const DrawResult &draw, int line);
    bool isEmpty() const { return draws.isEmpty(); }

    // The draws each once, in draw order (the three-digit game first within
    // a draw), as read from fileName. A draw is one game's: both games of one
    // draw are two draws. One draw twice is fine when it says the same thing;
    // otherwise that is the failure.
    Outcome unique(const QString &fileName, QList<DrawResult> *out) const;

    // Why a result cell is not a number of the game.
    static Failure notANumber(int line, int draw, const QString &text, Game game);

    QStringList warnings;

private:
    QList<DrawResult> draws;
    QList<int> lines;  // line of each draw, for the message about a draw twice
};

#endif
