#ifndef SERCH_ANSWER_H
#define SERCH_ANSWER_H

class BoughtStore;

// What Ok answers in each mode of the bought-number window: an outcome that
// names a row of the answer table, and the numbers for its placeholders.
namespace SerchAnswer {

enum class Outcome {
    Stored,        // entry accepted: no box
    NoData,        // any refusal
    StoreFull,     // entry refused, the store holds its 1000 numbers
    DataFound,     // Data to Times
    DataNotFound,
    TimesValue,    // Times to Data
    Hit,           // Bought No serch
    NoHit,
};

struct Text
{
    const char *title;       // null: no box
    bool translatedTitle;    // "information" is shown as written
    const char *text;        // source text in the "Input_Serch" context
    int argCount;            // placeholders %1.. in text
};

const Text &text(Outcome outcome);

struct Answer
{
    Outcome outcome;
    int arg1 = 0;
    int arg2 = 0;
};

// Data to Times: how often a number (1 to 1999) occurs in the past data.
Answer dataToTimes(int number);
// Times to Data: the number drawn at times 1 to 2000.
Answer timesToData(int times);
// Entry: input is the field read for the check, value the number stored.
Answer boughtEntry(BoughtStore &store, int input, int value);
// Bought No serch: how often search was bought; input 0 is refused.
Answer boughtSerch(const BoughtStore &store, int input, int search);

} // namespace SerchAnswer

#endif
