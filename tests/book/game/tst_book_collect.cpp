// Payment periods by the rule, and what a win still asks of the player:
// collecting by the last day, the reminders before it, and the totals.
#include <QtTest>

#include "payment_period.h"
#include "ticket_sums.h"
#include "win_collect.h"

namespace {

const QDate Today(2026, 12, 9);

// A win of `prize` yen (0: no win) whose period ends `left` days from Today.
GradedTicket win(Game game, qint64 prize, qint64 left, const QString &marks = QString())
{
    GradedTicket g;
    g.ticket.game = game;
    g.grade.outcome = prize > 0 ? TicketGrade::StraightWin : TicketGrade::NoWin;
    g.grade.prize = prize;
    g.period = PaymentPeriod::byRule(Today.addDays(left).addYears(-1));
    g.ticket.online = marks.contains(QLatin1String("online"));
    if (marks.contains(QLatin1String("collected")))
        g.ticket.collected = Today.addDays(-3);
    return g;
}

} // namespace

class TstBookCollect : public QObject
{
    Q_OBJECT

private slots:
    void ruleOfPeriod_data();
    void ruleOfPeriod();
    void winStates_data();
    void winStates();
    void totalsPerGame();
};

void TstBookCollect::ruleOfPeriod_data()
{
    QTest::addColumn<QDate>("draw");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("until");
    QTest::newRow("7073") << QDate(2026, 9, 17) << QDate(2026, 9, 18) << QDate(2027, 9, 17);
    QTest::newRow("29 February") << QDate(2024, 2, 29) << QDate(2024, 3, 1) << QDate(2025, 2, 28);
    QTest::newRow("28 February before a leap year") << QDate(2023, 2, 28) << QDate(2023, 3, 1) << QDate(2024, 2, 28);
    QTest::newRow("the year's last draw") << QDate(2026, 12, 30) << QDate(2026, 12, 31) << QDate(2027, 12, 30);
    QTest::newRow("no date") << QDate() << QDate() << QDate();
}

void TstBookCollect::ruleOfPeriod()
{
    QFETCH(QDate, draw);
    const PaymentPeriod p = PaymentPeriod::byRule(draw);
    QTEST(p.from(), "from");
    QTEST(p.until(), "until");
    QCOMPARE(p.isByRule(), draw.isValid());
}

void TstBookCollect::winStates_data()
{
    QTest::addColumn<qint64>("prize");
    QTest::addColumn<qint64>("left");  // days to the last day
    QTest::addColumn<QString>("marks");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("reminder");
    QTest::newRow("no win") << qint64(0) << qint64(5) << "" << int(WinCollect::Nothing) << 0;
    QTest::newRow("a year to go") << qint64(9000) << qint64(200) << "" << int(WinCollect::ToCollect) << 0;
    QTest::newRow("31 days") << qint64(9000) << qint64(31) << "" << int(WinCollect::ToCollect) << 0;
    QTest::newRow("30 days") << qint64(9000) << qint64(30) << "" << int(WinCollect::ToCollect) << 30;
    QTest::newRow("8 days") << qint64(9000) << qint64(8) << "" << int(WinCollect::ToCollect) << 30;
    QTest::newRow("7 days") << qint64(9000) << qint64(7) << "" << int(WinCollect::ToCollect) << 7;
    QTest::newRow("the last day") << qint64(9000) << qint64(0) << "" << int(WinCollect::ToCollect) << 7;
    QTest::newRow("the day after") << qint64(9000) << qint64(-1) << "" << int(WinCollect::Lost) << 0;
    QTest::newRow("collected") << qint64(9000) << qint64(6) << "collected" << int(WinCollect::Collected) << 0;
    QTest::newRow("collected, period over") << qint64(9000) << qint64(-40) << "collected" << int(WinCollect::Collected) << 0;
    QTest::newRow("online") << qint64(9000) << qint64(6) << "online" << int(WinCollect::Online) << 0;
    QTest::newRow("online, period over") << qint64(9000) << qint64(-40) << "online" << int(WinCollect::Online) << 0;
}

void TstBookCollect::winStates()
{
    QFETCH(qint64, prize);
    QFETCH(qint64, left);
    QFETCH(QString, marks);
    const GradedTicket g = win(Game::Numbers3, prize, left, marks);
    QTEST(int(WinCollect::of(g, Today)), "state");
    QTEST(WinCollect::reminderDue(g, Today), "reminder");
}

void TstBookCollect::totalsPerGame()
{
    const QList<GradedTicket> rows{
        win(Game::Numbers3, 9000, 29), win(Game::Numbers3, 90000, 6), win(Game::Numbers3, 15000, -2),
        win(Game::Numbers3, 30000, 3, QStringLiteral("collected")), win(Game::Numbers3, 0, 3),
        win(Game::Numbers4, 900000, 100), win(Game::Numbers4, 37500, -1), win(Game::Numbers4, 75000, -9),
        win(Game::Numbers4, 150000, 1, QStringLiteral("online")),
    };
    const std::array<WinCollect::Totals, 2> t = TicketSums(rows, Today).collecting({});
    QCOMPARE(t[0].toCollect, 2);
    QCOMPARE(t[0].toCollectYen, qint64(99000));
    QCOMPARE(t[0].nearest, Today.addDays(6));
    QCOMPARE(t[0].lost, 1);
    QCOMPARE(t[0].lostYen, qint64(15000));
    QCOMPARE(t[1].toCollect, 1);
    QCOMPARE(t[1].toCollectYen, qint64(900000));
    QCOMPARE(t[1].nearest, Today.addDays(100));
    QCOMPARE(t[1].lost, 2);
    QCOMPARE(t[1].lostYen, qint64(112500));
}

QTEST_GUILESS_MAIN(TstBookCollect)
#include "tst_book_collect.moc"
