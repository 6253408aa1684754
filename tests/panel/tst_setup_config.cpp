// The settings dialog: its widgets, the digit setting codes its readers
// return and the trace lines they print.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "settings/setting_code.h"
#include "settings/setup_config.h"
#include "support/box_catcher.h"
#include "support/stdout_capture.h"

class TestSetupConfig : public QObject
{
    Q_OBJECT

private slots:
    void codeTable_data();
    void codeTable();
    void testOrder_data();
    void testOrder();
    void defaults();
    void layout();
    void focusOrder();
    void digitClickPrintsOnce();
    void unusableButtons();
    void okHidesKeepingSelections();
    void versionBox();
    void slotOrder();
};

namespace {
struct Reader
{
    const char *name;
    Setup_config::DigitGroup Setup_config::*group;
    int (Setup_config::*read)();
    bool methodForAllSelf;  // the hundreds reader prints every self code with "method="
};

const Reader Readers[] = {
    {"check_ok", &Setup_config::max1_buttons, &Setup_config::check_ok, false},
    {"check_ok2", &Setup_config::max2_buttons, &Setup_config::check_ok2, false},
    {"check_ok3", &Setup_config::max3_buttons, &Setup_config::check_ok3, true},
};

const char *const Labels[] = {"9", "8", "7", "6", "5", "4", "3", "2", "1", "0"};
}

void TestSetupConfig::codeTable_data()
{
    QTest::addColumn<int>("reader");
    QTest::addColumn<int>("label");
    QTest::addColumn<bool>("self");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("trace");

    const int randomCodes[] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 10};
    const int selfCodes[] = {19, 18, 17, 16, 15, 14, 13, 12, 11, 20};
    for (int reader = 0; reader < 3; ++reader) {
        for (int label = 0; label < 10; ++label) {
            for (bool self : {false, true}) {
                const int code = self ? selfCodes[label] : randomCodes[label];
                const bool method = code == 20 || (self && Readers[reader].methodForAllSelf);
                const QByteArray trace = (method ? "method=" : "") + QByteArray::number(code) + '\n';
                QTest::addRow("%s %s %s", Readers[reader].name, Labels[label], self ? "self" : "random")
                    << reader << label << self << code << trace;
            }
        }
    }
}

void TestSetupConfig::codeTable()
{
    QFETCH(int, reader);
    QFETCH(int, label);
    QFETCH(bool, self);
    QFETCH(int, code);
    QFETCH(QByteArray, trace);

    Setup_config dialog;
    const Reader &r = Readers[reader];
    StdoutCapture quiet;
    (self ? dialog.self_mode_button : dialog.random_mode_button)->click();
    (dialog.*r.group)[label]->click();
    quiet.take();

    StdoutCapture capture;
    QCOMPARE((dialog.*r.read)(), code);
    QCOMPARE(capture.take(), trace);
}

// The twenty tests run self mode first, each mode from "9" down to "0";
// several checked labels can only happen outside the window.
void TestSetupConfig::testOrder_data()
{
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<bool>("self");
    QTest::addColumn<bool>("random");
    QTest::addColumn<int>("code");

    QTest::newRow("9 and 0, self") << QList<int>{0, 9} << true << false << 19;
    QTest::newRow("1 and 0, random") << QList<int>{8, 9} << false << true << 1;
    QTest::newRow("both modes") << QList<int>{4} << true << true << 15;
    QTest::newRow("no label") << QList<int>{} << true << true << 0;
    QTest::newRow("no mode") << QList<int>{3} << false << false << 0;
}

void TestSetupConfig::testOrder()
{
    QFETCH(QList<int>, checked);
    QFETCH(bool, self);
    QFETCH(bool, random);
    QFETCH(int, code);

    SettingCode::DigitButtons buttons{};
    for (int index : checked)
        buttons[index] = true;
    QCOMPARE(SettingCode::code(buttons, self, random), code);
}

void TestSetupConfig::defaults()
{
    Setup_config dialog;
    QCOMPARE(dialog.size(), QSize(540, 250));
    QVERIFY(dialog.isHidden());
    QVERIFY(dialog.random_mode_button->isChecked());
    QCOMPARE(dialog.random_mode_button->toolTip(), QStringLiteral("Rundom mode"));
    QVERIFY(dialog.numbers3_button->isChecked());
    QVERIFY(!dialog.numbers4_button->isEnabled());
    QVERIFY(dialog.max4_box->isHidden());
    // What a screen reader calls each digit group.
    QCOMPARE(dialog.max1_box->accessibleName(), QStringLiteral("ones digit"));
    QCOMPARE(dialog.max2_box->accessibleName(), QStringLiteral("tens digit"));
    QCOMPARE(dialog.max3_box->accessibleName(), QStringLiteral("hundreds digit"));
}

