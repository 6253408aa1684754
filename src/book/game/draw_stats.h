#ifndef DRAW_STATS_H
#define DRAW_STATS_H

#include <QList>

#include <array>

#include "number_kind.h"
#include "draw_result.h"
#include "game.h"

// Every figure the statistics view and the past-results pages show, counted
// in one pass over a run of draws of one game in draw order. Numbers outside
// the game's range are skipped. "Chance" figures are what pure chance gives
// for the same number of draws; they come from the draw count alone.
// Each figure is as long as the game makes it: a place per digit, sums 0 to
// 9 per digit, a kind per count of orders, minis only where the game has them.
class DrawStats
{
public:
    // The three-digit kinds; kinds run from most orders to fewest in both
    // games (see kindOrders).
    enum Kind { AllDifferent = NumberKind::AllDifferent, Pair = NumberKind::Pair, Triple = NumberKind::Triple };

    struct Often
    {
        int number = 0;
        int count = 0;
        QList<int> draws;  // the draws it came up in, in draw order
    };

    // numbers[i] came up in draw drawIds[i]; without ids the draws are 1, 2, ...
    static DrawStats count(const QList<int> &numbers, const QList<int> &drawIds = {}, Game game = Game::Numbers3);
    // The draws of the game among draws.
    static DrawStats count(const QList<DrawResult> &draws, Game game);
    // The game of the first draw (three digits when there is none).
    static DrawStats count(const QList<DrawResult> &draws);

    Game game = Game::Numbers3;
    int draws = 0;
    // [place][digit]; place 0 is the leftmost digit, the last the ones.
    QList<std::array<int, 10>> places;
    // Draws in which the digit appears at least once.
    std::array<int, 10> anywhere{};
    QList<int> sums;       // 0 to 9 * digits
    QList<int> kinds;      // by kind, see kindOrders
    QList<int> numbers;    // every number of the game
    QList<int> minis;      // the last two digits; empty where the game has no mini
    // Draws since the digit last came up in the place, as of the last draw
    // (0: it came up in the last draw), and its longest such run.
    QList<std::array<int, 10>> absentNow;
    QList<std::array<int, 10>> absentLongest;
    // Draws whose place shows the same digit as the draw before, counted
    // only where the draw before is in the book (its number one less).
    QList<int> repeats;
    // Pairs of draws one after the other, the repeats' chances to happen.
    int consecutive = 0;

    int highest() const;    // the most times one number came up
    int distinct() const;   // how many of the game's numbers came up
    int never() const { return Games::numberCount(game) - distinct(); }
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
    // [k]: how many of the game's numbers came up exactly k times, k = 0..highest().
    QList<int> spread() const;

    // A chance figure to one decimal, halves rounded up (0.15 is 0.2, 2.25
    // is 2.3), whatever their nearest binary value.
    static double tenths(double x);

    static int numbersWithSum(int sum, Game game = Game::Numbers3);
    // The kinds by how many orders their digits have, most first: 6, 3, 1
    // for three digits; 24, 12, 6 (two pairs), 4 (three alike), 1 for four.
    static int kindCount(Game game);
    static int kindOrders(int kind, Game game);
    static int numbersOfKind(int kind, Game game = Game::Numbers3);  // 720, 270, 10; 5040, 4320, 270, 360, 10
    static int kindOf(int number, Game game = Game::Numbers3);

    double placeChance() const { return draws / 10.0; }
    // 1 - 0.9^digits of the draws: the numbers with the digit among all.
    double anywhereChance() const;
    double sumChance(int sum) const { return chanceOf(numbersWithSum(sum, game)); }
    double kindChance(int kind) const { return chanceOf(numbersOfKind(kind, game)); }
    double miniChance() const { return draws / 100.0; }
    double neverChance() const;
    double spreadChance(int times) const;
    int pairs() const { return consecutive; }
    double repeatChance() const { return pairs() / 10.0; }

private:
    // What chance gives a set of `count` of the game's numbers.
    double chanceOf(int count) const { return double(draws * count) / Games::numberCount(game); }

    QList<int> ids;        // draw of each counted entry
    QList<int> previous;   // index of the previous entry with the same number, or -1
    QList<int> lastIndex;  // by number: its last entry, or -1
};

#endif
