// The statistics' descriptions without a window: each view's chart draws
// what its table holds, the axes name the game's digits in both languages,
// and the numbers tied with the most drawn are named only a few at a time.
#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include "stats_description.h"

class TestBookStatsWords : public QObject
{
    Q_OBJECT

private slots:
    void chartFollowsTable_data();
    void chartFollowsTable();
    void sumAxis_data();
    void sumAxis();
    void tiedNumbers_data();
    void tiedNumbers();
};

void TestBookStatsWords::chartFollowsTable_data()
{
    QTest::addColumn<Game>("game");
    QTest::addColumn<int>("view");
    for (Game game : {Game::Numbers3, Game::Numbers4}) {
        for (StatsTable::View view : StatsTable::views(game))
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(Games::digits(game)).arg(view))) << game << int(view);
    }
}

// A bar, a chance and a mark for each row of the table: a view whose chart
// and table part ways shows figures the table does not hold.
void TestBookStatsWords::chartFollowsTable()
{
    QFETCH(Game, game);
    QFETCH(int, view);
    QList<int> numbers;
    for (int i = 0; i < 300; ++i)
        numbers << (i * 7919) % Games::numberCount(game);
    const StatsDescription d = StatsDescription::of(StatsTable::View(view), DrawStats::count(numbers, {}, game));
    const auto rows = d.table.rows.size();
    QVERIFY(rows > 0);
    QCOMPARE(d.chart.categories.size(), rows);
    QVERIFY(!d.chart.bars.isEmpty());
    for (const StatsDescription::Bars &bars : d.chart.bars)
        QCOMPARE(bars.values.size(), rows);
    QVERIFY(d.chart.chance.size() <= 1 || d.chart.chance.size() == rows);
    for (const QList<double> &marks : d.chart.marks)
        QCOMPARE(marks.size(), rows);
    QCOMPARE(d.title, StatsTable::title(StatsTable::View(view), game));
}

void TestBookStatsWords::sumAxis_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<Game>("game");
    QTest::addColumn<QString>("axis");
    QTest::newRow("three") << "" << Game::Numbers3 << "sum of the three digits";
    QTest::newRow("four") << "" << Game::Numbers4 << "sum of the four digits";
    QTest::newRow("Japanese, three") << "numbers3-book_ja" << Game::Numbers3 << "3 つの数字の和";
    QTest::newRow("Japanese, four") << "numbers3-book_ja" << Game::Numbers4 << "4 つの数字の和";
}

// The chart's sums, also in the saved picture, name as many digits as the game has.
void TestBookStatsWords::sumAxis()
{
    QFETCH(QString, catalogue);
    QFETCH(Game, game);
    QFETCH(QString, axis);
    QTranslator translator;
    if (!catalogue.isEmpty()) {
        QVERIFY(translator.load(catalogue, QDir::currentPath()));
        QCoreApplication::installTranslator(&translator);
    }
    const StatsDescription d = StatsDescription::of(StatsTable::Sums, DrawStats::count(QList<int>{1234}, {}, game));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(d.chart.xTitle, axis);
}

void TestBookStatsWords::tiedNumbers_data()
{
    QTest::addColumn<int>("tied");
    QTest::addColumn<int>("named");
    QTest::addColumn<QString>("ends");
    QTest::newRow("none") << 0 << 0 << "in number order.";
    QTest::newRow("three, all named") << 3 << 3 << "left out: 100, 101, 102.";
    QTest::newRow("ten, all named") << 10 << 10 << ", 109.";
    QTest::newRow("eleven: ten and one more") << 11 << 10 << "109 and 1 more.";
    QTest::newRow("a short range's 107") << 107 << 10 << "109 and 97 more.";
}

// Over a short range a hundred numbers tie with the last listed: naming
// them all pushed the chart out of the window.
void TestBookStatsWords::tiedNumbers()
{
    QFETCH(int, tied);
    QFETCH(int, named);
    QFETCH(QString, ends);
    DrawStats::MostDrawn most;
    for (int n = 100; n < 100 + tied; ++n)
        most.tied << n;
    const QString text = StatsDescription::mostSummary(most, Game::Numbers3);
    QVERIFY2(text.endsWith(ends), qPrintable(text));
    QCOMPARE(text.count(QRegularExpression(QStringLiteral("\\b1[0-9]{2}\\b"))), named);
}

QTEST_MAIN(TestBookStatsWords)
#include "tst_book_stats_words.moc"
