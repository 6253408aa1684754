#ifndef OPERATOR_FILE_H
#define OPERATOR_FILE_H

#include <QStringList>

#include "parsed_results.h"

// The operator's result files: per draw a block (an "A5x" marker line, the
// line "第N回ナンバーズ" with the date, then per game its result line
// "ナンバーズ3抽せん数字" or "ナンバーズ4抽せん数字" and a line per way with
// winners and prize), one block after another in a multi-draw file. Each
// game's part is found by its label, wherever it stands; a block may give one
// game or both, and gives a DrawResult for each.
class OperatorFile
{
public:
    // Whether a line's first cell is one only the operator's files have.
    static bool isOperatorLine(const QString &firstCell);
    static ParsedResults::Outcome parse(const QStringList &lines, ParsedResults &out);

private:
    explicit OperatorFile(ParsedResults &out) : out(out) {}

    ParsedResults::Outcome readLine(const QStringList &row, int line);
    ParsedResults::Outcome readDrawLine(const QStringList &row, int line, const QString &number);
    ParsedResults::Outcome readNumberLine(const QStringList &row, int line, Game game);
    ParsedResults::Outcome readWayLine(const QStringList &row, int line, int way);
    void start(int line);
    ParsedResults::Outcome finish(int line);

    // One game's part of the block being read.
    struct Part
    {
        bool haveNumber = false;
        int waysSeen = 0;  // bit per way
        DrawResult r;
    };
    // The block being read: its draw and date, and the part of each game.
    struct Block
    {
        bool open = false;
        int startLine = 0;
        int drawLineNo = 0;
        int draw = 0;
        QDate date;
        QDate payFrom, payUntil;  // the payment period, when the block gives it
        int reading = -1;         // the part whose way lines come next
        Part parts[2];            // Numbers3, Numbers4
    };
    static constexpr int partOf(Game game) { return game == Game::Numbers4 ? 1 : 0; }
    ParsedResults::Outcome finishPart(Part &part, int line);

    ParsedResults &out;
    Block block;
};

#endif
