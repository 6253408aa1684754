#ifndef DRAW_MERGE_H
#define DRAW_MERGE_H

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

#include "draw_result.h"
#include "import_report.h"

// What the draws of one file do to the draws the book holds, one draw at a
// time, and the report that says so. It writes nothing: the store reads what
// the book holds for a draw, asks take(), and writes the row it is given.
class DrawMerge
{
public:
    enum Outcome {
        Known,     // nothing to write: the same result, or the book's value stays
        Added,     // a draw the book did not hold
        Filled,    // the same result, with a date or prizes the book lacked
        Replaced,  // the held row goes to `replaced` and the new row takes its place
        HandKept,  // a hand value the user did not agree to replace; reported
    };
    struct Step
    {
        Outcome outcome = Known;
        DrawResult row;  // what to write for Added, Filled and Replaced
    };

    // fileName is the file's path as given (its name appears in the notes).
    // With replaceExisting false (the bundled data) a value held from a file
    // or by hand is never changed: gaps are filled and differences told in
    // report.differences and handConflicts; an older release's bundled row
    // is brought up to date as a file would. replaceHand: DrawResult::key()
    // -> the hand-entered number the user agreed to replace. Counts and notes go into report.
    DrawMerge(const QString &fileName, DrawResult::SourceKind kind, bool replaceExisting,
              const QHash<qint64, int> &replaceHand, const QDateTime &now, ImportReport &report);

    // One draw of the file against what the book holds for it.
    Step take(DrawResult offered, const std::optional<DrawResult> &held);
    // After the last draw: the one note for the draws given a date or prizes.
    void finish();

private:
    Step sameNumber(const DrawResult &offered, const DrawResult &held);
    Step otherNumber(DrawResult offered, const DrawResult &held);
    Step keepHeld(const DrawResult &offered, const DrawResult &held);

    QString path;
    QString name;  // the file's name without its folder, for the notes
    DrawResult::SourceKind kind;
    bool replaceExisting;
    QHash<qint64, int> replaceHand;
    QDateTime now;
    ImportReport &report;
    // Known draws this file gave a missing date or prizes, for one note.
    QList<int> completed;
    bool datesAdded = false;
    bool prizesAdded = false;
};

#endif
