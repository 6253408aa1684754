// How the panel forms its number: the uniform roll, the codes' bounds, the
// order of reader calls and draws, and the guard against a code of 0.
#include <QRadioButton>
#include <QSet>
#include <QtTest>

#include "display/random.h"
#include "display/roll_rules.h"
#include "settings/setup_config.h"
#include "support/stdout_capture.h"

class TestRoll : public QObject
{
    Q_OBJECT

private slots:
    void callOrder_data();
    void callOrder();
    void uniformDrawsOnesFirst();
    void zeroCodeNeverDivides_data();
    void zeroCodeNeverDivides();
    void boundsOverRealRolls_data();
    void boundsOverRealRolls();
    void uniformBeforeFirstRightClick();
    void selfModeFreezesPanel();
    void showRand4();
};

namespace {
// Readers and a draw source that log every call: H, T, O for the readers,
// '*' for a draw.
struct Script
{
    int codes[3];
    QList<int> draws;
    QByteArray log;

    RollRules::Readers readers()
    {
        return {[this] { log += 'H'; return codes[0]; },
                [this] { log += 'T'; return codes[1]; },
                [this] { log += 'O'; return codes[2]; }};
    }
    RollRules::Source source()
    {
        return [this] {
            log += '*';
            return draws.isEmpty() ? 0 : draws.takeFirst();
        };
    }
};
}

void TestRoll::callOrder_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<int>("value");   // -1: self mode, nothing drawn

    // Self-mode check (up to three reads), then the table's rows, each read
    // from hundreds on until a cell fails, then one read and one draw per
    // drawn digit. Draws are 47, 58, 69.
    QTest::newRow("default 9 9 9")
        << QList<int>{9, 9, 9} << QByteArray("HTO" "H" "HT" "HTO" "HT" "H" "H" "H" "HTO" "H*T*O*")
        << 7 * 100 + 8 * 10 + 9;   // 47 % 10, 58 % 10, 69 % 10
    QTest::newRow("hundreds 0") << QList<int>{10, 3, 9} << QByteArray("HTO" "HTO" "T*O*") << 0 * 100 + 2 * 10 + 4;  // 47 % 3, 58 % 9
    QTest::newRow("tens 0") << QList<int>{5, 10, 4} << QByteArray("HTO" "H" "HTO" "H*O*") << 2 * 100 + 0 + 2;
    QTest::newRow("ones 0") << QList<int>{6, 7, 10} << QByteArray("HTO" "H" "HT" "HTO" "H*T*") << 5 * 100 + 2 * 10;
    QTest::newRow("hundreds and tens 0") << QList<int>{10, 10, 4}
                                         << QByteArray("HTO" "HT" "H" "H" "H" "HT" "HTO" "O*") << 3;
    QTest::newRow("all 0") << QList<int>{10, 10, 10} << QByteArray("HTO" "HT" "H" "H" "H" "HT" "HTO" "HTO") << 0;
    QTest::newRow("self hundreds") << QList<int>{15, 9, 9} << QByteArray("H") << -1;
    QTest::newRow("self ones") << QList<int>{9, 9, 20} << QByteArray("HTO") << -1;
}

void TestRoll::callOrder()
{
    QFETCH(QList<int>, codes);
    QFETCH(QByteArray, log);
    QFETCH(int, value);

    Script script{{codes[0], codes[1], codes[2]}, {47, 58, 69}, {}};
    RollRules::Digits digits{1, 2, 3};
    const bool drawn = RollRules::applyCodes(script.readers(), script.source(), digits);
    QCOMPARE(script.log, log);
    QCOMPARE(drawn, value >= 0);
    QCOMPARE(digits.value(), drawn ? value : 123);
}

void TestRoll::uniformDrawsOnesFirst()
{
    Script script{{}, {31, 42, 53, 99}, {}};
    const RollRules::Digits digits = RollRules::uniform(script.source());
    QCOMPARE(script.log, QByteArray("***"));
    QCOMPARE(digits.ones, 1);
    QCOMPARE(digits.tens, 2);
    QCOMPARE(digits.hundreds, 3);
}

// A group with nothing checked reads 0; such a digit is 0 and costs no draw.
void TestRoll::zeroCodeNeverDivides_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("draws");

    QTest::newRow("tens unread, hundreds 0") << QList<int>{10, 0, 5} << 0 * 100 + 0 + 7 % 5 << 1;
    QTest::newRow("all unread") << QList<int>{0, 0, 0} << 0 << 3;   // each drawn below 0 + 1
    QTest::newRow("tens unread, ones 0") << QList<int>{3, 0, 10} << (7 % 3) * 100 << 1;
    QTest::newRow("ones unread, tens 0") << QList<int>{4, 10, 0} << (7 % 4) * 100 << 1;
}

