#ifndef DRAW_STATS_H
#define DRAW_STATS_H

#include <QList>

#include <array>

#include "display/number_kind.h"
#include "draw_result.h"

// Every figure the statistics view and the past-results pages show, counted
// in one pass over a run of draws in draw order. Numbers outside 0..999 are
// skipped. "Chance" figures are what pure chance gives for the same number
// of draws; they come from the draw count alone.
class DrawStats
{
public:
    enum Kind { AllDifferent = NumberKind::AllDifferent, Pair = NumberKind::Pair, Triple = NumberKind::Triple };

    struct Often
    {
        int number = 0;
        int count = 0;
        QList<int> draws;  // the draws it came up in, in draw order
    };

    // numbers[i] came up in draw drawIds[i]; without ids the draws are 1, 2, ...
    static DrawStats count(const QList<int> &numbers, const QList<int> &drawIds = {});
    static DrawStats count(const QList<DrawResult> &draws);

    int draws = 0;
    // [place][digit]; place 0 is the hundreds, 2 the ones.
    std::array<std::array<int, 10>, 3> places{};
    // Draws in which the digit appears at least once.
    std::array<int, 10> anywhere{};
    std::array<int, 28> sums{};
    std::array<int, 3> kinds{};          // by Kind
    std::array<int, 1000> numbers{};
    std::array<int, 100> minis{};        // the last two digits
    // Draws since the digit last came up in the place, as of the last draw
    // (0: it came up in the last draw), and its longest such run.
    std::array<std::array<int, 10>, 3> absentNow{};
    std::array<std::array<int, 10>, 3> absentLongest{};
    // Draws whose place shows the same digit as the draw before, counted
    // only where the draw before is in the book (its number one less).
    std::array<int, 3> repeats{};
    // Pairs of draws one after the other, the repeats' chances to happen.
    int consecutive = 0;

    int highest() const;    // the most times one number came up
    int distinct() const;   // how many of the 1000 came up
    int never() const { return 1000 - distinct(); }
    // The numbers that came up at least highest() - below times (and at
    // least once), most first, then by number.
    QList<Often> mostOften(int below = 2) const;
    // The tab's steady list: the `listed` numbers drawn most often (most
    // first, then by number), none drawn 0 times, and the numbers left out
    // although drawn as often as the last listed, by number.
    struct MostDrawn
    {
        QList<Often> listed;
        QList<int> tied;
    };
    static constexpr int MostListed = 20;
    MostDrawn mostDrawn(int listed = MostListed) const;
    // The draws a number came up in, in draw order.
    QList<int> drawsOf(int number) const;
    // [k]: how many of the 1000 numbers came up exactly k times, k = 0..highest().
    QList<int> spread() const;

    // A chance figure to one decimal, halves rounded up (0.15 is 0.2, 2.25
    // is 2.3), whatever their nearest binary value.
    static double tenths(double x);

    static int numbersWithSum(int sum);
    static int numbersOfKind(int kind);   // 720, 270, 10
    static int kindOf(int number);

    double placeChance() const { return draws / 10.0; }
    double anywhereChance() const { return draws * 271 / 1000.0; }  // 1 - 0.9^3
    double sumChance(int sum) const { return double(draws * numbersWithSum(sum)) / 1000.0; }
    double kindChance(int kind) const { return double(draws * numbersOfKind(kind)) / 1000.0; }
    double miniChance() const { return draws / 100.0; }
    double neverChance() const;
    double spreadChance(int times) const;
    int pairs() const { return consecutive; }
    double repeatChance() const { return pairs() / 10.0; }

private:
    QList<int> ids;        // draw of each counted entry
    QList<int> previous;   // index of the previous entry with the same number, or -1
    std::array<int, 1000> lastIndex{};
};

#endif
