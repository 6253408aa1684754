// The bought-number window driven as a user would: mode buttons, typing,
// Ok and Clear, with every box read and closed.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QGroupBox>
#include <QVBoxLayout>
#include <QtTest>

#include "bought/bought_store.h"
#include "bought/click_sound.h"
#include "bought/input_serch.h"
#include "support/box_catcher.h"
#include "support/stdout_capture.h"

class TestInputSerch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstShow();
    void layoutAndFocusOrder();
    void answers_data();
    void answers();
    void checkMode_data();
    void checkMode();
    void serchAndClearTraces();
    void fullStoreRefusesEntry();
    void slotOrder();
    void clickPlayerLoadsOnFirstPlay_data();
    void clickPlayerLoadsOnFirstPlay();
    void modeClickPlaysTheClick();

private:
    static QRadioButton *modeButton(Input_Serch &window, const QString &mode);
};

namespace {
QString boxLine(const BoxCatcher::Box &box)
{
    return box.title + QLatin1Char('|') + box.text;
}
}

void TestInputSerch::init()
{
    boughtStore().clear();
}

QRadioButton *TestInputSerch::modeButton(Input_Serch &window, const QString &mode)
{
    if (mode == QLatin1String("entry"))
        return window.entry_radio;
    if (mode == QLatin1String("serch"))
        return window.serch_radio;
    if (mode == QLatin1String("data"))
        return window.data_to_times_radio;
    return window.times_to_data_radio;
}

void TestInputSerch::firstShow()
{
    Input_Serch window;
    window.show();
    QCOMPARE(window.size(), QSize(300, 180));
    QVERIFY(window.times_to_data_radio->isChecked());
    QCOMPARE(window.field_label->text(), QStringLiteral("No"));
    QCOMPARE(window.number_edit->maxLength(), 4);
    QVERIFY(window.ok_button->isVisible());
    QVERIFY(!window.clear_button->isVisible());
    QVERIFY(!window.serch_radio->isVisible());
    QCOMPARE(window.data_to_times_radio->toolTip(), QStringLiteral("change to times from data"));
}

// Rows and the mode group by position, and the keyboard's walk: from the
// field to its buttons, then down the modes.
void TestInputSerch::layoutAndFocusOrder()
{
    Input_Serch window;
    const auto widgetsOf = [](QLayout *layout) {
        QList<QWidget *> widgets;
        for (int i = 0; layout && i < layout->count(); ++i)
            widgets << layout->itemAt(i)->widget();
        return widgets;
    };
    auto *rows = qobject_cast<QVBoxLayout *>(window.layout());
    QVERIFY(rows);
    QCOMPARE(rows->count(), 3);
    QCOMPARE(widgetsOf(rows->itemAt(0)->layout()),
             (QList<QWidget *>{window.field_label, window.number_edit, window.ok_button, window.clear_button}));
    QCOMPARE(widgetsOf(rows->itemAt(1)->layout()), (QList<QWidget *>{window.mode_group}));
    QCOMPARE(widgetsOf(rows->itemAt(2)->layout()), QList<QWidget *>());
    QCOMPARE(widgetsOf(window.mode_group->layout()),
             (QList<QWidget *>{window.entry_radio, window.serch_radio, window.data_to_times_radio,
                               window.times_to_data_radio}));
    QList<QWidget *> order;
    for (QWidget *w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus)
            order << w;
    QCOMPARE(order, (QList<QWidget *>{window.number_edit, window.ok_button, window.clear_button, window.entry_radio,
                                      window.serch_radio, window.data_to_times_radio, window.times_to_data_radio}));
}

