#ifndef HAND_ENTRY_QUESTIONS_H
#define HAND_ENTRY_QUESTIONS_H

#include <QCoreApplication>

#include "draw_result.h"

class QWidget;

// What the window asks before a result entered by hand goes over one the
// book holds. Its words are the window's.
class HandEntryQuestions
{
    Q_DECLARE_TR_FUNCTIONS(HandEntryQuestions)

public:
    // Whether to store `typed` in place of `held`: not when they say the
    // same (a box says so), nor when the user keeps the book's.
    static bool replace(QWidget *parent, const DrawResult &held, const DrawResult &typed);
};

#endif
