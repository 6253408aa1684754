// Four-digit tickets graded against a count made here from the digits as
// text: every number against one result of each box kind, every way.
#include <QtTest>

#include <algorithm>
#include <set>
#include <string>

#include "ticket_rules.h"

namespace {

std::string digitsOf(int number)
{
    std::string s = std::to_string(number);
    return std::string(4 - s.size(), '0') + s;
}

// How many different numbers the digits make, by listing them.
int arrangements(int number)
{
    std::string s = digitsOf(number);
    std::sort(s.begin(), s.end());
    std::set<std::string> seen;
    do
        seen.insert(s);
    while (std::next_permutation(s.begin(), s.end()));
    return int(seen.size());
}

// The prizes the operator states for the four-digit game, by arrangements.
qint64 boxPrize(int arrangements)
{
    switch (arrangements) {
    case 24: return 37500;
    case 12: return 75000;
    case 6: return 150000;
    case 4: return 225000;
    }
    return 0;
}

} // namespace

class TstBookGames : public QObject
{
    Q_OBJECT

private slots:
    void fourDigitGrading_data();
    void fourDigitGrading();
    void fourDigitRules_data();
    void fourDigitRules();
};

void TstBookGames::fourDigitGrading_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("kindCount");  // numbers of that kind among 10,000
    QTest::newRow("24-way") << 1234 << 5040;
    QTest::newRow("12-way") << 6916 << 4320;
    QTest::newRow("6-way") << 2525 << 270;
    QTest::newRow("4-way") << 9990 << 360;
    QTest::newRow("four alike") << 7777 << 10;
}

void TstBookGames::fourDigitGrading()
{
    QFETCH(int, result);
    QFETCH(int, kindCount);
    DrawResult draw;
    draw.game = Game::Numbers4;
    draw.draw = 7073;
    draw.number = result;

    int ofKind = 0;
    const std::string won = digitsOf(result);
    std::string wonSorted = won;
    std::sort(wonSorted.begin(), wonSorted.end());
    const qint64 box = boxPrize(arrangements(result));
    for (int n = 0; n < 10000; ++n) {
        const std::string bought = digitsOf(n);
        std::string sorted = bought;
        std::sort(sorted.begin(), sorted.end());
        ofKind += arrangements(n) == arrangements(result);
        const bool alike = arrangements(n) == 1;
        const bool straight = bought == won;
        const bool digits = sorted == wonSorted && !alike;
        for (Ticket::Way way : { Ticket::Straight, Ticket::Box, Ticket::Set }) {
            const Ticket t{ 0, Game::Numbers4, 7073, n, way, 2, {}, {} };
            const TicketGrade g = TicketRules::grade(t, &draw);
            qint64 expected = 0;
            if (way == Ticket::Straight && straight)
                expected = 900000;
            else if (way == Ticket::Box && digits)
                expected = box;
            else if (way == Ticket::Set && digits)
                expected = straight ? (900000 + box) / 2 : box / 2;
            QVERIFY2(g.prize == expected * 2 && g.won() == (expected > 0) && g.theoretical == g.won(),
                     qPrintable(QStringLiteral("%1 %2: %3").arg(n).arg(Ticket::wayKey(way)).arg(g.prize)));
        }
    }
    QCOMPARE(ofKind, kindCount);

    // The prize the book knows is paid instead, and a three-digit result
    // of the same draw grades nothing.
    draw.prize[DrawResult::Box] = 82200;
    const Ticket boxTicket{ 0, Game::Numbers4, 7073, result, Ticket::Box, 1, {}, {} };
    if (box) {
        QCOMPARE(TicketRules::grade(boxTicket, &draw).prize, qint64(82200));
        QVERIFY(!TicketRules::grade(boxTicket, &draw).theoretical);
    }
    draw.game = Game::Numbers3;
    QCOMPARE(TicketRules::grade(boxTicket, &draw).outcome, TicketGrade::Waiting);
}

void TstBookGames::fourDigitRules_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("way");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("straight 0071") << 71 << int(Ticket::Straight) << true;
    QTest::newRow("box 6916") << 6916 << int(Ticket::Box) << true;
    QTest::newRow("straight 1111") << 1111 << int(Ticket::Straight) << true;
    QTest::newRow("box 1111") << 1111 << int(Ticket::Box) << false;
    QTest::newRow("set 0000") << 0 << int(Ticket::Set) << false;
    QTest::newRow("set 1112") << 1112 << int(Ticket::Set) << true;
    QTest::newRow("mini 16") << 16 << int(Ticket::Mini) << false;
    QTest::newRow("five digits") << 10000 << int(Ticket::Straight) << false;
}

void TstBookGames::fourDigitRules()
{
    QFETCH(int, number);
    QFETCH(int, way);
    QFETCH(bool, allowed);
    const Ticket t{ 0, Game::Numbers4, 100, number, Ticket::Way(way), 1, {}, {} };
    QCOMPARE(TicketRules::problem(t, 200).isEmpty(), allowed);
}

QTEST_GUILESS_MAIN(TstBookGames)
#include "tst_book_games.moc"
