// The statistics of the results book, without a window: every figure
// against counts made by hand on small draw lists and recounted over the
// real results, chance beside them, and the ranges.
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>

#include "draw_stats.h"
#include "result_importer.h"
#include "stats_range.h"
#include "stats_table.h"
#include "support/real_results.h"

class TestBookFigures : public QObject
{
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
    void chance();
    void numbers4_data();
    void numbers4();
    void chanceRounding_data();
    void chanceRounding();
    void range_data();
    void range();
};

namespace {

// One figure of the stats, flattened; "places" and "minis" index as
// place * 10 + digit and as the pair.
QList<int> figure(const DrawStats &s, const QString &name)
{
    auto flat = [](auto const &a) { return QList<int>(a.begin(), a.end()); };
    QList<int> out;
    if (name == QLatin1String("places")) {
        for (const auto &place : s.places)
            out += flat(place);
    } else if (name == QLatin1String("anywhere")) {
        out = flat(s.anywhere);
    } else if (name == QLatin1String("sums")) {
        out = flat(s.sums);
    } else if (name == QLatin1String("kinds")) {
        out = flat(s.kinds);
    } else if (name == QLatin1String("numbers")) {
        out = flat(s.numbers);
    } else if (name == QLatin1String("minis")) {
        out = flat(s.minis);
    } else if (name.startsWith(QLatin1String("now"))) {
        out = flat(s.absentNow[name.right(1).toInt()]);
    } else if (name.startsWith(QLatin1String("longest"))) {
        out = flat(s.absentLongest[name.right(1).toInt()]);
    } else if (name == QLatin1String("repeats")) {
        out = flat(s.repeats);
    } else if (name == QLatin1String("spread")) {
        out = s.spread();
    } else if (name == QLatin1String("most")) {
        // number, count, then its draws, for each
        for (const DrawStats::Often &o : s.mostOften())
            out << o.number << o.count << o.draws;
    } else if (name == QLatin1String("most drawn")) {
        // number and count for each listed, -1, then the tied numbers left out
        const DrawStats::MostDrawn most = s.mostDrawn();
        for (const DrawStats::Often &o : most.listed)
            out << o.number << o.count;
        out << -1 << most.tied;
    } else if (name == QLatin1String("draws of 7")) {
        out = s.drawsOf(7);
    } else if (name == QLatin1String("totals")) {
        out << s.draws << s.highest() << s.distinct() << s.never() << s.pairs();
    }
    return out;
}

// "i:v i:v": those entries, every other one 0 (length as the figure's);
// without colons: the values in order.
QList<int> expand(const QString &text, qsizetype size)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<int> out;
    if (!text.contains(QLatin1Char(':'))) {
        for (const QString &p : parts)
            out << p.toInt();
        return out;
    }
    out.fill(0, size);
    for (const QString &p : parts)
        out[p.section(QLatin1Char(':'), 0, 0).toInt()] = p.section(QLatin1Char(':'), 1).toInt();
    return out;
}


} // namespace

