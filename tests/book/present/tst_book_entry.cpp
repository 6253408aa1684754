// What the window's lines and its hand entry say, without a window: the
// next draw around the close of sales, and what a result typed by hand
// becomes or which field is named as wrong.
#include <QDateTime>
#include <QTest>
#include <QTimeZone>

#include "book_texts.h"
#include "draw_calendar.h"
#include "draw_words.h"
#include "hand_entry.h"

class TestBookEntry : public QObject
{
    Q_OBJECT

private slots:
    void nextDraw_data();
    void nextDraw();
    void handEntry_data();
    void handEntry();
};

void TestBookEntry::nextDraw_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("sales");
    const auto utc = [](const char *text) { return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate); };
    QTest::newRow("a minute before the close") << utc("2026-12-08T09:29:00Z") << QDate(2026, 12, 8) << "today's sales are open until 18:30 Japan time";
    QTest::newRow("at the close") << utc("2026-12-08T09:30:00Z") << QDate(2026, 12, 9) << "today's sales closed at 18:30 Japan time";
    QTest::newRow("UTC evening, Japan's morning") << utc("2026-12-07T20:00:00Z") << QDate(2026, 12, 8) << "today's sales are open until 18:30 Japan time";
    QTest::newRow("Friday in UTC, Saturday in Japan") << utc("2026-12-11T16:00:00Z") << QDate(2026, 12, 14) << "no draw today";
    QTest::newRow("Saturday") << utc("2026-12-12T03:00:00Z") << QDate(2026, 12, 14) << "no draw today";
    QTest::newRow("New Year's Eve") << utc("2026-12-31T03:00:00Z") << QDate(2027, 1, 4) << "no draw today";
}

void TestBookEntry::nextDraw()
{
    QFETCH(QDateTime, now);
    QFETCH(QDate, day);
    QFETCH(QString, sales);
    QCOMPARE(BookTexts::next(now), QStringLiteral("Next draw: %1 on %2; %3")
                                       .arg(DrawCalendar::drawOn(day)).arg(day.toString(QStringLiteral("yyyy-MM-dd ddd")), sales));
}

// What a result typed by hand becomes, or which field is named as wrong.
void TestBookEntry::handEntry_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("prizes");
    QTest::addColumn<int>("badField");
    QTest::addColumn<QString>("shown");  // the number, the straight and box cells, or the warning
    QTest::addColumn<int>("game");
    QTest::addColumn<QStringList>("winners");
    const QDate day(2026, 9, 4);
    const QStringList none{"", "", "", "", ""};
    // The four-digit game: four digits, and its mini cell is not read.
    QTest::newRow("four digits") << 7064 << day << "0850" << QStringList{"958,300", "79,800", "", "", "9"} << -1 << "0850|958,300 yen|79,800 yen" << 4 << QStringList();
    QTest::newRow("four digits, three typed") << 7064 << day << "850" << none << 2 << "" << 4 << QStringList();
    QTest::newRow("plain") << 7064 << day << "251" << none << -1 << "251||" << 3 << QStringList();
    QTest::newRow("full-width digits") << 7064 << day << QString::fromUtf8("２５１") << none << -1 << "251||" << 3 << QStringList();
    QTest::newRow("prizes and no winner") << 7064 << day << "007" << QStringList{"90,400", "0", "", "", ""} << -1 << "007|90,400 yen|no winner" << 3 << QStringList();
    // Winners beside the prizes, as the operator's files carry them.
    QTest::newRow("winners") << 7064 << day << "251" << QStringList{"90,400", "0", "", "", ""} << -1
                             << "251|90,400 yen (1,012 units)|no winner" << 3 << QStringList{QString::fromUtf8("１,０１２"), "0", "", "", ""};
    QTest::newRow("no winners where a prize was paid") << 7064 << day << "251" << QStringList{"90,400", "", "", "", ""} << 3 + 5
                                                       << "" << 3 << QStringList{"0", "", "", "", ""};
    QTest::newRow("winners of a prize of no winner") << 7064 << day << "251" << QStringList{"", "0", "", "", ""} << 3 + 5 + 1
                                                     << "" << 3 << QStringList{"", "3", "", "", ""};
    QTest::newRow("two digits") << 7064 << day << "25" << none << 2 << "" << 3 << QStringList();
    QTest::newRow("letters") << 7064 << day << "2a1" << none << 2 << "" << 3 << QStringList();
    QTest::newRow("draw 0") << 0 << day << "251" << none << 0 << "" << 3 << QStringList();
    QTest::newRow("prize not an amount") << 7064 << day << "251" << QStringList{"", "", "", "1.5", ""} << 6 << "" << 3 << QStringList();
    QTest::newRow("no draw that day") << 7064 << QDate(2026, 9, 5) << "251" << none << 1 << "" << 3 << QStringList();
    QTest::newRow("not the calendar's day") << 7064 << QDate(2026, 9, 3) << "251" << none << -1
                                            << "By the draw calendar draw 7064 was held on 2026-09-04 Fri, not on 2026-09-03 Thu." << 3 << QStringList();
    // Typed on Monday 2026-09-07 at 20:00 in Japan, before that day's results.
    const QString toCome = QStringLiteral("draw %1 is drawn on %2; its result cannot be known before 20:30 Japan time that day.");
    QTest::newRow("today's draw, before its results") << 7065 << QDate(2026, 9, 7) << "282" << none << 1
                                                       << toCome.arg(7065).arg("2026-09-07 Mon") << 3 << QStringList();
    QTest::newRow("a draw to come, with a past day") << 7140 << day << "282" << none << 0
                                                      << toCome.arg(7140).arg(DrawWords::date(DrawCalendar::dateOf(7140))) << 3 << QStringList();
    QTest::newRow("a past draw, with a day to come") << 7064 << QDate(2026, 9, 8) << "251" << none << 1
                                                      << toCome.arg(7064).arg("2026-09-08 Tue") << 3 << QStringList();
}

void TestBookEntry::handEntry()
{
    QFETCH(int, draw);
    QFETCH(QDate, date);
    QFETCH(QString, number);
    QFETCH(QStringList, prizes);
    QFETCH(int, badField);
    QFETCH(QString, shown);
    QFETCH(int, game);
    QFETCH(QStringList, winners);
    const QDateTime now(QDate(2026, 9, 7), QTime(20, 0), QTimeZone(9 * 3600));
    const HandEntry::Checked c = HandEntry::check(draw, date, number, prizes, now, Game(game), winners);
    QCOMPARE(c.badField, badField);
    QCOMPARE(bool(c.result), badField < 0);
    QCOMPARE(c.error.isEmpty(), badField < 0);
    if (!c.result) {
        if (!shown.isEmpty())
            QCOMPARE(c.error, shown);
        return;
    }
    QCOMPARE(c.result->sourceKind, DrawResult::Hand);
    QCOMPARE(int(c.result->game), game);
    QVERIFY(!c.result->prize[DrawResult::Mini] || game == 3);
    if (!c.warning.isEmpty()) {
        QCOMPARE(c.warning, shown);
        return;
    }
    QCOMPARE(QStringList({c.result->numberText(), BookTexts::prize(*c.result, DrawResult::Straight),
                          BookTexts::prize(*c.result, DrawResult::Box)}).join(QLatin1Char('|')), shown);
}

QTEST_GUILESS_MAIN(TestBookEntry)
#include "tst_book_entry.moc"
