#ifndef ROLL_RULES_H
#define ROLL_RULES_H

#include <functional>

// How the panel forms a three-digit number. The codes are asked for through
// readers, not passed as values: every reader call is visible (the settings
// dialog prints a trace line for it), so the order and number of calls is
// part of the behaviour.
namespace RollRules {

// A draw like the C runtime's rand(): a non-negative int.
using Source = std::function<int()>;
// A reader of one digit setting code.
using Reader = std::function<int()>;

struct Readers
{
    Reader hundreds;
    Reader tens;
    Reader ones;
};

struct Digits
{
    int hundreds = 0;
    int tens = 0;
    int ones = 0;

    int value() const { return hundreds * 100 + tens * 10 + ones; }
};

// rand(), unseeded: the program's only source of random digits.
int cRand();

// A digit drawn below bound. A bound of 0 can only come from a group with
// nothing checked; it gives 0 without a draw instead of dividing by zero.
int drawBelow(const Source &draw, int bound);

// The roll before the settings were ever opened: 0..9 each, ones first.
Digits uniform(const Source &draw);

// The roll under the codes. Returns false, leaving digits alone, as soon as
// one code is a self-mode code; otherwise bounds or fixes each digit.
bool applyCodes(const Readers &codes, const Source &draw, Digits &digits);

} // namespace RollRules

#endif
