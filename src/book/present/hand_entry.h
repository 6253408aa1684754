#ifndef HAND_ENTRY_H
#define HAND_ENTRY_H

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

#include "draw_result.h"

// Checks what the user typed for a result entered by hand and turns it into
// a draw, or says what is wrong in words that name the field.
class HandEntry
{
    Q_DECLARE_TR_FUNCTIONS(HandEntry)

public:
    struct Checked
    {
        std::optional<DrawResult> result;
        QString error;       // why nothing can be stored
        int badField = -1;   // 0 draw, 1 date, 2 number, 3 + way for a prize, WinnersField + way for its winners
        QString warning;     // a draw day, but not the calendar's day for this draw
    };

    static constexpr int WinnersField = 3 + DrawResult::WayCount;

    // prizes: one text per way, empty when not known; "0" or "-" for no winner.
    // winners: the units won per way (口数), as the operator's files give
    // them, empty when not known; 0 only with a prize of no winner.
    // A draw still to come at `now` is refused. The number takes the game's
    // digits; the four-digit game has no mini prize.
    static Checked check(int draw, const QDate &date, const QString &number, const QStringList &prizes, const QDateTime &now,
                         Game game = Game::Numbers3, const QStringList &winners = {});

private:
    static bool readWinners(const QStringList &winners, int ways, DrawResult &result, Checked &checked);
};

#endif
