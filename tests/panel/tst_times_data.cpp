// The built-in past-data table and the bought-number store, without a window.
#include <QHash>
#include <QtTest>

#include "bought/bought_store.h"
#include "bought/serch_answer.h"
#include "bought/times_data.h"

class TestTimesData : public QObject
{
    Q_OBJECT

private slots:
    void tellingRows_data();
    void tellingRows();
    void tableFacts();
    void storeBoundaries();
    void answersAtRangeEdges_data();
    void answersAtRangeEdges();
};

void TestTimesData::tellingRows_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<QList<int>>("values");

    QTest::newRow("1-10") << 1 << QList<int>{191, 988, 194, 105, 592, 692, 708, 234, 243, 340};
    QTest::newRow("190-200") << 190 << QList<int>{170, 424, 21, 656, 812, 819, 907, 7287, 374, 269, 411};
    QTest::newRow("340-350") << 340 << QList<int>{992, 259, 686, 997, 35, 513, 0, 718, 394, 431, 638};
    QTest::newRow("1991-2000") << 1991 << QList<int>{522, 949, 438, 305, 847, 581, 908, 580, 900, 440};
}

void TestTimesData::tellingRows()
{
    QFETCH(int, first);
    QFETCH(QList<int>, values);
    for (int i = 0; i < values.size(); ++i)
        QCOMPARE(times_data[first - 1 + i], values[i]);
}

void TestTimesData::tableFacts()
{
    QHash<int, QList<int>> timesOf;
    for (int times = 1; times <= TimesData::Size; ++times)
        timesOf[times_data[times - 1]].append(times);

    // Draws 346, 976 and 1293 were 000; 7287 at times 197 is the table's own.
    QCOMPARE(times_data[196], 7287);
    QCOMPARE(timesOf.value(0), (QList<int>{346, 976, 1293}));
    for (int times = 1; times <= TimesData::Size; ++times) {
        const int value = times_data[times - 1];
        if (times != 197)
            QVERIFY2(value >= 0 && value <= 999, qPrintable(QString::number(times)));
    }
    QCOMPARE(timesOf.size(), 879);
    QCOMPARE(timesOf.value(638).size(), 8);
    for (auto it = timesOf.cbegin(); it != timesOf.cend(); ++it) {
        if (it.key() != 638)
            QVERIFY2(it.value().size() < 8, qPrintable(QString::number(it.key())));
    }
    QCOMPARE(timesOf.value(191), (QList<int>{1, 109}));
    QVERIFY(!timesOf.contains(123));
}

void TestTimesData::storeBoundaries()
{
    BoughtStore store;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < BoughtStore::Capacity; ++i)
            QVERIFY(store.add(i % 7));
        QVERIFY(store.isFull());
        QVERIFY(!store.add(99));
        QCOMPARE(store.bought_count, BoughtStore::Capacity);
        QCOMPARE(store.count(99), 0);
        QCOMPARE(store.count(0), 143);  // 0, 7, ..., 994 positions
        const SerchAnswer::Answer refused = SerchAnswer::boughtEntry(store, 5, 5);
        QCOMPARE(refused.outcome, SerchAnswer::Outcome::StoreFull);
        store.clear();
        QCOMPARE(store.bought_count, 0);
        QCOMPARE(store.count(0), 0);
        QCOMPARE(store.bought_no[999], 0);
    }
}

void TestTimesData::answersAtRangeEdges_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("outcome");

    // Inputs the window's three-character field never passes; the times and
    // the shorter values are answered through the window in tst_input_serch.
    using O = SerchAnswer::Outcome;
    QTest::newRow("data 1999") << 1999 << int(O::DataNotFound);
    QTest::newRow("data 2000") << 2000 << int(O::NoData);
    QTest::newRow("data 7287") << 7287 << int(O::NoData);
}

void TestTimesData::answersAtRangeEdges()
{
    QFETCH(int, input);
    QFETCH(int, outcome);
    QCOMPARE(int(SerchAnswer::dataToTimes(input).outcome), outcome);
}

QTEST_MAIN(TestTimesData)
#include "tst_times_data.moc"
