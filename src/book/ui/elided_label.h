#ifndef ELIDED_LABEL_H
#define ELIDED_LABEL_H

#include <QLabel>

// A header line that keeps to one line of the room it is given: the text is
// cut at a word with an ellipsis rather than at the window's edge, and its
// tooltip, a screen reader and Ctrl+C have it whole. Lines given apart show
// as one and stay apart in the tooltip.
class ElidedLabel : public QLabel
{
public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    QString fullText() const { return full; }

    // As wide as the whole text, yet willing to shrink to a few letters.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fit();

    QString full;
    QString line;  // full on one line
};

#endif
