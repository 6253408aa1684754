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
#include <cmath>

#include "draw_stats.h"

namespace {

const QColor Bar(0x4c, 0x72, 0xb0);
const QColor Line(0xc4, 0x4e, 0x52);

struct Builder
{
    QChart *chart = new QChart;
    // Named categories, or for a long run of whole numbers (0..n-1) a value
    // axis that labels every few, as names that long would be cut short.
    QAbstractAxis *x;
    int count;
    QValueAxis *y = new QValueAxis;
    QBarSeries *bars = new QBarSeries;
    QList<QAbstractSeries *> over;  // drawn over the bars
    double top = 0;

    Builder(const QStringList &categories, const QString &xTitle, const QString &yTitle)
        : count(int(categories.size()))
    {
        chart->setAnimationOptions(QChart::NoAnimation);
        if (count > 16) {
            auto *axis = new QValueAxis;
            axis->setRange(-0.5, count - 0.5);
            axis->setTickType(QValueAxis::TicksDynamic);
            axis->setTickAnchor(0);
            axis->setTickInterval(count > 60 ? 10 : count > 24 ? 3 : 2);
            axis->setLabelFormat(QStringLiteral("%d"));
            axis->setGridLineVisible(false);
            x = axis;
        } else {
            auto *axis = new QBarCategoryAxis;
            axis->append(categories);
            x = axis;
        }
        x->setTitleText(xTitle);
        y->setTitleText(yTitle);
        y->setLabelFormat(QStringLiteral("%d"));
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        chart->legend()->setAlignment(Qt::AlignBottom);
    }

    QBarSet *set(const QString &name, const QList<int> &values, const QColor &color = QColor())
    {
        auto *s = new QBarSet(name);
        for (int v : values) {
            s->append(v);
            top = std::max(top, double(v));
        }
        if (color.isValid())
            s->setColor(color);
        bars->append(s);
        return s;
    }

    // Chance across the categories: one value for all, or one per category.
    void chance(const QList<double> &values)
    {
        auto *line = new QLineSeries;
        line->setName(StatsChart::tr("chance"));
        line->setPen(QPen(Line, 2));
        if (values.size() == 1) {
            // Across the whole width, edge to edge.
            line->append(-0.5, values.first());
            line->append(count - 0.5, values.first());
            top = std::max(top, values.first());
        } else {
            for (int i = 0; i < count; ++i) {
                line->append(i, values.value(i));
                top = std::max(top, values.value(i));
            }
        }
        over.append(line);
    }

    QChart *finish()
    {
        // Four places and chance, or four places and the longest, in one
        // row under a chart the width of half the tab.
        if (bars->count() + over.size() > 4) {
            QFont small = chart->legend()->font();
            small.setPointSizeF(small.pointSizeF() * 0.85);
            chart->legend()->setFont(small);
        }
        chart->addSeries(bars);
        bars->attachAxis(x);
        bars->attachAxis(y);
        for (QAbstractSeries *s : over) {
            chart->addSeries(s);
            s->attachAxis(x);
            s->attachAxis(y);
        }
        y->setRange(0, std::max(5.0, top * 1.15));
        y->applyNiceNumbers();
        return chart;
    }
};

QStringList numbered(int from, int to, int width = 1)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QString::number(i).rightJustified(width, QLatin1Char('0'));
    return out;
}

QList<int> values(const std::array<int, 10> &a)
{
    return QList<int>(a.begin(), a.end());
}

} // namespace

