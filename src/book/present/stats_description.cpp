#include "stats_description.h"

namespace {

QString one(double x)
{
    return QString::number(DrawStats::tenths(x), 'f', 1);
}

QString whole(int n)
{
    return QString::number(n);
}

QStringList numbered(int from, int to, int width = 1)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QString::number(i).rightJustified(width, QLatin1Char('0'));
    return out;
}

template <typename Counts>
QList<double> values(const Counts &counts)
{
    return QList<double>(counts.begin(), counts.end());
}

} // namespace

QStringList StatsDescription::placeNames(Game game)
{
    const QStringList three{tr("hundreds"), tr("tens"), tr("ones")};
    return game == Game::Numbers4 ? QStringList{tr("thousands")} + three : three;
}

QStringList StatsDescription::kindNames(Game game)
{
    if (game == Game::Numbers4)
        return {tr("all four different"), tr("one pair"), tr("two pairs"), tr("three alike"), tr("four alike")};
    return {tr("all different"), tr("a pair"), tr("a triple")};
}

QStringList StatsDescription::kindWays(Game game)
{
    QStringList out;
    for (int kind = 0; kind < DrawStats::kindCount(game); ++kind)
        out << tr("%1-way").arg(DrawStats::kindOrders(kind, game));
    return out;
}

QString StatsDescription::mostSummary(const DrawStats::MostDrawn &most, Game game)
{
    QString text = tr("The %1 numbers drawn most often, most first; numbers drawn as often are listed "
                      "in number order.").arg(DrawStats::MostListed);
    if (most.tied.isEmpty())
        return text;
    // Over a short range a hundred numbers may tie: naming them all would
    // push the chart out of the window.
    QStringList names;
    for (int number : most.tied.mid(0, TiedNamed))
        names << Games::numberText(number, game);
    const QString named = names.join(QLatin1String(", "));
    const qsizetype more = most.tied.size() - names.size();
    text += QLatin1Char(' ');
    if (more == 0)
        return text + tr("Drawn as often as the last listed, but left out: %1.").arg(named);
    return text + tr("Drawn as often as the last listed, but left out: %1 and %2 more.").arg(named).arg(more);
}

QString StatsDescription::titleOf(StatsTable::View view, Game game)
{
    return of(view, DrawStats::count(QList<int>(), {}, game)).title;
}

StatsDescription StatsDescription::of(StatsTable::View view, const DrawStats &s)
{
    StatsDescription d;
    switch (view) {
    case StatsTable::Places: d = places(s); break;
    case StatsTable::Anywhere: d = anywhere(s); break;
    case StatsTable::Sums: d = sums(s); break;
    case StatsTable::Kinds: d = kinds(s); break;
    case StatsTable::Most: d = most(s); break;
    case StatsTable::Spread: d = spread(s); break;
    case StatsTable::Absence: d = absence(s); break;
    case StatsTable::Repeats: d = repeats(s); break;
    case StatsTable::Minis: d = minis(s); break;
    }
    d.view = view;
    d.chart.chanceName = tr("chance");
    return d;
}

StatsDescription StatsDescription::places(const DrawStats &s)
{
    const QStringList names = placeNames(s.game);
    StatsDescription d;
    d.title = tr("Each digit in each place");
    d.table.summary = (s.game == Game::Numbers4
                           ? tr("How often each digit came up as the thousands, hundreds, tens and ones digit. "
                                "Chance gives each digit %1 draws in each place.")
                           : tr("How often each digit came up as the hundreds, tens and ones digit. "
                                "Chance gives each digit %1 draws in each place."))
                          .arg(one(s.placeChance()));
    d.table.header = QStringList{tr("digit")} + names + QStringList{tr("chance")};
    for (int digit = 0; digit < 10; ++digit) {
        QStringList row{whole(digit)};
        for (const auto &place : s.places)
            row << whole(place[digit]);
        d.table.rows.append(row << one(s.placeChance()));
    }
    d.chart.categories = numbered(0, 9);
    d.chart.xTitle = tr("digit");
    d.chart.yTitle = tr("draws");
    for (qsizetype p = 0; p < s.places.size(); ++p)
        d.chart.bars.append({names.at(p), values(s.places.at(p))});
    d.chart.chance = {s.placeChance()};
    return d;
}

