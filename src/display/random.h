#ifndef RANDOM_H
#define RANDOM_H

#include <QLCDNumber>
#include <QSet>
#include <QString>

#include "roll_rules.h"

class QTimer;
class Setup_config;

// The main window: an LCD panel that rolls a three-digit number every 100 ms.
// Left click stops and restarts the roll, right click opens the settings;
// Space or Return, and the Menu key or Shift+F10, do the same from the keyboard.
class Random : public QLCDNumber
{
    Q_OBJECT

public:
    explicit Random(QWidget *parent = nullptr);
    ~Random() override;

    // The number on the panel as a player reads it: three digits, "007".
    QString shownNumber() const;

public slots:
    void showRand3();
    void showRand4();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

public:
    int left_count;
    int setup_count;
    QTimer *timer;
    int r = 0;
    int r2 = 0;
    int r3 = 0;
    int r4_ones = 0;
    int r4_tens = 0;
    int r4_hundreds = 0;
    int r4_thousands = 0;
    int rolled = 0;
    int straight_no = 0;
    int box_no1 = 0;
    int box_no2 = 0;
    int box_no3 = 0;
    int box_no4 = 0;
    int box_no5 = 0;
    Setup_config *setup;
    QString report;

private:
    // A held key acts once. The X server repeats it either as bare presses
    // or as a release and a press at the same instant, and Qt does not
    // always mark them as repeats: so the action keys count as down until
    // their own release, and a press at the very moment of its key's last
    // release is that release's repeat.
    QSet<int> keysDown;
    int lastReleasedKey = 0;
    quint64 lastReleaseTime = 0;

    RollRules::Readers codeReaders() const;
    void leftAction();
    void rightAction();
    void stopAndReport();
    void announceNumber();
};

#endif
