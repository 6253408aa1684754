#ifndef NUMBER_KIND_H
#define NUMBER_KIND_H

#include <array>

// How the digits of a three-digit number repeat, and the other orders of
// its digits, as the panel's box report lists them. The book's rules for
// both games count orders in Games (src/book/game/game.h).
namespace NumberKind {

// Which places hold equal digits.
enum class Shape { Triple, OnesEqualTens, OnesEqualHundreds, TensEqualHundreds, AllDifferent };

// The same, by how many orders the digits have: 6, 3 or 1.
enum Repeat { AllDifferent, Pair, Triple };

Shape shape(int hundreds, int tens, int ones);
Repeat repeat(int number);  // 0..999

// The orders of the digits other than the number itself, in the order the
// panel's box report lists them: five, two or none.
struct Orders
{
    std::array<int, 5> numbers{};  // only the first count are set
    int count = 0;
};
Orders boxOrders(int hundreds, int tens, int ones);

} // namespace NumberKind

#endif
