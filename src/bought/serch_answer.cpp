#include "serch_answer.h"

#include <QCoreApplication>

#include "bought_store.h"
#include "times_data.h"

namespace SerchAnswer {

namespace {
// Indexed by Outcome.
const Text Answers[] = {
    {nullptr, false, nullptr, 0},
    {QT_TRANSLATE_NOOP("Input_Serch", "Error"), true, QT_TRANSLATE_NOOP("Input_Serch", "No Data"), 0},
    {QT_TRANSLATE_NOOP("Input_Serch", "Error"), true,
     QT_TRANSLATE_NOOP("Input_Serch",
                       "The bought number list is full (%1 numbers).\nClear it to enter more."),
     1},
    {"information", false, QT_TRANSLATE_NOOP("Input_Serch", "There  are %1 times"), 1},
    {"information", false, QT_TRANSLATE_NOOP("Input_Serch", "There aren't No Namber"), 0},
    {QT_TRANSLATE_NOOP("Input_Serch", "serch result"), true,
     QT_TRANSLATE_NOOP("Input_Serch", "%1 times data is %2"), 2},
    {QT_TRANSLATE_NOOP("Input_Serch", "serch result"), true,
     QT_TRANSLATE_NOOP("Input_Serch", "There are hit:%1 times "), 1},
    {QT_TRANSLATE_NOOP("Input_Serch", "serch result"), true,
     QT_TRANSLATE_NOOP("Input_Serch", "There are no hit"), 0},
};
}

const Text &text(Outcome outcome)
{
    return Answers[static_cast<int>(outcome)];
}

Answer dataToTimes(int number)
{
    if (number < 1 || number > 1999)
        return {Outcome::NoData};
    int found = 0;
    for (int value : times_data) {
        if (value == number)
            ++found;
    }
    if (found == 0)
        return {Outcome::DataNotFound};
    return {Outcome::DataFound, found};
}

Answer timesToData(int times)
{
    if (times < 1 || times > TimesData::Size)
        return {Outcome::NoData};
    return {Outcome::TimesValue, times, times_data[times - 1]};
}

Answer boughtEntry(BoughtStore &store, int input, int value)
{
    if (input == 0)
        return {Outcome::NoData};
    if (!store.add(value))
        return {Outcome::StoreFull, BoughtStore::Capacity};
    return {Outcome::Stored};
}

Answer boughtSerch(const BoughtStore &store, int input, int search)
{
    if (input == 0)
        return {Outcome::NoData};
    const int hits = store.count(search);
    if (hits == 0)
        return {Outcome::NoHit};
    return {Outcome::Hit, hits};
}

} // namespace SerchAnswer
