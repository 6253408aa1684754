#include "elided_label.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "elided_text.h"

ElidedLabel::ElidedLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void ElidedLabel::setFullText(const QString &text)
{
    full = text;
    line = ElidedText::oneLine(text);
    setToolTip(text);
    setAccessibleName(line);
    fit();
    updateGeometry();
}

QSize ElidedLabel::sizeHint() const
{
    const QMargins m = contentsMargins();
    return QSize(fontMetrics().horizontalAdvance(line) + m.left() + m.right() + 2 * margin(),
                 QLabel::sizeHint().height());
}

QSize ElidedLabel::minimumSizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8, QLabel::minimumSizeHint().height());
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void ElidedLabel::keyPressEvent(QKeyEvent *event)
{
    // A cut line copies whole, unless only a part of it was picked.
    if (event->matches(QKeySequence::Copy) && text() != line && (!hasSelectedText() || selectedText() == text())) {
        QGuiApplication::clipboard()->setText(line);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ElidedLabel::fit()
{
    const QFontMetrics metrics = fontMetrics();
    const QString shown = ElidedText::elide(line, contentsRect().width() - 2 * margin(),
                                            [&metrics](const QString &s) { return metrics.horizontalAdvance(s); });
    if (shown != text())
        QLabel::setText(shown);
}
