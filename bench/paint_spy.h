#ifndef PAINT_SPY_H
#define PAINT_SPY_H

#include <QEvent>
#include <QObject>

// Counts the paint events of the widget it filters: a benchmark waits for
// the next one to know a change has reached the screen.
class PaintSpy : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

#endif
