#include "digit_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QStringList>
#include <QValueAxis>

#include <algorithm>

#include "draw_stats.h"

DigitChart::DigitChart(QWidget *parent)
    : QChartView(parent)
{
    series = new QBarSeries;
    showPlaces(shownGame);
    auto *chart = new QChart;
    chart->addSeries(series);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto *digits = new QBarCategoryAxis;
    for (int digit = 0; digit < 10; ++digit)
        digits->append(QString::number(digit));
    digits->setTitleText(tr("Digit"));
    values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%d"));
    values->setTitleText(tr("Draws"));
    chart->addAxis(digits, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(digits);
    series->attachAxis(values);
    chart->legend()->setAlignment(Qt::AlignBottom);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("How often each digit came up"));
}

// A set of bars for each place of the game.
void DigitChart::showPlaces(Game game)
{
    series->clear();
    sets.clear();
    const QStringList three{tr("Hundreds"), tr("Tens"), tr("Ones")};
    const QStringList places = game == Game::Numbers4 ? QStringList{tr("Thousands")} + three : three;
    for (const QString &place : places) {
        auto *set = new QBarSet(place);
        for (int digit = 0; digit < 10; ++digit)
            set->append(0);
        series->append(set);
        sets << set;
    }
    shownGame = game;
}

void DigitChart::setDraws(const QList<DrawResult> &draws, Game game)
{
    if (game != shownGame)
        showPlaces(game);
    const DrawStats stats = DrawStats::count(draws, game);
    int highest = 0;
    QStringList spoken;
    for (int digit = 0; digit < 10; ++digit) {
        QList<int> counts;
        for (int place = 0; place < sets.size(); ++place) {
            counts << stats.places[place][digit];
            sets[place]->replace(digit, counts.last());
            highest = std::max(highest, counts.last());
        }
        spoken << (game == Game::Numbers4
                       ? tr("%1: thousands %2, hundreds %3, tens %4, ones %5")
                             .arg(digit).arg(counts[0]).arg(counts[1]).arg(counts[2]).arg(counts[3])
                       : tr("%1: hundreds %2, tens %3, ones %4").arg(digit).arg(counts[0]).arg(counts[1]).arg(counts[2]));
    }
    values->setRange(0, std::max(10, highest + highest / 10));
    values->applyNiceNumbers();
    chart()->setTitle(tr("How often each digit came up in the %1 draws of the book").arg(stats.draws));
    // What the bars show, for a screen reader.
    setAccessibleDescription(spoken.join(QStringLiteral("; ")));
}
