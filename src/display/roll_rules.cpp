#include "roll_rules.h"

#include <cstdlib>

#include "settings/setting_code.h"

namespace RollRules {

namespace {

enum class Cell { Ten, Below };            // code == 10 (label "0"), code < 10
enum class Make { Zero, Below, UpTo };     // 0, rand() % code, rand() % (code + 1)

struct Row
{
    Cell cells[3];  // hundreds, tens, ones
    Make make[3];
};

// First matching row wins. A label "0" fixes its digit at 0 and keeps the
// other digits below their labels; without one, each label is inclusive.
const Row RollTable[] = {
    {{Cell::Ten, Cell::Below, Cell::Below}, {Make::Zero, Make::Below, Make::Below}},
    {{Cell::Below, Cell::Ten, Cell::Below}, {Make::Below, Make::Zero, Make::Below}},
    {{Cell::Below, Cell::Below, Cell::Ten}, {Make::Below, Make::Below, Make::Zero}},
    {{Cell::Below, Cell::Ten, Cell::Ten}, {Make::Below, Make::Zero, Make::Zero}},
    {{Cell::Ten, Cell::Below, Cell::Ten}, {Make::Zero, Make::Below, Make::Zero}},
    {{Cell::Ten, Cell::Ten, Cell::Below}, {Make::Zero, Make::Zero, Make::Below}},
    {{Cell::Ten, Cell::Ten, Cell::Ten}, {Make::Zero, Make::Zero, Make::Zero}},
    {{Cell::Below, Cell::Below, Cell::Below}, {Make::UpTo, Make::UpTo, Make::UpTo}},
};

bool matches(Cell cell, int code)
{
    return cell == Cell::Ten ? code == 10 : code < 10;
}

int makeDigit(Make make, const Reader &read, const Source &draw)
{
    switch (make) {
    case Make::Zero:
        return 0;
    case Make::Below:
        return drawBelow(draw, read());
    case Make::UpTo:
        return drawBelow(draw, read() + 1);
    }
    return 0;
}

} // namespace

int cRand()
{
    return std::rand();
}

int drawBelow(const Source &draw, int bound)
{
    return bound > 0 ? draw() % bound : 0;
}

Digits uniform(const Source &draw)
{
    Digits d;
    d.ones = draw() % 10;
    d.tens = draw() % 10;
    d.hundreds = draw() % 10;
    return d;
}

bool applyCodes(const Readers &codes, const Source &draw, Digits &digits)
{
    const Reader *readers[3] = {&codes.hundreds, &codes.tens, &codes.ones};

    for (const Reader *read : readers) {
        if (SettingCode::isSelfMode((*read)()))
            return false;
    }

    for (const Row &row : RollTable) {
        bool rowMatches = true;
        for (int i = 0; i < 3 && rowMatches; ++i)
            rowMatches = matches(row.cells[i], (*readers[i])());
        if (!rowMatches)
            continue;
        digits.hundreds = makeDigit(row.make[0], codes.hundreds, draw);
        digits.tens = makeDigit(row.make[1], codes.tens, draw);
        digits.ones = makeDigit(row.make[2], codes.ones, draw);
        return true;
    }
    // Only reachable if a code changed between two reads; keep the last roll.
    return true;
}

} // namespace RollRules
