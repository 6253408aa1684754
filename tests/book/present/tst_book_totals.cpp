// The tickets' figures without a window: totals over graded tickets and
// per month, the draws an import grades anew, and when a ticket without a
// result stops waiting.
#include <QMap>
#include <QTest>

#include "draw_calendar.h"
#include "draw_changes.h"
#include "ticket_rules.h"
#include "ticket_table_model.h"
#include "ticket_texts.h"
#include "ticket_sums.h"
#include "ticket_totals.h"

class TestBookTotals : public QObject
{
    Q_OBJECT

private slots:
    void totals_data();
    void totals();
    void drawChanges();
    void resultDue_data();
    void resultDue();
};

namespace {

GradedTicket row(int draw, int units, TicketGrade::Outcome outcome, qint64 prize = 0, bool theoretical = false)
{
    GradedTicket g;
    g.ticket.draw = draw;
    g.ticket.number = 123;
    g.ticket.units = units;
    g.drawDate = DrawCalendar::dateOf(draw);
    g.grade.outcome = outcome;
    g.grade.prize = prize;
    g.grade.theoretical = theoretical;
    return g;
}

// Drawn, but the book lacks the result (TicketRules::markResultsDue).
GradedTicket due(GradedTicket g)
{
    g.resultDue = true;
    return g;
}

} // namespace

// Draws 7064 (2026-09-04) and 7065 (2026-09-07) fall in September, 7085 (2026-10-05) in October.
void TestBookTotals::totals_data()
{
    QTest::addColumn<QList<GradedTicket>>("rows");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QStringList>("months");  // "yyyy-MM spent won theoretical"
    QTest::newRow("none") << QList<GradedTicket>{} << "No tickets yet." << QStringList{};
    QTest::newRow("waiting only: no return yet")
        << QList<GradedTicket>{row(7085, 3, TicketGrade::Waiting)}
        << "Tickets: 1, waiting: 1; spent 600 yen, won 0 yen, balance -600 yen; no return yet, as no ticket has its result"
        << QStringList{"2026-10 600 0 0"};
    QTest::newRow("actual and theoretical apart, return over graded only")
        << QList<GradedTicket>{row(7064, 2, TicketGrade::StraightWin, 180800), row(7065, 1, TicketGrade::BoxWin, 15000, true),
                               row(7065, 5, TicketGrade::NoWin), row(7085, 10, TicketGrade::Waiting)}
        << "Tickets: 4, waiting: 1; spent 3,600 yen, won 195,800 yen (of which 15,000 yen at theoretical prizes), "
           "balance +192,200 yen, return 12,237.5%"
        << QStringList{"2026-09 1600 195800 15000", "2026-10 2000 0 0"};
    QTest::newRow("a no-winner draw pays nothing and is no theoretical prize")
        << QList<GradedTicket>{row(7064, 4, TicketGrade::MiniWin, 0), row(7065, 1, TicketGrade::NoWin)}
        << "Tickets: 2, waiting: 0; spent 1,000 yen, won 0 yen, balance -1,000 yen, return 0.0%"
        << QStringList{"2026-09 1000 0 0"};
    QTest::newRow("drawn without its result in the book, counted apart")
        << QList<GradedTicket>{due(row(7065, 1, TicketGrade::Waiting)), row(7085, 2, TicketGrade::Waiting)}
        << "Tickets: 2, waiting: 1, result not in the book: 1; spent 600 yen, won 0 yen, balance -600 yen; "
           "no return yet, as no ticket has its result"
        << QStringList{"2026-09 200 0 0", "2026-10 400 0 0"};
}

void TestBookTotals::totals()
{
    QFETCH(QList<GradedTicket>, rows);
    QFETCH(QString, summary);
    QFETCH(QStringList, months);
    QCOMPARE(TicketTexts::summary(TicketTotals::over(rows)), summary);
    QStringList got;
    const QMap<QDate, TicketTotals> per = TicketSums(rows, QDate::currentDate()).months({});
    qint64 spent = 0;
    for (auto it = per.cbegin(); it != per.cend(); ++it) {
        got << QStringLiteral("%1 %2 %3 %4").arg(it.key().toString(QStringLiteral("yyyy-MM"))).arg(it->spent).arg(it->won).arg(it->wonTheoretical);
        QCOMPARE(it.key().day(), 1);
        spent += it->spent;
    }
    QCOMPARE(got, months);
    QCOMPARE(spent, TicketTotals::over(rows).spent);  // the months add up to the whole
    // Worked out once for both games and each: these tickets are all of three digits.
    const TicketSums sums(rows, QDate(2026, 12, 1));
    QCOMPARE(TicketTexts::summary(sums.totals(std::nullopt)), summary);
    QCOMPARE(TicketTexts::summary(sums.totals(Game::Numbers3)), summary);
    QCOMPARE(sums.totals(Game::Numbers4).tickets, 0);
    QCOMPARE(sums.months(Game::Numbers3).keys(), per.keys());
}

// The draws whose tickets an import grades anew: new ones and changed ones.
void TestBookTotals::drawChanges()
{
    const auto draw = [](int n, int number, std::optional<qint64> boxPrize = std::nullopt) {
        DrawResult r;
        r.draw = n;
        r.date = DrawCalendar::dateOf(n);
        r.number = number;
        r.prize[DrawResult::Box] = boxPrize;
        return r;
    };
    const QList<DrawResult> before{draw(7064, 251), draw(7063, 166), draw(7062, 212)};
    const QList<DrawResult> after{draw(7065, 123), draw(7064, 251, 15000), draw(7063, 166), draw(7062, 221)};
    QCOMPARE(DrawChanges::between(before, after), (QList<int>{7065, 7064, 7062}));
    QCOMPARE(DrawChanges::between(after, after), QList<int>{});
    // The four-digit result of a draw is its own row: it changes alone.
    DrawResult four = draw(7065, 1234);
    four.game = Game::Numbers4;
    QCOMPARE(DrawChanges::between(after, after + QList<DrawResult>{four}), QList<int>{7065});
    QCOMPARE(DrawChanges::between(after + QList<DrawResult>{four}, after + QList<DrawResult>{four}), QList<int>{});
}

// A ticket without a result waits until its draw's result is out (20:30
// Japan time on its day); after that the book lacks the result, and says so.
void TestBookTotals::resultDue_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("outcome");
    const QDateTime before = QDateTime(QDate(2026, 9, 4), QTime(11, 29), Qt::UTC);  // 20:29 in Japan
    const QDateTime after = QDateTime(QDate(2026, 9, 4), QTime(11, 30), Qt::UTC);
    QTest::newRow("the day's draw, before its result") << 7064 << before << "waiting";
    QTest::newRow("the day's draw, after its result") << 7064 << after << "result not in the book yet";
    QTest::newRow("a past draw") << 7000 << before << "result not in the book yet";
    QTest::newRow("the next draw") << 7065 << after << "waiting";
}

void TestBookTotals::resultDue()
{
    QFETCH(int, draw);
    QFETCH(QDateTime, now);
    QList<GradedTicket> rows{row(draw, 1, TicketGrade::Waiting), row(draw, 1, TicketGrade::NoWin)};
    TicketRules::markResultsDue(rows, now);
    QTEST(TicketTableModel::display(rows.at(0), TicketTableModel::OutcomeColumn).toString(), "outcome");
    QCOMPARE(TicketTableModel::display(rows.at(1), TicketTableModel::OutcomeColumn).toString(), QStringLiteral("no win"));
}

QTEST_GUILESS_MAIN(TestBookTotals)
#include "tst_book_totals.moc"
