#ifndef STATS_CHART_H
#define STATS_CHART_H

#include "stats_description.h"

class QChart;

// Draws one view of the statistics as a Qt chart from its description: the
// counts as bars and, where chance gives a figure, chance as a red line or
// red bars.
class StatsChart
{
public:
    // A new chart the caller owns, titled as the view.
    static QChart *make(const StatsDescription &description);
};

#endif
