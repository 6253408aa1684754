#ifndef STATS_TABLE_H
#define STATS_TABLE_H

#include <QList>
#include <QString>
#include <QStringList>

#include "book_error.h"
#include "draw_stats.h"
#include "game.h"


// The table of one view of the statistics (see StatsDescription): a line
// saying what chance gives, and the table a screen reader reads and the CSV
// export writes. Counts are whole numbers, chance one decimal.
class StatsTable
{
public:
    enum View { Places, Anywhere, Sums, Kinds, Most, Spread, Absence, Repeats, Minis };
    static constexpr int ViewCount = 9;

    // The views of a game: every view but the mini for four digits.
    static QList<View> views(Game game);
    // The view's title and table, from its StatsDescription.
    static QString title(View view, Game game);
    // For the game the stats counted; a view the game lacks is left empty.
    static StatsTable make(View view, const DrawStats &stats);

    QString summary;
    QStringList header;
    QList<QStringList> rows;

    // UTF-8: first the draws counted (coverage) alone on its line, then a
    // header row; fields quoted where they hold a comma or quote. With bom
    // the file starts with a byte order mark, which spreadsheets set to a
    // Japanese locale need to read it as UTF-8 rather than Shift_JIS.
    BookError writeCsv(const QString &path, const QString &coverage, bool bom) const;
    // The name offered for an export: numbers3-stats-draws-6589-7088.csv,
    // numbers4-... for four digits; without draws numbers3-stats.csv.
    static QString fileName(int firstDraw, int lastDraw, const QString &suffix, Game game);
};

#endif
