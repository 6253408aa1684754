#include "random.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>

#include "pattern_report.h"
#include "random_accessible.h"
#include "settings/setting_code.h"
#include "settings/setup_config.h"

namespace {
// The settings dialog, and the windows it opens, live until the process
// ends. Listing them here keeps them reachable once their panel is gone,
// which is what a leak checker needs to tell them from a real leak.
void keepForProgramLifetime(QWidget *window)
{
    static auto *kept = new QList<QWidget *>;
    kept->append(window);
}

void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(RandomAccessible::create);
        return true;
    }();
    Q_UNUSED(installed);
}
}

Random::Random(QWidget *parent)
    : QLCDNumber(parent)
{
    left_count = 1;
    setup_count = 0;
    setSegmentStyle(QLCDNumber::Flat);
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint);
    setWindowTitle(tr("Korvel no Numbers"));
    setToolTip(tr("Left Button click:Nuber Stop.\nRight Button click:Settei menu."));
    // The keys do what the buttons do, so the panel takes the focus.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    installAccessibleFactory();

    // The dialog outlives the panel on purpose: it is hidden, not owned.
    setup = new Setup_config;
    keepForProgramLifetime(setup);

    timer = new QTimer(this);
    connect(timer, SIGNAL(timeout()), this, SLOT(showRand3()));
    timer->start(100);

    showRand3();
    resize(200, 60);
}

Random::~Random() = default;

RollRules::Readers Random::codeReaders() const
{
    Setup_config *dialog = setup;
    return {[dialog] { return dialog->check_ok3(); },
            [dialog] { return dialog->check_ok2(); },
            [dialog] { return dialog->check_ok(); }};
}

void Random::showRand3()
{
    RollRules::Digits digits{r3, r2, r};
    if (setup_count == 0) {
        digits = RollRules::uniform(RollRules::cRand);
    } else if (!RollRules::applyCodes(codeReaders(), RollRules::cRand, digits)) {
        return;  // self mode: the panel keeps its number
    }
    r3 = digits.hundreds;
    r2 = digits.tens;
    r = digits.ones;
    rolled = digits.value();
    display(rolled);
}

void Random::showRand4()
{
    setup_count = 0;
    r4_ones = RollRules::cRand() % 10;
    r4_tens = RollRules::cRand() % 10;
    r4_hundreds = RollRules::cRand() % 10;
    r4_thousands = RollRules::cRand() % 10;
    rolled = r4_thousands * 1000 + r4_hundreds * 100 + r4_tens * 10 + r4_ones;
    display(rolled);
}

QString Random::shownNumber() const
{
    return QStringLiteral("%1").arg(intValue(), 3, 10, QLatin1Char('0'));
}

void Random::mousePressEvent(QMouseEvent *event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        leftAction();
        return;
    case Qt::RightButton:
        rightAction();
        return;
    default:
        return;
    }
}

void Random::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool left = (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
                      && modifiers == Qt::NoModifier;
    const bool right = (key == Qt::Key_Menu && modifiers == Qt::NoModifier)
                       || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
    if (!left && !right) {
        QLCDNumber::keyPressEvent(event);
        return;
    }
    // A held key repeats; only its first press counts as a click.
    if (event->isAutoRepeat() || keysDown.contains(key))
        return;
    keysDown.insert(key);
    if (key == lastReleasedKey && event->timestamp() != 0 && event->timestamp() == lastReleaseTime)
        return;
    if (left)
        leftAction();
    else
        rightAction();
}

void Random::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() && keysDown.remove(event->key())) {
        lastReleasedKey = event->key();
        lastReleaseTime = event->timestamp();
    }
    QLCDNumber::keyReleaseEvent(event);
}

// A key released while another window has the focus (the settings that Menu
// opened, the report box that Space opened) sends its release there.
void Random::focusOutEvent(QFocusEvent *event)
{
    keysDown.clear();
    QLCDNumber::focusOutEvent(event);
}

void Random::leftAction()
{
    ++left_count;
    if (left_count % 2 != 0) {
        timer->start(100);
        showRand3();
        return;
    }
    // Random mode as soon as one code is 10 or less; otherwise self mode.
    if (!SettingCode::isSelfMode(setup->check_ok3()) || !SettingCode::isSelfMode(setup->check_ok2())
        || !SettingCode::isSelfMode(setup->check_ok())) {
        timer->stop();
        showRand3();
        announceNumber();
        return;
    }
    stopAndReport();
}

void Random::rightAction()
{
    ++setup_count;
    setup->show();
}

// The accessible name is the number shown. Screen readers are told of it
// when the roll stops on it, not of the ten changes a second while it rolls.
void Random::announceNumber()
{
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void Random::stopAndReport()
{
    timer->stop();
    const RollRules::Readers codes = codeReaders();
    const char *trace = PatternReport::traceFormat(codes);
    const RollRules::Digits digits = PatternReport::composedDigits(codes);
    r3 = digits.hundreds;
    r2 = digits.tens;
    r = digits.ones;
    std::printf(trace, r3, r2, r);

    const PatternReport::Report found = PatternReport::classify(r3, r2, r);
    straight_no = found.straight;
    int *const boxMembers[] = {&box_no1, &box_no2, &box_no3, &box_no4, &box_no5};
    for (int i = 0; i < found.boxCount; ++i)
        *boxMembers[i] = found.box[i];
    report = PatternReport::fillText(tr(found.text), found);

    display(straight_no);
    announceNumber();
    const QString title = found.translatedTitle ? tr(PatternReport::Title)
                                                : QString::fromLatin1(PatternReport::Title);
    QMessageBox::information(this, title, report, QMessageBox::Ok, QMessageBox::NoButton);
}
