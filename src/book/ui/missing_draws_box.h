#ifndef MISSING_DRAWS_BOX_H
#define MISSING_DRAWS_BOX_H

#include <QGroupBox>
#include <QList>

#include "game.h"

class QListWidget;
class QListWidgetItem;

// The draws the book lacks, a run of them a line, in a box that pops up
// under the header's count of them (Ctrl+M) and closes with Escape or a
// click elsewhere. Return on a line asks to bring its first draw in.
class MissingDrawsBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit MissingDrawsBox(QWidget *parent = nullptr);

    void showDraws(const QList<int> &missing);
    // A missing draw's ways in: fetched with the rest that is missing
    // (first, when the window fetches), a file, the hand.
    enum WayIn { NotNow, ByFetch, ByFile, ByHand };
    static WayIn askWayIn(QWidget *parent, int draw, Game game, bool canFetch);
    // Shows the list under `below`, kept on its screen, with the keyboard.
    void popUp(QWidget *below);

    QListWidget *list;

signals:
    void wanted(int draw);

private:
    void activated(QListWidgetItem *item);
};

#endif
