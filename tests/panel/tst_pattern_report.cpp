// Stopping the panel: click parity, the self-mode report with its box and
// trace line, and the report kinds over every three-digit number.
#include <QRadioButton>
#include <QSet>
#include <QtTest>

#include "display/pattern_report.h"
#include "display/random.h"
#include "settings/setup_config.h"
#include "support/box_catcher.h"
#include "support/stdout_capture.h"

using PatternReport::Kind;

class TestPatternReport : public QObject
{
    Q_OBJECT

private slots:
    void kindsOverAllNumbers();
    void reportThroughClicks_data();
    void reportThroughClicks();
    void untouchedBoxMembersKeepValues();
    void clickParity();
    void rightClickWhileStopped();
    void middleClickDoesNothing();
    void panelLook();
};

void TestPatternReport::kindsOverAllNumbers()
{
    QHash<Kind, int> counts;
    for (int n = 0; n < 1000; ++n) {
        const int h = n / 100, t = n / 10 % 10, o = n % 10;
        const PatternReport::Report report = PatternReport::classify(h, t, o);
        ++counts[report.kind];
        QCOMPARE(report.straight, n);

        auto digitsOf = [](int v) {
            QList<int> d{v / 100, v / 10 % 10, v % 10};
            std::sort(d.begin(), d.end());
            return d;
        };
        QSet<int> boxes;
        for (int i = 0; i < report.boxCount; ++i) {
            const int box = report.box[i];
            QVERIFY2(digitsOf(box) == digitsOf(n), qPrintable(QString("%1 -> %2").arg(n).arg(box)));
            QVERIFY(box != n);
            boxes.insert(box);
        }
        QCOMPARE(boxes.size(), report.boxCount);
        // Every other order of the digits is listed.
        QSet<int> orders;
        const int d[3] = {h, t, o};
        const int perms[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
        for (const auto &p : perms)
            orders.insert(d[p[0]] * 100 + d[p[1]] * 10 + d[p[2]]);
        orders.remove(n);
        QCOMPARE(boxes, orders);
    }
    QCOMPARE(counts[Kind::Triple], 10);
    QCOMPARE(counts[Kind::OnesEqualTens], 90);
    QCOMPARE(counts[Kind::OnesEqualHundreds], 90);
    QCOMPARE(counts[Kind::TensEqualHundreds], 90);
    QCOMPARE(counts[Kind::AllDifferent], 720);
}

void TestPatternReport::reportThroughClicks_data()
{
    QTest::addColumn<QString>("labels");
    QTest::addColumn<QByteArray>("trace");
    QTest::addColumn<int>("panel");
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<QString>("text");

    QTest::newRow("1 2 3") << "123" << QByteArray("pattern 7-1\nr3=1\nr2=2\nr=3\n") << 123
                           << QList<int>{132, 213, 231, 321, 312}
                           << "Strate:123\nBox No1:132\nBox No2:213\nBox No3:231\nBox No4:321\nBox No5:312\n";
    QTest::newRow("0 5 5") << "055" << QByteArray("pattern 10\nr3=0\nr2=5\nr=5\n") << 55
                           << QList<int>{505, 550} << "Strate & box pattern:55\nBox No1:505\nBox No2:550";
    QTest::newRow("3 0 3") << "303" << QByteArray("pattern 9\nr3=3\nr2=0\nr=3\n") << 303
                           << QList<int>{33, 330} << "Strate & box pattern:303 Box No1:33\nBox No2:330";
    QTest::newRow("4 4 0") << "440" << QByteArray("pattern 8\nr3=4\nr2=4\nr=0\n") << 440
                           << QList<int>{404, 44} << "Strate & box pattern:440Box No1:404\nBox No2:44";
    QTest::newRow("7 7 7") << "777" << QByteArray("pattern 7-1\nr3=7\nr2=7\nr=7\n") << 777
                           << QList<int>{} << "Strate & box pattern:777";
    QTest::newRow("0 0 6") << "006" << QByteArray("pattern 7-1\nr3=0\nr2=0\nr=6\n") << 6
                           << QList<int>{60, 600} << "Strate & box pattern:6Box No1:60\nBox No2:600";
    QTest::newRow("0 0 0") << "000" << QByteArray("pattern 7-1\nr3=0\nr2=0\nr=0\n") << 0
                           << QList<int>{} << "Strate & box pattern:0";
}

void TestPatternReport::reportThroughClicks()
{
    QFETCH(QString, labels);
    QFETCH(QByteArray, trace);
    QFETCH(int, panel);
    QFETCH(QList<int>, boxes);
    QFETCH(QString, text);

    Random random;
    Setup_config *dialog = random.setup;
    StdoutCapture quiet;
    QTest::mouseClick(&random, Qt::RightButton);  // as a user would open the settings
    dialog->self_mode_button->click();
    Setup_config::DigitGroup *groups[] = {&dialog->max3_buttons, &dialog->max2_buttons,
                                          &dialog->max1_buttons};
    for (int i = 0; i < 3; ++i) {
        const int digit = labels[i].digitValue();
        (*groups[i])[digit == 0 ? 9 : 9 - digit]->click();
    }
    quiet.take();

    BoxCatcher catcher;
    StdoutCapture capture;
    QTest::mouseClick(&random, Qt::LeftButton);
    const QByteArray out = capture.take();

    QVERIFY2(out.endsWith(trace), out.constData());
    QVERIFY(!random.timer->isActive());
    QCOMPARE(random.left_count, 2);
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].title, QStringLiteral("Box Pattern"));
    QCOMPARE(catcher.boxes[0].text, text);
    QCOMPARE(catcher.boxes[0].buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(random.report, text);
    QCOMPARE(random.intValue(), panel);
    QCOMPARE(random.straight_no, panel);
    const int members[] = {random.box_no1, random.box_no2, random.box_no3, random.box_no4, random.box_no5};
    for (int i = 0; i < boxes.size(); ++i)
        QCOMPARE(members[i], boxes[i]);

    // The restarted roll leaves the composed number alone in self mode.
    QTest::mouseClick(&random, Qt::LeftButton);
    QVERIFY(random.timer->isActive());
    QCOMPARE(random.intValue(), panel);
    QCOMPARE(catcher.boxes.size(), 1);
}