void TestSetupConfig::layout()
{
    Setup_config dialog;
    auto *rows = qobject_cast<QVBoxLayout *>(dialog.layout());
    QVERIFY(rows);
    QCOMPARE(rows->count(), 3);
    auto widgetsOf = [](QLayout *row) {
        QList<QWidget *> widgets;
        for (int i = 0; i < row->count(); ++i)
            widgets << row->itemAt(i)->widget();
        return widgets;
    };
    QCOMPARE(widgetsOf(rows->itemAt(0)->layout()),
             (QList<QWidget *>{dialog.mode_box, dialog.type_box}));
    // Inside the groups, top to bottom.
    QCOMPARE(widgetsOf(dialog.mode_box->layout()),
             (QList<QWidget *>{dialog.random_mode_button, dialog.self_mode_button}));
    QCOMPARE(widgetsOf(dialog.type_box->layout()),
             (QList<QWidget *>{dialog.numbers3_button, dialog.numbers4_button}));
    QCOMPARE(widgetsOf(rows->itemAt(1)->layout()),
             (QList<QWidget *>{dialog.max1_box, dialog.max2_box, dialog.max3_box, dialog.max4_box}));
    QStringList buttons;
    for (QWidget *w : widgetsOf(rows->itemAt(2)->layout()))
        buttons << qobject_cast<QPushButton *>(w)->text();
    QCOMPARE(buttons, (QStringList{"ok", "Version", "serch", "help"}));

    // Each digit group reads like a telephone keypad.
    for (QGroupBox *box : {dialog.max1_box, dialog.max2_box, dialog.max3_box, dialog.max4_box}) {
        QStringList keypad;
        QLayout *group = box->layout();
        for (int row = 0; row < group->count(); ++row) {
            QStringList line;
            for (QWidget *w : widgetsOf(group->itemAt(row)->layout()))
                line << qobject_cast<QRadioButton *>(w)->text();
            keypad << line.join(' ');
        }
        QCOMPARE(keypad, (QStringList{"9 8 7", "6 5 4", "3 2 1", "# * 0"}));
    }
}

// The keyboard walks the dialog as it reads, left to right and top to
// bottom: the mode pair, the type pair, the digit groups from the ones (the
// leftmost) to the hundreds, the push buttons as they stand.
void TestSetupConfig::focusOrder()
{
    Setup_config dialog;
    QStringList order;
    for (QWidget *w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain()) {
        auto *button = qobject_cast<QAbstractButton *>(w);
        if (!button)
            continue;
        QString name = button->text();
        for (auto [group, digits] : {std::pair{&dialog.max4_buttons, "4:"}, {&dialog.max3_buttons, "3:"},
                                     {&dialog.max2_buttons, "2:"}, {&dialog.max1_buttons, "1:"}})
            if (group->front()->parent() == button->parent())
                name.prepend(QLatin1String(digits));
        order << name;
    }
    QStringList expected{"Random mode", "self mode", "Numbers3", "Numbers4"};
    for (const char *digits : {"1:", "2:", "3:"})
        for (const char *label : {"9", "8", "7", "6", "5", "4", "3", "2", "1", "0", "#", "*"})
            expected << QLatin1String(digits) + QLatin1String(label);
    expected << "ok" << "Version" << "serch" << "help";
    // The hidden thousands group takes no focus: wherever it stands in the
    // chain, only the order of the others counts.
    order.erase(std::remove_if(order.begin(), order.end(), [](const QString &n) { return n.startsWith("4:"); }),
                order.end());
    QCOMPARE(order, expected);
}

void TestSetupConfig::digitClickPrintsOnce()
{
    Setup_config dialog;
    dialog.self_mode_button->click();
    StdoutCapture capture;
    dialog.max3_buttons[4]->click();   // "5" of the hundreds
    dialog.max2_buttons[9]->click();   // "0" of the tens
    dialog.max1_buttons[2]->click();   // "7" of the ones
    dialog.random_mode_button->click();  // the mode pair prints nothing itself
    QCOMPARE(capture.take(), QByteArray("method=15\nmethod=20\n17\n"));
}

void TestSetupConfig::unusableButtons()
{
    Setup_config dialog;
    StdoutCapture capture;
    for (auto *group : {&dialog.max1_buttons, &dialog.max2_buttons, &dialog.max3_buttons}) {
        (*group)[10]->click();
        (*group)[11]->click();
        QVERIFY(!(*group)[10]->isChecked());
        QVERIFY(!(*group)[11]->isChecked());
        QVERIFY((*group)[0]->isChecked());
    }
    dialog.numbers4_button->click();
    QVERIFY(dialog.numbers3_button->isChecked());
    dialog.max4_buttons[9]->click();  // hidden group: never read
    QCOMPARE(capture.take(), QByteArray());
    QCOMPARE(dialog.check_ok(), 9);
}

void TestSetupConfig::okHidesKeepingSelections()
{
    Setup_config dialog;
    dialog.show();
    dialog.self_mode_button->click();
    StdoutCapture quiet;
    dialog.max1_buttons[6]->click();
    auto *ok = dialog.findChildren<QPushButton *>().at(0);
    QCOMPARE(ok->text(), QStringLiteral("ok"));
    dialog.setResult(5);
    ok->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    dialog.show();
    QCOMPARE(dialog.check_ok(), 13);
}

void TestSetupConfig::versionBox()
{
    Setup_config dialog;
    dialog.show();
    BoxCatcher catcher;
    QPushButton *version = dialog.findChildren<QPushButton *>().at(1);  // ok, Version, serch, help
    QCOMPARE(version->text(), QStringLiteral("Version"));
    version->click();
    QCOMPARE(catcher.boxes.size(), 1);
    QCOMPARE(catcher.boxes[0].title, QStringLiteral("Version"));
    QVERIFY(catcher.boxes[0].text.startsWith(QLatin1String("Version:Numbers3 1.1.1")));
}

void TestSetupConfig::slotOrder()
{
    const QMetaObject &meta = Setup_config::staticMetaObject;
    QStringList names;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        names << QString::fromLatin1(meta.method(i).methodSignature());
    QCOMPARE(names, (QStringList{"show_Version()", "Push_button()", "check_ok()", "check_ok2()",
                                 "check_ok3()", "push_serch()", "help_exe()"}));
}

QTEST_MAIN(TestSetupConfig)
#include "tst_setup_config.moc"