void TestBookFigures::figures_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("expected");

    // Draws 1 to 5: 123 123 321 555 100.
    const QList<int> a{123, 123, 321, 555, 100};
    QTest::newRow("places") << a << QList<int>() << "places"
                            << "1:3 3:1 5:1  10:1 12:3 15:1  20:1 21:1 23:2 25:1";
    QTest::newRow("anywhere: 100 has 0 once, 555 has 5 once") << a << QList<int>() << "anywhere" << "0:1 1:4 2:3 3:3 5:1";
    QTest::newRow("sums") << a << QList<int>() << "sums" << "1:1 6:3 15:1";
    QTest::newRow("kinds") << a << QList<int>() << "kinds" << "3 1 1";
    QTest::newRow("numbers") << a << QList<int>() << "numbers" << "100:1 123:2 321:1 555:1";
    QTest::newRow("minis") << a << QList<int>() << "minis" << "0:1 21:1 23:2 55:1";
    QTest::newRow("absent now, hundreds") << a << QList<int>() << "now0" << "5 0 5 2 5 1 5 5 5 5";
    QTest::newRow("longest, hundreds") << a << QList<int>() << "longest0" << "5 2 5 2 5 3 5 5 5 5";
    QTest::newRow("absent now, tens") << a << QList<int>() << "now1" << "0 5 2 5 5 1 5 5 5 5";
    QTest::newRow("longest, tens") << a << QList<int>() << "longest1" << "4 5 2 5 5 3 5 5 5 5";
    QTest::newRow("longest, ones") << a << QList<int>() << "longest2" << "4 2 5 3 5 3 5 5 5 5";
    QTest::newRow("repeats") << a << QList<int>() << "repeats" << "1 2 1";
    QTest::newRow("spread") << a << QList<int>() << "spread" << "996 3 1";
    QTest::newRow("most: all that came, most first") << a << QList<int>() << "most"
                                                     << "123 2 1 2  100 1 5  321 1 3  555 1 4";
    QTest::newRow("totals") << a << QList<int>() << "totals" << "5 2 4 996 4";
    QTest::newRow("most drawn: fewer than 20 came up") << a << QList<int>() << "most drawn" << "123 2 100 1 321 1 555 1 -1";
    // 0 to 24 once each and 500 twice: 500, then 0 to 18; 19 to 24 tie with 18.
    QList<int> many;
    for (int v = 0; v < 25; ++v)
        many << v;
    many << 500 << 500;
    QTest::newRow("most drawn: 20 listed, ties named") << many << QList<int>() << "most drawn"
                                                       << "500 2 0 1 1 1 2 1 3 1 4 1 5 1 6 1 7 1 8 1 9 1 10 1 11 1 12 1 13 1 "
                                                          "14 1 15 1 16 1 17 1 18 1 -1 19 20 21 22 23 24";

    // Draws 1 to 3: 000 000 999.
    const QList<int> c{0, 0, 999};
    QTest::newRow("triples") << c << QList<int>() << "kinds" << "0 0 3";
    QTest::newRow("triples: sums") << c << QList<int>() << "sums" << "0:2 27:1";
    QTest::newRow("triples: repeats") << c << QList<int>() << "repeats" << "1 1 1";
    QTest::newRow("triples: longest") << c << QList<int>() << "longest2" << "1 3 3 3 3 3 3 3 3 2";

    // Gaps in the book and values that are no number are passed over.
    const QList<int> b{7, -1, 7, 1000, 70, 8};
    const QList<int> ids{10, 11, 12, 13, 14, 15};
    QTest::newRow("ids: draws of a number") << b << ids << "draws of 7" << "10 12";
    // Only 14 and 15 follow each other: 12 and 14 have draw 13 between them.
    QTest::newRow("ids: totals") << b << ids << "totals" << "4 2 3 997 1";
    QTest::newRow("ids: repeats only from the draw just before") << b << ids << "repeats" << "1 0 0";
    QTest::newRow("ids: most, highest - 2 is below 1") << b << ids << "most" << "7 2 10 12  8 1 15  70 1 14";
    QTest::newRow("ids: now") << b << ids << "now2" << "1 4 4 4 4 4 4 2 0 4";

    QTest::newRow("none: spread") << QList<int>() << QList<int>() << "spread" << "1000";
    QTest::newRow("none: now") << QList<int>() << QList<int>() << "now0" << "0 0 0 0 0 0 0 0 0 0";
    QTest::newRow("none: totals") << QList<int>() << QList<int>() << "totals" << "0 0 0 1000 0";
}

void TestBookFigures::figures()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QList<int>, ids);
    QFETCH(QString, figure);
    QFETCH(QString, expected);
    const QList<int> got = ::figure(DrawStats::count(numbers, ids), figure);
    QCOMPARE(got, expand(expected, got.size()));
}

