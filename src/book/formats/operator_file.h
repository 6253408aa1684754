#ifndef OPERATOR_FILE_H
#define OPERATOR_FILE_H

#include <QStringList>

#include "parsed_results.h"

// The operator's result files: per draw a block (an "A5x" marker line, the
// line "第N回ナンバーズ" with the date, the Numbers3 result, a line per way
// with winners and prize, then the four-digit game), one block after another
// in a multi-draw file. Only the Numbers3 part is kept.
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
    ParsedResults::Outcome readNumberLine(const QStringList &row, int line);
    ParsedResults::Outcome readWayLine(const QStringList &row, int line, int way);
    void start(int line);
    ParsedResults::Outcome finish(int line);

    // The Numbers3 part of the block being read.
    struct Block
    {
        bool open = false;
        int startLine = 0;
        int drawLineNo = 0;
        bool inN4 = false;
        bool haveNumber = false;
        int waysSeen = 0;  // bit per way
        DrawResult r;
    };

    ParsedResults &out;
    Block block;
};

#endif
