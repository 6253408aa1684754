#ifndef BOOK_TEXTS_H
#define BOOK_TEXTS_H

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "draw_result.h"

class BookStore;

// The words the book's window shows, made from the store and the calendar
// without any widget, so that they read the same in the window, in the
// lookups and in the import report.
class BookTexts
{
    Q_DECLARE_TR_FUNCTIONS(BookTexts)

public:
    // "Results up to draw 7064 (2026-09-04 Fri)", or that the book is empty.
    static QString upTo(const BookStore &store, Game game = Game::Numbers3);
    // The next draw seen from now, and whether today's sales are still open.
    static QString next(const QDateTime &now);
    // "Missing draws between the first and the last known: 3".
    static QString missingCount(int count);
    // The same, short enough for the header: "Draws missing: 3".
    static QString missingShort(int count);
    // Runs of missing draws, one line each: "7065" or "7065 to 7129 (65 draws)".
    static QStringList missingRanges(const QList<int> &missing);
    // The first draw of each of those runs, line for line.
    static QList<int> rangeStarts(const QList<int> &missing);

    static QString wayName(DrawResult::Way way);
    // "90,400 yen (78 units)", "no winner", or empty when not known.
    static QString prize(const DrawResult &result, DrawResult::Way way);
    // "bundled", "entered by hand" or the file's name.
    static QString source(const DrawResult &result);
    // One line for a draw: "draw 7064 (2026-09-04 Fri): 251".
    static QString drawLine(const DrawResult &result);
    // A message as a sentence: with a full stop at its end unless it has one
    // (or a question or exclamation mark) already, so that what follows it
    // ("Nothing was stored.") starts a sentence of its own.
    static QString sentence(const QString &text);
};

#endif
