#ifndef STATS_CHART_H
#define STATS_CHART_H

#include <QCoreApplication>

#include "stats_table.h"

class DrawStats;
class QChart;

// Draws one view of the statistics as a Qt chart: the counts as bars and,
// where chance gives a figure, chance as a red line.
class StatsChart
{
    Q_DECLARE_TR_FUNCTIONS(StatsChart)

public:
    // A new chart the caller owns.
    static QChart *make(StatsTable::View view, const DrawStats &stats);
};

#endif
