// Every action from the keyboard: a walk through the real windows with keys
// only prints exactly what the same walk by mouse prints; and what a screen
// reader learns of the panel.
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "bought/bought_store.h"
#include "bought/input_serch.h"
#include "display/random.h"
#include "settings/setup_config.h"
#include "support/box_catcher.h"
#include "support/stdout_capture.h"

namespace {
// A key pressed on whatever has the focus, as the window system delivers it.
void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key(code), modifiers);
}

void type(const QString &text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// The digit buttons a walk passes on its way from "9" to the digit it wants,
// moving down, then right, on the keypad 9 8 7 / 6 5 4 / 3 2 1.
const QList<int> Path1{3, 6, 7, 8};  // 6, 3, 2, 1
const QList<int> Path2{3, 6, 7};     // 6, 3, 2
const QList<int> Path3{3, 6};        // 6, 3
}

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void keysDoWhatTheMouseDoes();
    void heldKeyDoesNotToggle_data();
    void heldKeyDoesNotToggle();
    void panelForScreenReaders();

private:
    static QByteArray walk(bool keys, QList<BoxCatcher::Box> &boxes, QStringList &problems);
};

// Start, stop and restart; open the settings; self mode and 1 2 3; stop for
// the report; enter 123 as bought and find it; leave. The window manager's
// part, raising and activating a window, is done by setActiveWindow.
QByteArray TestKeyboard::walk(bool keys, QList<BoxCatcher::Box> &boxes, QStringList &problems)
{
    boughtStore().clear();
    StdoutCapture capture;
    BoxCatcher answer(keys ? BoxCatcher::Answer::Return : BoxCatcher::Answer::Click);
    Random panel(nullptr);
    // Ticks print the codes too, as many as time allows; the walks compare
    // what the actions print, so the roll runs without ticking.
    panel.timer->blockSignals(true);
    panel.show();
    QApplication::setActiveWindow(&panel);
    Setup_config *settings = panel.setup;
    Input_Serch *serch = settings->serch_menu;
    QPushButton *serchButton = nullptr;
    for (QPushButton *b : settings->findChildren<QPushButton *>()) {
        if (b->text() == QLatin1String("serch"))
            serchButton = b;
    }
    // The panel gets real mouse presses; buttons are clicked as a press and
    // release on them would (a press at a radio button's middle may miss
    // its label).
    auto clickPath = [](const Setup_config::DigitGroup &buttons, const QList<int> &path) {
        for (int i : path)
            QTest::mouseClick(buttons[i], Qt::LeftButton);
    };
    auto keyPath = [](const QList<int> &path) {
        // Down to 6 and 3, then right to 2 and 1.
        for (int i = 0; i < path.size(); ++i)
            key(i < 2 ? Qt::Key_Down : Qt::Key_Right);
    };

    if (keys) {
        if (QApplication::focusWidget() != &panel)
            problems << QStringLiteral("the panel has no focus at start");
        key(Qt::Key_Space);
        key(Qt::Key_Space);
        key(Qt::Key_Menu);
        QApplication::setActiveWindow(settings);
        key(Qt::Key_Down);  // Random mode -> self mode
        key(Qt::Key_Tab);   // type
        key(Qt::Key_Tab);   // ones
        keyPath(Path3);
        key(Qt::Key_Tab);   // tens
        keyPath(Path2);
        key(Qt::Key_Tab);   // hundreds
        keyPath(Path1);
        QApplication::setActiveWindow(&panel);
        key(Qt::Key_Return);
        QApplication::setActiveWindow(settings);
        for (int i = 0; i < 3; ++i)
            key(Qt::Key_Tab);  // ok, Version, serch
        key(Qt::Key_Space);
        QApplication::setActiveWindow(serch);
        if (QApplication::focusWidget() != serch->number_edit)
            problems << QStringLiteral("the field has no focus when its window is shown");
        key(Qt::Key_Tab);    // Ok
        key(Qt::Key_Tab);    // the modes, at the checked one: Times to Data
        key(Qt::Key_Up);     // Data to Times
        key(Qt::Key_Up);     // Bought No entry
        if (!serch->entry_radio->isChecked())
            problems << QStringLiteral("the arrow keys do not choose a mode");
        for (int i = 0; i < 3; ++i)
            key(Qt::Key_Tab, Qt::ShiftModifier);  // Clear, Ok, field
        type(QStringLiteral("123"));
        key(Qt::Key_Return);
        for (int i = 0; i < 3; ++i)
            key(Qt::Key_Tab);  // Ok, Clear, the mode last chosen
        key(Qt::Key_Down);     // Bought No serch
        for (int i = 0; i < 2; ++i)
            key(Qt::Key_Tab, Qt::ShiftModifier);  // Ok, field
        type(QStringLiteral("123"));
        key(Qt::Key_Return);
        key(Qt::Key_Escape);
        QApplication::setActiveWindow(settings);
        key(Qt::Key_Escape);
    } else {
        QTest::mouseClick(&panel, Qt::LeftButton);
        QTest::mouseClick(&panel, Qt::LeftButton);
        QTest::mouseClick(&panel, Qt::RightButton);
        settings->self_mode_button->click();
        clickPath(settings->max1_buttons, Path3);
        clickPath(settings->max2_buttons, Path2);
        clickPath(settings->max3_buttons, Path1);
        QTest::mouseClick(&panel, Qt::LeftButton);
        serchButton->click();
        serch->data_to_times_radio->click();
        serch->entry_radio->click();
        QTest::keyClicks(serch->number_edit, QStringLiteral("123"));
        serch->ok_button->click();
        serch->serch_radio->click();
        QTest::keyClicks(serch->number_edit, QStringLiteral("123"));
        serch->ok_button->click();
        serch->close();
        settings->close();
    }
    if (serch->isVisible() || settings->isVisible())
        problems << QStringLiteral("a window is still open");
    if (answer.leftOpen)
        problems << QStringLiteral("%1 boxes did not close").arg(answer.leftOpen);
    boxes = answer.boxes;
    return capture.take();
}