void TestInputSerch::answers_data()
{
    QTest::addColumn<QStringList>("steps");   // "mode:typed text", each followed by Ok
    QTest::addColumn<QStringList>("boxes");   // "title|text" of every box, in order
    QTest::addColumn<QString>("field");       // the field's text at the end
    QTest::addColumn<QList<int>>("store");

    const QString noData = QStringLiteral("Error|No Data");
    QTest::newRow("times 1") << QStringList{"times:1"} << QStringList{"serch result|1 times data is 191"} << ""
                             << QList<int>{};
    QTest::newRow("times 2000") << QStringList{"times:2000"} << QStringList{"serch result|2000 times data is 440"}
                                << "" << QList<int>{};
    QTest::newRow("times 197") << QStringList{"times:197"} << QStringList{"serch result|197 times data is 7287"}
                               << "" << QList<int>{};
    QTest::newRow("times 346") << QStringList{"times:346"} << QStringList{"serch result|346 times data is 0"}
                               << "" << QList<int>{};
    QTest::newRow("times 0007") << QStringList{"times:0007"} << QStringList{"serch result|7 times data is 708"}
                                << "" << QList<int>{};
    for (const char *bad : {"0", "2001", "", "-5", "abc", "+-1"})
        QTest::addRow("times refused '%s'", bad) << QStringList{QStringLiteral("times:") + bad}
                                                 << QStringList{noData} << QString(bad) << QList<int>{};

    QTest::newRow("data 191") << QStringList{"data:191"} << QStringList{"information|There  are 2 times"} << "191"
                              << QList<int>{};
    QTest::newRow("data 638") << QStringList{"data:638"} << QStringList{"information|There  are 8 times"} << "638"
                              << QList<int>{};
    QTest::newRow("data 123") << QStringList{"data:123"} << QStringList{"information|There aren't No Namber"}
                              << "123" << QList<int>{};
    for (const char *bad : {"000", "0", "-12", "", "x"})
        QTest::addRow("data refused '%s'", bad) << QStringList{QStringLiteral("data:") + bad}
                                                << QStringList{noData} << QString(bad) << QList<int>{};

    QTest::newRow("7, 007, serch 7") << QStringList{"entry:7", "entry:007", "serch:7"}
                                     << QStringList{"serch result|There are hit:2 times "} << "7" << QList<int>{7, 7};
    QTest::newRow("serch twice") << QStringList{"entry:5", "serch:5", "serch:5"}
                                 << QStringList{"serch result|There are hit:1 times ",
                                                "serch result|There are hit:1 times "}
                                 << "5" << QList<int>{5};
    QTest::newRow("serch never bought") << QStringList{"entry:5", "serch:6"}
                                        << QStringList{"serch result|There are no hit"} << "6" << QList<int>{5};
    QTest::newRow("serch empty") << QStringList{"entry:5", "serch:"} << QStringList{noData} << ""
                                 << QList<int>{5};
    QTest::newRow("entry -12") << QStringList{"entry:-12"} << QStringList{} << "" << QList<int>{-12};
    for (const char *bad : {"000", "", "abc", "-0"})
        QTest::addRow("entry refused '%s'", bad) << QStringList{QStringLiteral("entry:") + bad}
                                                 << QStringList{noData} << QString(bad) << QList<int>{};
}

void TestInputSerch::answers()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, boxes);
    QFETCH(QString, field);
    QFETCH(QList<int>, store);

    Input_Serch window;
    window.show();
    BoxCatcher catcher;
    StdoutCapture quiet;
    for (const QString &step : steps) {
        const QString mode = step.section(QLatin1Char(':'), 0, 0);
        QRadioButton *button = modeButton(window, mode);
        if (!button->isChecked())
            button->click();
        window.number_edit->clear();
        QTest::keyClicks(window.number_edit, step.section(QLatin1Char(':'), 1));
        window.ok_button->click();
    }
    quiet.take();

    QStringList seen;
    for (const BoxCatcher::Box &box : catcher.boxes)
        seen << boxLine(box);
    QCOMPARE(seen, boxes);
    QCOMPARE(window.number_edit->text(), field);
    const BoughtStore &stored = boughtStore();
    QCOMPARE(stored.bought_count, store.size());
    for (int i = 0; i < store.size(); ++i)
        QCOMPARE(stored.bought_no[i], store[i]);
    QCOMPARE(window.entry_radio->text(), QStringLiteral("Bought No entry(%1)").arg(store.size()));
    QCOMPARE(window.serch_radio->isVisible(), !store.isEmpty());
}

void TestInputSerch::checkMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("clearShown");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("trace");
    QTest::addColumn<int>("result");

    // Each starts from entry mode with "12" typed and one number stored.
    QTest::newRow("data") << "data" << false << "" << 3 << "Data" << QByteArray("data to times=1\n") << 1;
    QTest::newRow("times") << "times" << false << "" << 4 << "No" << QByteArray("times to data=2\n") << 2;
    QTest::newRow("entry again") << "entry" << true << "" << 3 << "Input Bought No" << QByteArray() << 0;
    QTest::newRow("serch") << "serch" << false << "12" << 3 << "Input Bought No" << QByteArray() << 3;
}

void TestInputSerch::checkMode()
{
    QFETCH(QString, mode);
    QFETCH(bool, clearShown);
    QFETCH(QString, field);
    QFETCH(int, maxLength);
    QFETCH(QString, label);
    QFETCH(QByteArray, trace);
    QFETCH(int, result);

    Input_Serch window;
    window.show();
    boughtStore().add(40);
    window.serch_radio->show();
    window.entry_radio->click();
    QTest::keyClicks(window.number_edit, QStringLiteral("12"));

    StdoutCapture capture;
    modeButton(window, mode)->click();
    QCOMPARE(capture.take(), trace);
    QCOMPARE(window.clear_button->isVisible(), clearShown);
    QCOMPARE(window.number_edit->text(), field);
    QCOMPARE(window.number_edit->maxLength(), maxLength);
    QCOMPARE(window.field_label->text(), label);

    StdoutCapture again;
    QCOMPARE(window.Check_mode(), result);
    again.take();
}