void TestBookFigures::chance()
{
    // The numbers of each sum, counted by hand at the ends and the middle.
    int all = 0;
    for (int sum = 0; sum < 28; ++sum)
        all += DrawStats::numbersWithSum(sum);
    QCOMPARE(all, 1000);
    QCOMPARE((QList<int>{DrawStats::numbersWithSum(0), DrawStats::numbersWithSum(1), DrawStats::numbersWithSum(2),
                         DrawStats::numbersWithSum(13), DrawStats::numbersWithSum(14), DrawStats::numbersWithSum(27)}),
             (QList<int>{1, 3, 6, 75, 75, 1}));
    QCOMPARE((QList<int>{DrawStats::kindOf(123), DrawStats::kindOf(101), DrawStats::kindOf(11), DrawStats::kindOf(777)}),
             (QList<int>{DrawStats::AllDifferent, DrawStats::Pair, DrawStats::Pair, DrawStats::Triple}));

    const DrawStats s = DrawStats::count(QList<int>(2000, 123));
    QCOMPARE(s.placeChance(), 200.0);
    QCOMPARE(s.anywhereChance(), 542.0);
    QCOMPARE(s.sumChance(13), 150.0);
    QCOMPARE((QList<double>{s.kindChance(0), s.kindChance(1), s.kindChance(2)}), (QList<double>{1440, 540, 20}));
    QCOMPARE(s.miniChance(), 20.0);
    QCOMPARE(s.repeatChance(), 199.9);
    QVERIFY(qAbs(s.neverChance() - 135.2) < 0.05);
    // The spread's chances are a binomial: they add up to the 1000 numbers,
    // and none came up exactly 0 times is the never chance.
    double sum = 0;
    for (int k = 0; k <= 2000; ++k)
        sum += s.spreadChance(k);
    QVERIFY(qAbs(sum - 1000) < 1e-6);
    QVERIFY(qAbs(s.spreadChance(0) - s.neverChance()) < 1e-9);
    QVERIFY(qAbs(s.spreadChance(1) - 270.67) < 0.01);

    // Four digits: 10000 numbers, sums 0 to 36 (670 of them 18), five kinds.
    all = 0;
    for (int sum = 0; sum <= 36; ++sum)
        all += DrawStats::numbersWithSum(sum, Game::Numbers4);
    QCOMPARE(all, 10000);
    QCOMPARE((QList<int>{DrawStats::numbersWithSum(0, Game::Numbers4), DrawStats::numbersWithSum(1, Game::Numbers4),
                         DrawStats::numbersWithSum(2, Game::Numbers4), DrawStats::numbersWithSum(18, Game::Numbers4),
                         DrawStats::numbersWithSum(36, Game::Numbers4), DrawStats::numbersWithSum(37, Game::Numbers4)}),
             (QList<int>{1, 4, 10, 670, 1, 0}));
    QList<int> kinds, orders, kindOf;
    for (int kind = 0; kind < DrawStats::kindCount(Game::Numbers4); ++kind)
        kinds << DrawStats::numbersOfKind(kind, Game::Numbers4);
    for (int kind = 0; kind < DrawStats::kindCount(Game::Numbers4); ++kind)
        orders << DrawStats::kindOrders(kind, Game::Numbers4);
    for (int number : {1234, 12, 1212, 7177, 9999, 6916})
        kindOf << DrawStats::kindOf(number, Game::Numbers4);
    QCOMPARE(kinds, (QList<int>{5040, 4320, 270, 360, 10}));
    QCOMPARE(orders, (QList<int>{24, 12, 6, 4, 1}));
    QCOMPARE(kindOf, (QList<int>{0, 1, 2, 3, 4, 1}));

    const DrawStats f = DrawStats::count(QList<int>(2000, 1234), {}, Game::Numbers4);
    QCOMPARE(f.placeChance(), 200.0);
    QCOMPARE(f.anywhereChance(), 687.8);  // 1 - 0.9 to the fourth
    QCOMPARE(f.sumChance(18), 134.0);
    QCOMPARE((QList<double>{f.kindChance(0), f.kindChance(1), f.kindChance(2), f.kindChance(3), f.kindChance(4)}),
             (QList<double>{1008, 864, 54, 72, 2}));
    QVERIFY(qAbs(f.neverChance() - 8187.2) < 0.05);
    QCOMPARE(f.never(), 9999);
    QCOMPARE(f.repeatChance(), 199.9);
    sum = 0;
    for (int k = 0; k <= 2000; ++k)
        sum += f.spreadChance(k);
    QVERIFY(qAbs(sum - 10000) < 1e-6);
    QVERIFY(qAbs(f.spreadChance(0) - f.neverChance()) < 1e-9);
    QVERIFY(f.minis.isEmpty());
}

