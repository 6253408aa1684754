#ifndef STATS_DESCRIPTION_H
#define STATS_DESCRIPTION_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include "draw_stats.h"
#include "game.h"
#include "stats_table.h"

// Everything one view of the statistics shows, in words and numbers and
// without widgets: its title, its table and what its chart draws. Each view
// is described in one function of stats_description.cpp; the chart is drawn
// from Chart alone.
class StatsDescription
{
    Q_DECLARE_TR_FUNCTIONS(StatsDescription)

public:
    // One set of bars, a bar for each category.
    struct Bars
    {
        QString name;
        QList<double> values;
    };

    struct Chart
    {
        enum Shape {
            Grouped,  // bars by category, a legend under them
            Ranked,   // one set, each bar named on end under it, no legend
        };
        enum ChanceShape {
            ChanceLine,  // one value edge to edge, or one per category
            ChanceBars,  // a bar of its own beside the counts, to one decimal
        };
        Shape shape = Grouped;
        QStringList categories;
        QString xTitle;
        QString yTitle;
        QList<Bars> bars;
        QString chanceName;
        QList<double> chance;  // none, one for all categories or one each
        ChanceShape chanceShape = ChanceLine;
        // A mark over each bar of each set (the longest absence).
        QString marksName;
        QList<QList<double>> marks;
        // The figures written on their bars, where some bars are too short to read.
        bool valueLabels = false;
    };

    StatsTable::View view = StatsTable::Places;
    QString title;
    StatsTable table;
    Chart chart;

    // For the game the stats counted; a view the game lacks is left empty.
    static StatsDescription of(StatsTable::View view, const DrawStats &stats);
    static QString titleOf(StatsTable::View view, Game game);

    // What the most-often list holds, and the numbers tied with its last:
    // a few by name, the rest by count.
    static QString mostSummary(const DrawStats::MostDrawn &most, Game game);
    static constexpr int TiedNamed = 10;
    // The leftmost place first: hundreds, tens, ones; thousands before them for four digits.
    static QStringList placeNames(Game game);
    // By DrawStats' kinds.
    static QStringList kindNames(Game game);
    // The kinds by how many orders their digits have: "24-way" and so on.
    static QStringList kindWays(Game game);

private:
    static StatsDescription places(const DrawStats &s);
    static StatsDescription anywhere(const DrawStats &s);
    static StatsDescription sums(const DrawStats &s);
    static StatsDescription kinds(const DrawStats &s);
    static StatsDescription most(const DrawStats &s);
    static StatsDescription spread(const DrawStats &s);
    static StatsDescription absence(const DrawStats &s);
    static StatsDescription repeats(const DrawStats &s);
    static StatsDescription minis(const DrawStats &s);
    // What the most-often list and the spread both start with.
    static QString numbersSummary(const DrawStats &s);
};

#endif
