#ifndef MISSING_DRAWS_BOX_H
#define MISSING_DRAWS_BOX_H

#include <QGroupBox>
#include <QList>

class QListWidget;
class QListWidgetItem;

// The draws the book lacks, a run of them a line, beside the lookups; it is
// hidden when none are missing. Return on a line asks to bring its first
// draw in.
class MissingDrawsBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit MissingDrawsBox(QWidget *parent = nullptr);

    void showDraws(const QList<int> &missing);

    QListWidget *list;

signals:
    void wanted(int draw);

private:
    void activated(QListWidgetItem *item);
};

#endif
