#ifndef DIGIT_CHART_H
#define DIGIT_CHART_H

#include <QChartView>
#include <QList>

#include <array>

#include "draw_result.h"

class QBarSet;
class QValueAxis;

// How often each digit came up in each place over the whole book, as bars:
// for every digit 0 to 9, one bar for the hundreds, the tens and the ones.
class DigitChart : public QChartView
{
    Q_OBJECT

public:
    // counts[place][digit]; place 0 is the hundreds, 2 the ones.
    using Counts = std::array<std::array<int, 10>, 3>;

    explicit DigitChart(QWidget *parent = nullptr);

    static Counts count(const QList<DrawResult> &draws);
    void setDraws(const QList<DrawResult> &draws);

private:
    std::array<QBarSet *, 3> sets;
    QValueAxis *values;
};

#endif
