#include "elided_text.h"

#include <QStringList>
#include <QTextBoundaryFinder>

QString ElidedText::oneLine(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(tr("; "));
}

QString ElidedText::elide(const QString &text, int width, const Measure &measure)
{
    if (measure(text) <= width)
        return text;
    const QString mark(QChar(0x2026));
    // The longest start that fits with the mark; widths grow with length.
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (measure(text.left(mid) + mark) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    qsizetype cut = low;
    if (cut > 0 && cut < text.size() && text.at(cut - 1).isHighSurrogate())
        --cut;
    // Back to the last place a line may break, unless that loses more than half.
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    breaks.setPosition(cut);
    if (!breaks.isAtBoundary() && !text.at(cut).isSpace()) {
        const qsizetype before = breaks.toPreviousBoundary();
        if (before > cut / 2)
            cut = before;
    }
    static const QString spent = QStringLiteral(" ,;:\u3001\u3002\uFF0F\uFF1B\uFF1A");
    QString kept = text.left(cut);
    while (!kept.isEmpty() && (kept.back().isSpace() || spent.contains(kept.back())))
        kept.chop(1);
    return kept + mark;
}