// Chance to one decimal, halves up wherever the tab shows it, though 0.15
// is a hair below its half in binary and 2.25 is exactly on it.
// The four-digit results, counted here from their digits one figure at a
// time, against the one pass of DrawStats.
void TestBookFigures::numbers4_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QList<int>>("expected");

    const RealResults real = realResults(Game::Numbers4);
    QVERIFY(real.digits.size() > 7000);
    QList<int> places(40), anywhere(10), sums(37), kinds(5), repeats(4);
    QList<QList<int>> now(4, QList<int>(10, -1)), longest(4, QList<int>(10, 0)), lastSeen(4, QList<int>(10, -1));
    QHash<QString, int> times;
    int pairs = 0;
    for (int at = 0; at < real.digits.size(); ++at) {
        const QString d = real.digits.at(at);
        QCOMPARE(d.size(), 4);
        ++times[d];
        int sum = 0;
        for (int p = 0; p < 4; ++p) {
            const int digit = d.at(p).digitValue();
            ++places[p * 10 + digit];
            sum += digit;
            if (d.indexOf(d.at(p)) == p)
                ++anywhere[digit];
            longest[p][digit] = std::max(longest[p][digit], at - lastSeen[p][digit] - 1);
            lastSeen[p][digit] = at;
        }
        ++sums[sum];
        // By how many alike: 4 different, one pair, two pairs, three alike, four alike.
        QList<int> alike;
        for (QChar c : d)
            alike << int(d.count(c));
        std::sort(alike.begin(), alike.end());
        const QList<QList<int>> shapes{{1, 1, 1, 1}, {1, 1, 2, 2}, {2, 2, 2, 2}, {1, 3, 3, 3}, {4, 4, 4, 4}};
        ++kinds[shapes.indexOf(alike)];
        if (at > 0 && real.draws.at(at).draw == real.draws.at(at - 1).draw + 1) {
            ++pairs;
            for (int p = 0; p < 4; ++p)
                repeats[p] += d.at(p) == real.digits.at(at - 1).at(p);
        }
    }
    const int n = int(real.digits.size());
    for (int p = 0; p < 4; ++p) {
        for (int digit = 0; digit < 10; ++digit) {
            now[p][digit] = n - 1 - lastSeen[p][digit];
            longest[p][digit] = std::max(longest[p][digit], now[p][digit]);
        }
    }
    // The most drawn: by count, then by number.
    QList<std::pair<int, int>> byCount;
    for (auto it = times.cbegin(); it != times.cend(); ++it)
        byCount << std::pair{-it.value(), it.key().toInt()};
    std::sort(byCount.begin(), byCount.end());
    QList<int> most;
    for (int i = 0; i < DrawStats::MostListed; ++i)
        most << byCount.at(i).second << -byCount.at(i).first;
    most << -1;
    for (qsizetype i = DrawStats::MostListed; i < byCount.size() && byCount.at(i).first == byCount.at(19).first; ++i)
        most << byCount.at(i).second;

    QTest::newRow("places") << "places" << places;
    QTest::newRow("anywhere") << "anywhere" << anywhere;
    QTest::newRow("sums 0 to 36") << "sums" << sums;
    QTest::newRow("five kinds") << "kinds" << kinds;
    QTest::newRow("most drawn") << "most drawn" << most;
    QTest::newRow("totals: never of 10000; 7054 and 7061 not in a row")
        << "totals" << QList<int>{n, -byCount.first().first, int(times.size()), 10000 - int(times.size()), pairs};
    for (int p = 0; p < 4; ++p) {
        QTest::newRow(qPrintable(QStringLiteral("absent now, place %1").arg(p))) << QStringLiteral("now%1").arg(p) << now[p];
        QTest::newRow(qPrintable(QStringLiteral("longest, place %1").arg(p))) << QStringLiteral("longest%1").arg(p) << longest[p];
    }
    QTest::newRow("repeats") << "repeats" << repeats;
    QTest::newRow("no mini") << "minis" << QList<int>();
}

