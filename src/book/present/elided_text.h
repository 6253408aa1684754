#ifndef ELIDED_TEXT_H
#define ELIDED_TEXT_H

#include <QCoreApplication>
#include <QString>

#include <functional>

// A line of the window's header made to fit its room: lines given apart
// are read as one, and a line too long is cut where a line could wrap
// (after a word, between Japanese letters) and ends with an ellipsis,
// never in the middle of a word unless one word fills most of the room.
class ElidedText
{
    Q_DECLARE_TR_FUNCTIONS(ElidedText)

public:
    // How wide a text is, in whatever unit the width is given in.
    using Measure = std::function<int(const QString &)>;

    // The lines of text on one line, parted by the language's separator.
    static QString oneLine(const QString &text);
    // text as is when it fits width, else its longest start that fits with
    // the ellipsis, ended at the last place a line may break.
    static QString elide(const QString &text, int width, const Measure &measure);
};

#endif