void TestKeyboard::keysDoWhatTheMouseDoes()
{
    QList<BoxCatcher::Box> mouseBoxes;
    QList<BoxCatcher::Box> keyBoxes;
    QStringList mouseProblems;
    QStringList keyProblems;
    const QByteArray byMouse = walk(false, mouseBoxes, mouseProblems);
    const QByteArray byKeys = walk(true, keyBoxes, keyProblems);

    QVERIFY2(mouseProblems.isEmpty(), qPrintable(mouseProblems.join(QLatin1String("; "))));
    QVERIFY2(keyProblems.isEmpty(), qPrintable(keyProblems.join(QLatin1String("; "))));
    QVERIFY(byMouse.contains("pattern 7-1\nr3=1\nr2=2\nr=3\n"));
    QVERIFY(byMouse.contains("bought_no[0]=123,d=1,o=123\n"));
    QCOMPARE(byKeys, byMouse);
    QCOMPARE(keyBoxes.size(), 2);
    QVERIFY(keyBoxes == mouseBoxes);
    QVERIFY(keyBoxes[0].text.contains(QLatin1String("123")));
}

void TestKeyboard::heldKeyDoesNotToggle_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("button");
    QTest::newRow("Space") << int(Qt::Key_Space) << 0 << int(Qt::LeftButton);
    QTest::newRow("Return") << int(Qt::Key_Return) << 0 << int(Qt::LeftButton);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << int(Qt::LeftButton);
    QTest::newRow("Menu") << int(Qt::Key_Menu) << 0 << int(Qt::RightButton);
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << int(Qt::RightButton);
    QTest::newRow("F10") << int(Qt::Key_F10) << 0 << int(Qt::NoButton);
    QTest::newRow("other key") << int(Qt::Key_A) << 0 << int(Qt::NoButton);
}

// A held key repeats its press; only the first one acts, as one click does,
// and a key that means nothing to the panel does nothing. Held once, and
// held again after its release, which acts again as a second click does.
void TestKeyboard::heldKeyDoesNotToggle()
{
    QFETCH(int, code);
    QFETCH(int, modifiers);
    QFETCH(int, button);
    const auto mods = Qt::KeyboardModifiers(modifiers);
    auto run = [&](bool keys, int holds, bool &rolling, int &settingsOpened) {
        StdoutCapture capture;
        Random panel(nullptr);
        panel.show();
        for (int hold = 0; hold < holds; ++hold) {
            QApplication::setActiveWindow(&panel);
            if (!keys) {
                if (button != Qt::NoButton)
                    QTest::mouseClick(&panel, Qt::MouseButton(button));
                continue;
            }
            QTest::keyPress(&panel, Qt::Key(code), mods);
            // The repeats go where the window system sends keys: the window
            // with the focus. Qt marks some as repeats. An X server with
            // detectable auto-repeat sends bare presses, then one release;
            // without, a release and a press at the same instant, every
            // 40 ms, which Qt 6.4 often leaves unmarked.
            auto receiver = [&panel] { return QApplication::focusWidget() ? QApplication::focusWidget() : &panel; };
            auto send = [&](QEvent::Type type, bool marked, quint64 time) {
                QKeyEvent event(type, code, mods, QString(), marked);
                event.setTimestamp(time);
                QApplication::sendEvent(receiver(), &event);
            };
            const quint64 start = 1000 * quint64(hold + 1);
            for (const bool marked : {true, true, false, false})
                send(QEvent::KeyPress, marked, start);
            for (quint64 time = start + 660; time < start + 800; time += 40) {
                send(QEvent::KeyRelease, false, time);
                send(QEvent::KeyPress, false, time);
            }
            send(QEvent::KeyRelease, false, start + 810);
        }
        rolling = panel.timer->isActive();
        settingsOpened = panel.setup_count;
        panel.setup->hide();
        return capture.take();
    };
    for (const int holds : {1, 2}) {
        bool keyRolling = false;
        bool clickRolling = false;
        int keyOpened = 0;
        int clickOpened = 0;
        const QByteArray byKey = run(true, holds, keyRolling, keyOpened);
        const QByteArray byClick = run(false, holds, clickRolling, clickOpened);
        QCOMPARE(byKey, byClick);
        QCOMPARE(keyRolling, clickRolling);
        QCOMPARE(keyOpened, clickOpened);
        if (holds == 1)
            QCOMPARE(keyRolling, button != Qt::LeftButton);
    }
}

void TestKeyboard::panelForScreenReaders()
{
    Random panel(nullptr);
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(&panel);
    QVERIFY(reader);
    QVERIFY(reader->state().focusable);
    panel.display(7);
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("007"));
    panel.display(123);
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("123"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
