#ifndef RESULTS_CSV_H
#define RESULTS_CSV_H

#include <QByteArray>
#include <QList>
#include <QStringList>

#include "draw_result.h"
#include "parsed_results.h"

// The book's own results CSV, UTF-8:
//   draw,date,number,straight,box,set_straight,set_box,mini,
//   straight_winners,box_winners,set_straight_winners,set_box_winners,mini_winners
// for the three-digit game; the four-digit game's has no mini columns. A
// list of both games has a column "game" (numbers3 or numbers4, also 3 or 4)
// after draw. The reader needs draw, date and number in any order and takes
// the other columns where they are; without a column "game" a number written
// with four characters ("0071") is of the four-digit game. write() gives what
// the reader reads back to the same draws.
class ResultsCsv
{
public:
    // Reads the lines after the header at headerIndex; blank lines and
    // lines starting with # are skipped.
    static ParsedResults::Outcome parse(const QStringList &lines, int headerIndex, ParsedResults &out);
    // One row per draw in the order given: the layout of the one game the
    // draws are of, or with the column "game" when they are of both; only
    // draw, date and number when no draw knows a prize or winners.
    static QByteArray write(const QList<DrawResult> &draws);

private:
    struct Columns
    {
        int draw = -1;
        int date = -1;
        int number = -1;
        int game = -1;
        int prize[DrawResult::WayCount];
        int winners[DrawResult::WayCount];
    };
    static ParsedResults::Outcome readHeader(const QString &line, int lineNo, Columns *columns);
    static ParsedResults::Outcome readRow(const QStringList &row, int line, const Columns &columns, DrawResult *r);
    static ParsedResults::Outcome readNumber(const QStringList &row, int line, const Columns &columns, DrawResult *r);
    static ParsedResults::Outcome readWays(const QStringList &row, int line, const Columns &columns, DrawResult *r);
};

#endif
