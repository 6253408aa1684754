#include "digit_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QStringList>
#include <QValueAxis>

#include <algorithm>

DigitChart::DigitChart(QWidget *parent)
    : QChartView(parent)
{
    auto *series = new QBarSeries;
    const QStringList places{tr("Hundreds"), tr("Tens"), tr("Ones")};
    for (int place = 0; place < 3; ++place) {
        sets[place] = new QBarSet(places.at(place));
        for (int digit = 0; digit < 10; ++digit)
            sets[place]->append(0);
        series->append(sets[place]);
    }
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

DigitChart::Counts DigitChart::count(const QList<DrawResult> &draws)
{
    Counts counts{};
    for (const DrawResult &r : draws) {
        if (r.number < 0 || r.number > 999)
            continue;
        ++counts[0][r.number / 100];
        ++counts[1][r.number / 10 % 10];
        ++counts[2][r.number % 10];
    }
    return counts;
}

void DigitChart::setDraws(const QList<DrawResult> &draws)
{
    const Counts counts = count(draws);
    int highest = 0;
    QStringList spoken;
    for (int digit = 0; digit < 10; ++digit) {
        for (int place = 0; place < 3; ++place) {
            sets[place]->replace(digit, counts[place][digit]);
            highest = std::max(highest, counts[place][digit]);
        }
        spoken << tr("%1: hundreds %2, tens %3, ones %4")
                      .arg(digit).arg(counts[0][digit]).arg(counts[1][digit]).arg(counts[2][digit]);
    }
    values->setRange(0, std::max(10, highest + highest / 10));
    values->applyNiceNumbers();
    chart()->setTitle(tr("How often each digit came up in the %1 draws of the book").arg(draws.size()));
    // What the bars show, for a screen reader.
    setAccessibleDescription(spoken.join(QStringLiteral("; ")));
}
