#ifndef DIGIT_CHART_H
#define DIGIT_CHART_H

#include <QChartView>
#include <QList>

#include "draw_result.h"
#include "game.h"

class QBarSeries;
class QBarSet;
class QValueAxis;

// How often each digit came up in each place over the whole book, as bars:
// for every digit 0 to 9, one bar for each place of the game (the hundreds,
// the tens and the ones; the thousands before them for four digits).
class DigitChart : public QChartView
{
    Q_OBJECT

public:
    explicit DigitChart(QWidget *parent = nullptr);

    // The book's draws of one game.
    void setDraws(const QList<DrawResult> &draws, Game game);

private:
    void showPlaces(Game game);

    QBarSeries *series;
    QList<QBarSet *> sets;  // by place, the leftmost first
    QValueAxis *values;
    Game shownGame = Game::Numbers3;
};

#endif