void TestRoll::zeroCodeNeverDivides()
{
    QFETCH(QList<int>, codes);
    QFETCH(int, value);
    QFETCH(int, draws);

    Script script{{codes[0], codes[1], codes[2]}, {7, 7, 7}, {}};
    RollRules::Digits digits;
    QVERIFY(RollRules::applyCodes(script.readers(), script.source(), digits));
    QCOMPARE(digits.value(), value);
    QCOMPARE(script.log.count('*'), draws);
}

void TestRoll::boundsOverRealRolls_data()
{
    QTest::addColumn<QList<int>>("labels");      // hundreds, tens, ones as indices "9".."0"
    QTest::addColumn<QList<int>>("highest");     // highest digit that may come, hundreds first

    QTest::newRow("default") << QList<int>{0, 0, 0} << QList<int>{9, 9, 9};
    QTest::newRow("0 3 9") << QList<int>{9, 6, 0} << QList<int>{0, 2, 8};
    QTest::newRow("0 0 4") << QList<int>{9, 9, 5} << QList<int>{0, 0, 3};
    QTest::newRow("1 1 1") << QList<int>{8, 8, 8} << QList<int>{1, 1, 1};
    QTest::newRow("0 0 0") << QList<int>{9, 9, 9} << QList<int>{0, 0, 0};
    QTest::newRow("5 2 7") << QList<int>{4, 7, 2} << QList<int>{5, 2, 7};
    // One row of the roll table each: a label "0" in the tens, in the ones,
    // in both, in the hundreds and ones.
    QTest::newRow("4 0 6") << QList<int>{5, 9, 3} << QList<int>{3, 0, 5};
    QTest::newRow("7 2 0") << QList<int>{2, 7, 9} << QList<int>{6, 1, 0};
    QTest::newRow("3 0 0") << QList<int>{6, 9, 9} << QList<int>{2, 0, 0};
    QTest::newRow("0 5 0") << QList<int>{9, 4, 9} << QList<int>{0, 4, 0};
}

void TestRoll::boundsOverRealRolls()
{
    QFETCH(QList<int>, labels);
    QFETCH(QList<int>, highest);

    Random panel;
    panel.timer->stop();
    panel.setup_count = 1;
    Setup_config::DigitGroup *groups[] = {&panel.setup->max3_buttons, &panel.setup->max2_buttons,
                                          &panel.setup->max1_buttons};
    StdoutCapture quiet;
    for (int i = 0; i < 3; ++i)
        (*groups[i])[labels[i]]->click();

    QSet<int> seen[3];
    for (int roll = 0; roll < 3000; ++roll) {
        panel.showRand3();
        QCOMPARE(panel.rolled, panel.r3 * 100 + panel.r2 * 10 + panel.r);
        QCOMPARE(panel.intValue(), panel.rolled);
        seen[0].insert(panel.r3);
        seen[1].insert(panel.r2);
        seen[2].insert(panel.r);
    }
    quiet.take();
    for (int i = 0; i < 3; ++i) {
        QSet<int> every;
        for (int d = 0; d <= highest[i]; ++d)
            every.insert(d);
        QCOMPARE(seen[i], every);
    }
}

void TestRoll::uniformBeforeFirstRightClick()
{
    Random panel;
    panel.timer->stop();
    StdoutCapture capture;
    QSet<int> seen;
    for (int roll = 0; roll < 20000; ++roll) {
        panel.showRand3();
        seen.insert(panel.intValue());
    }
    // Nothing asks the settings, so nothing is printed.
    QCOMPARE(capture.take(), QByteArray());
    QCOMPARE(seen.size(), 1000);
    QCOMPARE(*std::min_element(seen.begin(), seen.end()), 0);
    QCOMPARE(*std::max_element(seen.begin(), seen.end()), 999);
}

void TestRoll::selfModeFreezesPanel()
{
    Random panel;
    panel.timer->stop();
    StdoutCapture quiet;
    QTest::mouseClick(&panel, Qt::RightButton);
    panel.showRand3();
    const int frozen = panel.intValue();
    panel.setup->self_mode_button->click();
    for (int roll = 0; roll < 50; ++roll) {
        panel.showRand3();
        QCOMPARE(panel.intValue(), frozen);
    }
    panel.setup->random_mode_button->click();
    QSet<int> seen;
    for (int roll = 0; roll < 50; ++roll) {
        panel.showRand3();
        seen.insert(panel.intValue());
    }
    QVERIFY(seen.size() > 1);
}

void TestRoll::showRand4()
{
    Random panel;
    panel.timer->stop();
    panel.setup_count = 3;
    StdoutCapture capture;
    panel.showRand4();
    QCOMPARE(panel.setup_count, 0);
    QCOMPARE(panel.rolled, panel.r4_thousands * 1000 + panel.r4_hundreds * 100 + panel.r4_tens * 10
                               + panel.r4_ones);
    QCOMPARE(capture.take(), QByteArray());
}

QTEST_MAIN(TestRoll)
#include "tst_roll.moc"