void TestInputSerch::serchAndClearTraces()
{
    Input_Serch window;
    window.show();
    BoxCatcher catcher;
    window.entry_radio->click();
    for (const char *number : {"7", "007", "5"}) {
        QTest::keyClicks(window.number_edit, QString::fromLatin1(number));
        window.ok_button->click();
    }
    window.serch_radio->click();
    QTest::keyClicks(window.number_edit, QStringLiteral("7"));
    StdoutCapture serch;
    window.ok_button->click();
    QCOMPARE(serch.take(), QByteArray("bought_no[0]=7,d=2,o=7\nbought_no[1]=7,d=2,o=7\nbought_no[2]=5,d=2,o=7\n"));

    window.entry_radio->click();
    StdoutCapture clear;
    window.clear_button->click();
    QCOMPARE(clear.take(), QByteArray("bout_no[0]=0\nbout_no[1]=0\nbout_no[2]=0\n"));
    QCOMPARE(window.entry_radio->text(), QStringLiteral("Bought No entry(0)"));
    QVERIFY(!window.serch_radio->isVisible());
    QVERIFY(window.entry_radio->isChecked());

    // Clear on an empty store prints nothing.
    boughtStore().clear();
    window.entry_radio->click();
    StdoutCapture empty;
    window.clear_button->click();
    QCOMPARE(empty.take(), QByteArray());
}

void TestInputSerch::fullStoreRefusesEntry()
{
    Input_Serch window;
    window.show();
    BoxCatcher catcher;
    for (int i = 0; i < BoughtStore::Capacity - 1; ++i)
        QVERIFY(boughtStore().add(i + 1));
    window.entry_radio->click();
    QTest::keyClicks(window.number_edit, QStringLiteral("321"));
    window.ok_button->click();
    QVERIFY(catcher.boxes.isEmpty());
    QCOMPARE(boughtStore().bought_count, 1000);
    QCOMPARE(boughtStore().bought_no[999], 321);
    QCOMPARE(window.entry_radio->text(), QStringLiteral("Bought No entry(1000)"));

    QTest::keyClicks(window.number_edit, QStringLiteral("654"));
    window.ok_button->click();
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].title, QStringLiteral("Error"));
    QVERIFY2(catcher.boxes[0].text.contains(QLatin1String("full")), qPrintable(catcher.boxes[0].text));
    QCOMPARE(boughtStore().bought_count, 1000);
    QCOMPARE(boughtStore().bought_no[999], 321);
    QCOMPARE(window.number_edit->text(), QStringLiteral("654"));
    QCOMPARE(window.entry_radio->text(), QStringLiteral("Bought No entry(1000)"));
}

void TestInputSerch::slotOrder()
{
    const QMetaObject &meta = Input_Serch::staticMetaObject;
    QStringList names;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        names << QString::fromLatin1(meta.method(i).methodSignature());
    QCOMPARE(names, (QStringList{"Push_ok()", "Check_mode()", "All_data_clear()"}));
}

// The player comes from the module beside the program, on the first click
// only; without a sound file there is none, and the clicks stay silent.
void TestInputSerch::clickPlayerLoadsOnFirstPlay_data()
{
    QTest::addColumn<QString>("wav");
    QTest::addColumn<bool>("loads");
    QTest::newRow("the click") << "wav/check.wav" << true;
    QTest::newRow("no such file") << "wav/none.wav" << false;
}

void TestInputSerch::clickPlayerLoadsOnFirstPlay()
{
    QFETCH(QString, wav);
    QFETCH(bool, loads);
    ClickSound click(wav);
    QVERIFY(!click.hasPlayer());
    for (int i = 0; i < 20; ++i)
        click.play();
    QCOMPARE(click.hasPlayer(), loads);
    QTest::qWait(50);
}

// A click on a mode plays wav/check.wav from the working directory.
void TestInputSerch::modeClickPlaysTheClick()
{
    Input_Serch window;
    auto *click = window.findChild<ClickSound *>();
    QVERIFY(click && !click->hasPlayer());
    StdoutCapture quiet;
    window.data_to_times_radio->click();
    quiet.take();
    QObject *player = click->findChild<QObject *>();
    QVERIFY(player);
    // Once checked, the player is handed the name the program always gave it.
    QCOMPARE(player->property("source").toUrl(), QUrl::fromLocalFile(QStringLiteral("wav/check.wav")));
    QVERIFY(player->property("playing").toBool());
}

QTEST_MAIN(TestInputSerch)
#include "tst_input_serch.moc"
