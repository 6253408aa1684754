// The draw calendar against every draw of the past-results file, and the
// next draw as the window shows it.
#include <QFile>
#include <QtTest>

#include "draw_calendar.h"
#include "support/bundled_rows.h"

class TstBookCalendar : public QObject
{
    Q_OBJECT

private slots:
    void everyPastDraw();
    void next_data();
    void next();
};

void TstBookCalendar::everyPastDraw()
{
    QFile f(QStringLiteral(RESULTS_CSV));
    QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
    f.readLine();  // header
    int checked = 0;
    QDate previous;
    while (!f.atEnd()) {
        const QList<QByteArray> cells = f.readLine().trimmed().split(',');
        const int draw = cells.at(0).toInt();
        const QDate date = QDate::fromString(QString::fromLatin1(cells.at(1)), Qt::ISODate);
        QCOMPARE(DrawCalendar::dateOf(draw), date);
        QCOMPARE(DrawCalendar::drawOn(date), draw);
        // No draw on any day between two draws.
        if (previous.isValid())
            for (QDate d = previous.addDays(1); d < date; d = d.addDays(1))
                QVERIFY2(!DrawCalendar::isDrawDay(d), qPrintable(d.toString(Qt::ISODate)));
        previous = date;
        ++checked;
    }
    QCOMPARE(checked, bundledRows(RESULTS_CSV));
    QCOMPARE(DrawCalendar::dateOf(0), QDate());
    QCOMPARE(DrawCalendar::drawOn(QDate(1994, 10, 6)), 0);
}

void TstBookCalendar::next_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("draw");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("salesOpen");
    QTest::addColumn<int>("lastWithResult");
    QTest::addColumn<bool>("out7064");  // whether draw 7064's result can be known
    const auto utc = [](int y, int mo, int d, int h, int mi) { return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC); };
    // Friday 2026-09-04 (draw 7064): 18:29 and 18:30 in Japan are 09:29 and 09:30 UTC.
    QTest::newRow("Friday, sales open") << utc(2026, 9, 4, 9, 29) << 7064 << QDate(2026, 9, 4) << true << 7063 << false;
    QTest::newRow("Friday, sales closed") << utc(2026, 9, 4, 9, 30) << 7065 << QDate(2026, 9, 7) << false << 7063 << false;
    QTest::newRow("Friday, results out") << utc(2026, 9, 4, 11, 30) << 7065 << QDate(2026, 9, 7) << false << 7064 << true;
    QTest::newRow("Saturday in Japan, Friday in UTC") << utc(2026, 9, 4, 15, 0) << 7065 << QDate(2026, 9, 7) << false << 7064 << true;
    QTest::newRow("New Year: 31 Dec to 3 Jan") << utc(2026, 12, 30, 15, 0) << DrawCalendar::drawOn(QDate(2027, 1, 4))
                                               << QDate(2027, 1, 4) << false << DrawCalendar::drawOn(QDate(2026, 12, 30)) << true;
    QTest::newRow("from another time zone") << QDateTime(QDate(2026, 9, 4), QTime(14, 0), QTimeZone(2 * 3600))
                                            << 7065 << QDate(2026, 9, 7) << false << 7064 << true;
}

void TstBookCalendar::next()
{
    QFETCH(QDateTime, now);
    const DrawCalendar::Next n = DrawCalendar::next(now);
    QTEST(n.draw, "draw");
    QTEST(n.date, "date");
    QTEST(n.salesOpen, "salesOpen");
    QTEST(DrawCalendar::lastDrawWithResult(now), "lastWithResult");
    QTEST(DrawCalendar::resultOut(7064, QDate(2026, 9, 4), now), "out7064");
}

QTEST_GUILESS_MAIN(TstBookCalendar)
#include "tst_book_calendar.moc"