void TestPatternReport::untouchedBoxMembersKeepValues()
{
    Random random;
    random.box_no3 = 111;
    random.box_no4 = 222;
    random.box_no5 = 333;
    StdoutCapture quiet;
    random.setup->self_mode_button->click();
    BoxCatcher catcher;
    QTest::mouseClick(&random, Qt::LeftButton);  // 9 9 9: a triple
    quiet.take();
    QCOMPARE(random.straight_no, 999);
    QCOMPARE(random.box_no3, 111);
    QCOMPARE(random.box_no5, 333);
}

void TestPatternReport::clickParity()
{
    Random random;
    BoxCatcher catcher;
    StdoutCapture capture;
    QVERIFY(random.timer->isActive());
    QTest::mouseClick(&random, Qt::LeftButton);
    QVERIFY(!random.timer->isActive());
    QCOMPARE(random.intValue(), random.rolled);
    QTest::mouseClick(&random, Qt::LeftButton);
    QVERIFY(random.timer->isActive());
    QCOMPARE(random.timer->interval(), 100);
    QTest::mouseClick(&random, Qt::LeftButton);
    QVERIFY(!random.timer->isActive());
    QCOMPARE(random.left_count, 4);
    QVERIFY(catcher.boxes.isEmpty());
    // Each stop asks the hundreds reader once and stops there: Random mode.
    QCOMPARE(capture.take(), QByteArray("9\n9\n"));
}

void TestPatternReport::rightClickWhileStopped()
{
    Random random;
    QTest::mouseClick(&random, Qt::LeftButton);
    QTest::mouseClick(&random, Qt::RightButton);
    QCOMPARE(random.setup_count, 1);
    QVERIFY(random.setup->isVisible());
    QVERIFY(!random.timer->isActive());
    QTest::mouseClick(&random, Qt::RightButton);
    QCOMPARE(random.setup_count, 2);
    random.setup->hide();
}

void TestPatternReport::middleClickDoesNothing()
{
    Random random;
    StdoutCapture capture;
    const int shown = random.intValue();
    QTest::mouseClick(&random, Qt::MiddleButton);
    QCOMPARE(random.left_count, 1);
    QCOMPARE(random.setup_count, 0);
    QVERIFY(random.timer->isActive());
    QVERIFY(random.setup->isHidden());
    QCOMPARE(random.intValue(), shown);
    QCOMPARE(capture.take(), QByteArray());
}

void TestPatternReport::panelLook()
{
    Random random;
    QCOMPARE(random.size(), QSize(200, 60));
    QCOMPARE(random.segmentStyle(), QLCDNumber::Flat);
    QCOMPARE(random.digitCount(), 5);
    QVERIFY(random.setup->isHidden());
    QCOMPARE(random.timer->interval(), 100);
    const QMetaObject &meta = Random::staticMetaObject;
    QCOMPARE(meta.method(meta.methodOffset()).methodSignature(), QByteArray("showRand3()"));
    QCOMPARE(meta.method(meta.methodOffset() + 1).methodSignature(), QByteArray("showRand4()"));
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 2);
}

QTEST_MAIN(TestPatternReport)
#include "tst_pattern_report.moc"