void TestBookFigures::numbers4()
{
    QFETCH(QString, figure);
    QFETCH(QList<int>, expected);
    // The game is the draws'.
    static const DrawStats s = DrawStats::count(realResults(Game::Numbers4).draws);
    QCOMPARE(s.game, Game::Numbers4);
    QCOMPARE(::figure(s, figure), expected);
}

void TestBookFigures::chanceRounding_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mini, 0.15") << int(StatsTable::Minis) << 15 << 0 << 2 << "0.2";
    QTest::newRow("triple, 0.15") << int(StatsTable::Kinds) << 15 << 2 << 3 << "0.2";
    QTest::newRow("triple, 2.25") << int(StatsTable::Kinds) << 225 << 2 << 3 << "2.3";
    QTest::newRow("sum 1, 0.15") << int(StatsTable::Sums) << 50 << 1 << 3 << "0.2";
    QTest::newRow("sum 2, 0.3: no half") << int(StatsTable::Sums) << 50 << 2 << 3 << "0.3";
    QTest::newRow("pair, 4.05") << int(StatsTable::Kinds) << 15 << 1 << 3 << "4.1";
}

void TestBookFigures::chanceRounding()
{
    QFETCH(int, view);
    QFETCH(int, draws);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, expected);
    const StatsTable t = StatsTable::make(StatsTable::View(view), DrawStats::count(QList<int>(draws, 123)));
    QCOMPARE(t.rows.at(row).at(column), expected);
}

void TestBookFigures::range_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("last");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("last 3") << int(StatsRange::Last) << 3 << QDate() << QDate() << QList<int>{8, 9, 10};
    QTest::newRow("last 50 of 10") << int(StatsRange::Last) << 50 << QDate() << QDate()
                                   << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("all") << int(StatsRange::All) << 0 << QDate() << QDate() << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    // Draw n is on day n of March; draw 5 has no date.
    QTest::newRow("dates, both ends in") << int(StatsRange::Dates) << 0 << QDate(2026, 3, 3) << QDate(2026, 3, 7)
                                         << QList<int>{3, 4, 6, 7};
    QTest::newRow("dates, none") << int(StatsRange::Dates) << 0 << QDate(2026, 4, 1) << QDate(2026, 4, 30) << QList<int>();
}

void TestBookFigures::range()
{
    QFETCH(int, kind);
    QFETCH(int, last);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QList<int>, expected);
    QList<DrawResult> newestFirst;
    for (int id = 10; id >= 1; --id)
        newestFirst << draw(id, id * 11, id == 5 ? QDate() : QDate(2026, 3, id));
    const StatsRange r{StatsRange::Kind(kind), last, from, to};
    QList<int> got;
    for (const DrawResult &d : r.pick(newestFirst))
        got << d.draw;
    QCOMPARE(got, expected);
}

QTEST_GUILESS_MAIN(TestBookFigures)
#include "tst_book_figures.moc"