QChart *StatsChart::make(StatsTable::View view, const DrawStats &s)
{
    const Game game = s.game;
    const int digits = Games::digits(game);
    const QStringList places = StatsTable::placeNames(game);
    switch (view) {
    case StatsTable::Places: {
        Builder b(numbered(0, 9), tr("digit"), tr("draws"));
        for (int p = 0; p < digits; ++p)
            b.set(places.at(p), values(s.places[p]));
        b.chance({s.placeChance()});
        return b.finish();
    }
    case StatsTable::Anywhere: {
        Builder b(numbered(0, 9), tr("digit"), tr("draws"));
        b.set(tr("drawn"), values(s.anywhere), Bar);
        b.chance({s.anywhereChance()});
        return b.finish();
    }
    case StatsTable::Sums: {
        Builder b(numbered(0, Games::highestSum(game)), tr("sum of the digits"), tr("draws"));
        b.set(tr("drawn"), s.sums, Bar);
        QList<double> chance;
        for (int sum = 0; sum < s.sums.size(); ++sum)
            chance << s.sumChance(sum);
        b.chance(chance);
        return b.finish();
    }
    case StatsTable::Kinds: {
        // Five kinds' names are too wide to stand side by side under their
        // bars: the four-digit chart names them by their orders.
        Builder b(game == Game::Numbers4 ? StatsTable::kindWays(game) : StatsTable::kindNames(game), tr("box kind"), tr("draws"));
        b.set(tr("drawn"), s.kinds, Bar);
        if (auto *names = qobject_cast<QBarCategoryAxis *>(b.x))
            names->setTruncateLabels(false);
        auto *chance = new QBarSet(tr("chance"));
        for (int kind = 0; kind < s.kinds.size(); ++kind) {
            // One decimal at most, as in the table beside it.
            chance->append(DrawStats::tenths(s.kindChance(kind)));
            b.top = std::max(b.top, s.kindChance(kind));
        }
        chance->setColor(Line);
        b.bars->append(chance);
        // A triple is 1 number in 100 (four alike 1 in 1000): its bars are short, so the counts are written on them.
        b.bars->setLabelsVisible(true);
        for (QBarSet *set : b.bars->barSets())
            set->setLabelColor(Qt::black);
        b.bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        b.bars->setLabelsPrecision(4);
        return b.finish();
    }
    case StatsTable::Most: {
        // Standing bars, the most drawn at the left, the same numbers as the
        // table beside. The numbers stand on end under their bars: lying
        // bars left each too little height for its name, which was cut to "…".
        const QList<DrawStats::Often> most = s.mostDrawn().listed;
        auto *chart = new QChart;
        chart->setAnimationOptions(QChart::NoAnimation);
        auto *names = new QBarCategoryAxis;
        auto *set = new QBarSet(tr("drawn"));
        set->setColor(Bar);
        int top = 0;
        for (const DrawStats::Often &o : most) {
            names->append(Games::numberText(o.number, game));
            set->append(o.count);
            top = std::max(top, o.count);
        }
        names->setTitleText(tr("number"));
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
        auto *counts = new QValueAxis;
        counts->setTitleText(tr("draws"));
        counts->setLabelFormat(QStringLiteral("%d"));
        counts->setRange(0, std::max(5, top + 1));
        counts->applyNiceNumbers();
        auto *series = new QBarSeries;
        series->append(set);
        chart->addSeries(series);
        chart->addAxis(names, Qt::AlignBottom);
        chart->addAxis(counts, Qt::AlignLeft);
        series->attachAxis(names);
        series->attachAxis(counts);
        chart->legend()->hide();
        return chart;
    }
    case StatsTable::Spread: {
        const QList<int> spread = s.spread();
        Builder b(numbered(0, int(spread.size()) - 1), tr("times drawn"), tr("numbers"));
        b.set(tr("numbers"), spread, Bar);
        QList<double> chance;
        for (int k = 0; k < spread.size(); ++k)
            chance << s.spreadChance(k);
        b.chance(chance);
        return b.finish();
    }
    case StatsTable::Absence: {
        Builder b(numbered(0, 9), tr("digit"), tr("draws"));
        for (int p = 0; p < digits; ++p)
            b.set(tr("%1 now").arg(places.at(p)), values(s.absentNow[p]));
        // The longest absence as a mark above each bar.
        auto *longest = new QScatterSeries;
        longest->setName(tr("longest"));
        longest->setMarkerSize(7);
        longest->setColor(Line);
        longest->setBorderColor(Line);
        for (int digit = 0; digit < 10; ++digit) {
            for (int p = 0; p < digits; ++p) {
                // Over the middle of its bar: a group is half a category wide.
                longest->append(digit + (p - (digits - 1) / 2.0) * 0.5 / digits, s.absentLongest[p][digit]);
                b.top = std::max(b.top, double(s.absentLongest[p][digit]));
            }
        }
        b.over.append(longest);
        return b.finish();
    }
    case StatsTable::Repeats: {
        Builder b(places, tr("place"), tr("draws"));
        b.set(tr("repeats"), s.repeats, Bar);
        b.chance({s.repeatChance()});
        return b.finish();
    }
    case StatsTable::Minis: {
        if (!Games::hasMini(game))
            return new QChart;
        Builder b(numbered(0, 99, 2), tr("mini"), tr("draws"));
        b.set(tr("drawn"), s.minis, Bar);
        b.chance({s.miniChance()});
        return b.finish();
    }
    }
    return new QChart;
}