StatsDescription StatsDescription::anywhere(const DrawStats &s)
{
    StatsDescription d;
    d.title = tr("Each digit anywhere in the number");
    d.table.summary = (s.game == Game::Numbers4 ? tr("In how many draws each digit appears in any place. "
                                                     "Chance gives %1 draws (1 - 0.9 to the fourth power of them).")
                                                : tr("In how many draws each digit appears in any place. "
                                                     "Chance gives %1 draws (1 - 0.9 cubed of them)."))
                          .arg(one(s.anywhereChance()));
    d.table.header = QStringList{tr("digit"), tr("draws"), tr("chance")};
    for (int digit = 0; digit < 10; ++digit)
        d.table.rows.append({whole(digit), whole(s.anywhere[digit]), one(s.anywhereChance())});
    d.chart.categories = numbered(0, 9);
    d.chart.xTitle = tr("digit");
    d.chart.yTitle = tr("draws");
    d.chart.bars.append({tr("drawn"), values(s.anywhere)});
    d.chart.chance = {s.anywhereChance()};
    return d;
}

StatsDescription StatsDescription::sums(const DrawStats &s)
{
    const bool four = s.game == Game::Numbers4;
    StatsDescription d;
    d.title = four ? tr("The sum of the four digits") : tr("The sum of the three digits");
    d.table.summary = four ? tr("The sums run from 0 (0000) to 36 (9999); the middle sums have the most numbers, "
                                "so chance gives them the most draws.")
                           : tr("The sums run from 0 (000) to 27 (999); the middle sums have the most numbers, "
                                "so chance gives them the most draws.");
    d.table.header = QStringList{tr("sum"), tr("numbers"), tr("draws"), tr("chance")};
    for (int sum = 0; sum < s.sums.size(); ++sum)
        d.table.rows.append({whole(sum), whole(DrawStats::numbersWithSum(sum, s.game)), whole(s.sums[sum]),
                             one(s.sumChance(sum))});
    d.chart.categories = numbered(0, Games::highestSum(s.game));
    d.chart.xTitle = four ? tr("sum of the four digits") : tr("sum of the three digits");
    d.chart.yTitle = tr("draws");
    d.chart.bars.append({tr("drawn"), values(s.sums)});
    for (int sum = 0; sum < s.sums.size(); ++sum)
        d.chart.chance << s.sumChance(sum);
    return d;
}

StatsDescription StatsDescription::kinds(const DrawStats &s)
{
    const Game game = s.game;
    StatsDescription d;
    d.title = tr("Box kinds");
    d.table.summary = game == Game::Numbers4
                          ? tr("Of the 10000 numbers, 5040 have four different digits, 4320 have one pair, "
                               "270 have two pairs, 360 have three alike and 10 are four alike.")
                          : tr("Of the 1000 numbers, 720 have three different digits, 270 have a pair "
                               "and 10 are triples.");
    d.table.header = QStringList{tr("kind"), tr("numbers"), tr("draws"), tr("chance")};
    for (int kind = 0; kind < s.kinds.size(); ++kind)
        d.table.rows.append({kindNames(game).at(kind), whole(DrawStats::numbersOfKind(kind, game)),
                             whole(s.kinds[kind]), one(s.kindChance(kind))});
    // Five kinds' names are too wide to stand side by side under their
    // bars: the four-digit chart names them by their orders.
    d.chart.categories = game == Game::Numbers4 ? kindWays(game) : kindNames(game);
    d.chart.xTitle = tr("box kind");
    d.chart.yTitle = tr("draws");
    d.chart.bars.append({tr("drawn"), values(s.kinds)});
    // One decimal at most, as in the table beside it.
    for (int kind = 0; kind < s.kinds.size(); ++kind)
        d.chart.chance << DrawStats::tenths(s.kindChance(kind));
    d.chart.chanceShape = Chart::ChanceBars;
    // A triple is 1 number in 100 (four alike 1 in 1000): its bars are short.
    d.chart.valueLabels = true;
    return d;
}

QString StatsDescription::numbersSummary(const DrawStats &s)
{
    return (s.game == Game::Numbers4 ? tr("%1 different numbers came up; %2 of the 10000 numbers never did, "
                                          "where chance gives about %3.")
                                     : tr("%1 different numbers came up; %2 of the 1000 numbers never did, "
                                          "where chance gives about %3."))
        .arg(s.distinct()).arg(s.never()).arg(one(s.neverChance()));
}

StatsDescription StatsDescription::most(const DrawStats &s)
{
    const DrawStats::MostDrawn drawn = s.mostDrawn();
    StatsDescription d;
    d.title = tr("The numbers drawn most often");
    d.table.summary = numbersSummary(s) + QLatin1Char(' ') + mostSummary(drawn, s.game);
    d.table.header = QStringList{tr("number"), tr("draws"), tr("at draws")};
    Bars counts{tr("drawn"), {}};
    for (const DrawStats::Often &o : drawn.listed) {
        QStringList at;
        for (int draw : o.draws)
            at << whole(draw);
        d.table.rows.append({Games::numberText(o.number, s.game), whole(o.count), at.join(QLatin1String(", "))});
        d.chart.categories << Games::numberText(o.number, s.game);
        counts.values << o.count;
    }
    // The same numbers as the table, most drawn at the left.
    d.chart.shape = Chart::Ranked;
    d.chart.xTitle = tr("number");
    d.chart.yTitle = tr("draws");
    d.chart.bars.append(counts);
    return d;
}

