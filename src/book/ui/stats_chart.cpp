#include "stats_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFont>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

using Chart = StatsDescription::Chart;

const QColor Bar(0x4c, 0x72, 0xb0);
const QColor Line(0xc4, 0x4e, 0x52);

double highest(const QList<double> &values)
{
    return values.isEmpty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

// Named categories, or for a long run of whole numbers (0..n-1) a value
// axis that labels every few, as names that long would be cut short. At
// most about eight labels: the four-digit sums labelled every third were
// cut to "…" in a chart half the tab wide.
QAbstractAxis *categoryAxis(const QStringList &categories)
{
    const int count = int(categories.size());
    if (count > 16) {
        auto *axis = new QValueAxis;
        axis->setRange(-0.5, count - 0.5);
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        axis->setTickInterval(count > 60 ? 10 : count > 30 ? 6 : count > 24 ? 3 : 2);
        axis->setLabelFormat(QStringLiteral("%d"));
        axis->setGridLineVisible(false);
        axis->setTruncateLabels(false);
        return axis;
    }
    auto *axis = new QBarCategoryAxis;
    axis->append(categories);
    axis->setTruncateLabels(false);
    return axis;
}

QBarSet *barSet(const QString &name, const QList<double> &values, const QColor &color)
{
    auto *set = new QBarSet(name);
    for (double v : values)
        set->append(v);
    if (color.isValid())
        set->setColor(color);
    return set;
}

// Chance across the categories: one value for all, edge to edge, or one per category.
QLineSeries *chanceLine(const Chart &c)
{
    auto *line = new QLineSeries;
    line->setName(c.chanceName);
    line->setPen(QPen(Line, 2));
    const auto count = c.categories.size();
    if (c.chance.size() == 1) {
        line->append(-0.5, c.chance.first());
        line->append(count - 0.5, c.chance.first());
    } else {
        for (qsizetype i = 0; i < count; ++i)
            line->append(double(i), c.chance.value(i));
    }
    return line;
}

// A mark over the middle of each bar: a group of bars is half a category wide.
QScatterSeries *marks(const Chart &c)
{
    auto *marks = new QScatterSeries;
    marks->setName(c.marksName);
    marks->setMarkerSize(7);
    marks->setColor(Line);
    marks->setBorderColor(Line);
    const auto sets = c.marks.size();
    for (qsizetype i = 0; i < c.categories.size(); ++i) {
        for (qsizetype p = 0; p < sets; ++p)
            marks->append(i + (p - (sets - 1) / 2.0) * 0.5 / sets, c.marks.at(p).value(i));
    }
    return marks;
}

// Each bar's figure over it, standing on end: side by side, a count and a
// chance ("10" and "0.1") or two counts ("3597" and "3562") ran into one number.
void writeFigures(QBarSeries *bars)
{
    bars->setLabelsVisible(true);
    bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    bars->setLabelsPrecision(4);
    bars->setLabelsAngle(-90);
    const QList<QBarSet *> sets = bars->barSets();
    for (QBarSet *set : sets)
        set->setLabelColor(set->color() == Line ? Line.darker(130) : QColor(Qt::black));
}

QChart *grouped(const Chart &c)
{
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    QAbstractAxis *x = categoryAxis(c.categories);
    x->setTitleText(c.xTitle);
    auto *y = new QValueAxis;
    y->setTitleText(c.yTitle);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto *bars = new QBarSeries;
    double top = 0;
    for (const StatsDescription::Bars &b : c.bars) {
        // One set in the book's blue; places each in a colour of their own.
        bars->append(barSet(b.name, b.values, c.bars.size() == 1 ? Bar : QColor()));
        top = std::max(top, highest(b.values));
    }
    QList<QAbstractSeries *> over;  // drawn over the bars
    if (!c.chance.isEmpty()) {
        if (c.chanceShape == Chart::ChanceBars)
            bars->append(barSet(c.chanceName, c.chance, Line));
        else
            over.append(chanceLine(c));
        top = std::max(top, highest(c.chance));
    }
    if (!c.marks.isEmpty()) {
        over.append(marks(c));
        for (const QList<double> &m : c.marks)
            top = std::max(top, highest(m));
    }
    if (c.valueLabels)
        writeFigures(bars);
    // Four places and chance, or four places and the longest, in one row
    // under a chart the width of half the tab.
    if (bars->count() + over.size() > 4) {
        QFont small = chart->legend()->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        chart->legend()->setFont(small);
    }
    over.prepend(bars);
    for (QAbstractSeries *s : over) {
        chart->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
    }
    // Figures standing on their bars need the room above the highest.
    y->setRange(0, std::max(5.0, top * (c.valueLabels ? 1.3 : 1.15)));
    y->applyNiceNumbers();
    return chart;
}

// Standing bars, named under them on end: lying bars left each too little
// height for its name, which was cut to "…".
QChart *ranked(const Chart &c)
{
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    auto *names = new QBarCategoryAxis;
    names->append(c.categories);
    names->setTitleText(c.xTitle);
    names->setLabelsAngle(-90);
    names->setTruncateLabels(false);
    // Qt hides the first and last name when its bar is narrower than
    // the name is high: a smaller type and no frame around the plot
    // leave 20 bars room for theirs at the tab's least width.
    QFont small = names->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    names->setLabelsFont(small);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    const QList<double> values = c.bars.value(0).values;
    auto *counts = new QValueAxis;
    counts->setTitleText(c.yTitle);
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->setRange(0, std::max(5.0, highest(values) + 1));
    counts->applyNiceNumbers();
    auto *series = new QBarSeries;
    series->append(barSet(c.bars.value(0).name, values, Bar));
    chart->addSeries(series);
    chart->addAxis(names, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(names);
    series->attachAxis(counts);
    chart->legend()->hide();
    return chart;
}

} // namespace

QChart *StatsChart::make(const StatsDescription &d)
{
    QChart *chart = d.chart.bars.isEmpty() ? new QChart
                    : d.chart.shape == Chart::Ranked ? ranked(d.chart)
                                                     : grouped(d.chart);
    chart->setTitle(d.title);
    return chart;
}