StatsDescription StatsDescription::spread(const DrawStats &s)
{
    const QList<int> spread = s.spread();
    StatsDescription d;
    d.title = tr("How often the numbers came up");
    d.table.summary = numbersSummary(s);
    d.table.header = QStringList{tr("times drawn"), tr("numbers"), tr("chance")};
    for (int k = 0; k < spread.size(); ++k) {
        d.table.rows.append({whole(k), whole(spread.at(k)), one(s.spreadChance(k))});
        d.chart.chance << s.spreadChance(k);
    }
    d.chart.categories = numbered(0, int(spread.size()) - 1);
    d.chart.xTitle = tr("times drawn");
    d.chart.yTitle = tr("numbers");
    d.chart.bars.append({tr("numbers"), values(spread)});
    return d;
}

StatsDescription StatsDescription::absence(const DrawStats &s)
{
    const QStringList names = placeNames(s.game);
    StatsDescription d;
    d.title = tr("How long each digit has been away");
    d.table.summary = tr("For each place: how many draws have passed since the digit last came up there "
                         "(0: it came up in the last draw of the range), and its longest absence in the range, "
                         "counting the draws before it first came up and since it last did. A digit that never "
                         "came up has been away for the whole range.");
    d.table.header = QStringList{tr("digit")};
    for (const QString &place : names)
        d.table.header << tr("%1 now").arg(place) << tr("%1 longest").arg(place);
    for (int digit = 0; digit < 10; ++digit) {
        QStringList row{whole(digit)};
        for (qsizetype p = 0; p < s.absentNow.size(); ++p)
            row << whole(s.absentNow.at(p)[digit]) << whole(s.absentLongest.at(p)[digit]);
        d.table.rows.append(row);
    }
    d.chart.categories = numbered(0, 9);
    d.chart.xTitle = tr("digit");
    d.chart.yTitle = tr("draws");
    for (qsizetype p = 0; p < s.absentNow.size(); ++p) {
        d.chart.bars.append({tr("%1 now").arg(names.at(p)), values(s.absentNow.at(p))});
        d.chart.marks.append(values(s.absentLongest.at(p)));
    }
    d.chart.marksName = tr("longest");
    return d;
}

StatsDescription StatsDescription::repeats(const DrawStats &s)
{
    const QStringList names = placeNames(s.game);
    StatsDescription d;
    d.title = tr("The same digit again in the next draw");
    d.table.summary = tr("How often a place shows the same digit as in the draw before, out of %1 pairs "
                         "of draws in a row. Chance gives 10% (%2).").arg(s.pairs()).arg(one(s.repeatChance()));
    d.table.header = QStringList{tr("place"), tr("repeats"), tr("share"), tr("chance")};
    for (int p = 0; p < s.repeats.size(); ++p)
        d.table.rows.append({names.at(p), whole(s.repeats[p]),
                             s.pairs() > 0 ? one(100.0 * s.repeats[p] / s.pairs()) + QLatin1Char('%') : QString(),
                             one(s.repeatChance())});
    d.chart.categories = names;
    d.chart.xTitle = tr("place");
    d.chart.yTitle = tr("draws");
    d.chart.bars.append({tr("repeats", "chart"), values(s.repeats)});
    d.chart.chance = {s.repeatChance()};
    return d;
}

StatsDescription StatsDescription::minis(const DrawStats &s)
{
    StatsDescription d;
    d.title = tr("The mini: the last two digits");
    if (!Games::hasMini(s.game))
        return d;
    d.table.summary = tr("The mini is the last two digits, 00 to 99. Chance gives each pair %1 draws.")
                          .arg(one(s.miniChance()));
    d.table.header = QStringList{tr("mini"), tr("draws"), tr("chance")};
    for (int pair = 0; pair < s.minis.size(); ++pair)
        d.table.rows.append({QString::number(pair).rightJustified(2, QLatin1Char('0')), whole(s.minis[pair]),
                             one(s.miniChance())});
    d.chart.categories = numbered(0, 99, 2);
    d.chart.xTitle = tr("mini", "chart");
    d.chart.yTitle = tr("draws");
    d.chart.bars.append({tr("drawn"), values(s.minis)});
    d.chart.chance = {s.miniChance()};
    return d;
}
