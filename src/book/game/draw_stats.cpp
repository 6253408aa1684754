#include "draw_stats.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

constexpr int MaxDigits = 4;

// How many orders each kind's digits have, most first.
const int ThreeOrders[] = {6, 3, 1};
const int FourOrders[] = {24, 12, 6, 4, 1};

// A figure of every number of a game, worked out once.
template<typename F>
std::vector<int> perNumber(Game game, F f)
{
    std::vector<int> out(size_t(Games::numberCount(game)));
    for (int v = 0; v < Games::numberCount(game); ++v)
        out[size_t(v)] = f(v);
    return out;
}

const std::vector<int> &kindTable(Game game)
{
    static const auto build = [](Game g) {
        return perNumber(g, [g](int v) {
            int kind = 0;
            while (DrawStats::kindOrders(kind, g) != Games::orders(v, g))
                ++kind;
            return kind;
        });
    };
    static const std::vector<int> three = build(Game::Numbers3);
    static const std::vector<int> four = build(Game::Numbers4);
    return game == Game::Numbers4 ? four : three;
}

int digitSum(int number)
{
    int sum = 0;
    for (; number > 0; number /= 10)
        sum += number % 10;
    return sum;
}

// How many of the game's numbers have each value of f, 0..size-1.
template<typename F>
std::vector<int> tally(Game game, int size, F f)
{
    std::vector<int> out(size_t(size), 0);
    for (int v = 0; v < Games::numberCount(game); ++v)
        ++out[size_t(f(v))];
    return out;
}

} // namespace

DrawStats DrawStats::count(const QList<int> &numbers, const QList<int> &drawIds, Game game)
{
    const int digits = Games::digits(game);
    const int all = Games::numberCount(game);
    DrawStats s;
    s.game = game;
    s.places = QList<std::array<int, 10>>(digits, std::array<int, 10>{});
    s.absentNow = s.places;
    s.absentLongest = s.places;
    s.sums = QList<int>(Games::highestSum(game) + 1, 0);
    s.kinds = QList<int>(kindCount(game), 0);
    s.numbers = QList<int>(all, 0);
    if (Games::hasMini(game))
        s.minis = QList<int>(100, 0);
    s.repeats = QList<int>(digits, 0);
    s.lastIndex = QList<int>(all, -1);
    s.ids.reserve(numbers.size());
    s.previous.reserve(numbers.size());
    // Straight at the data: the loop runs over every draw on each change.
    int *counts = s.numbers.data();
    int *last = s.lastIndex.data();
    int *minis = s.minis.data();
    int *sums = s.sums.data();
    int *kinds = s.kinds.data();
    int *repeats = s.repeats.data();
    std::array<int, 10> *places = s.places.data();
    std::array<int, 10> *longest = s.absentLongest.data();
    const int *kindOfNumber = kindTable(game).data();
    // Where each digit was last seen in each place, as an entry index.
    std::array<std::array<int, 10>, MaxDigits> seen;
    for (auto &place : seen)
        place.fill(-1);
    int before[MaxDigits] = {-1, -1, -1, -1};
    int beforeId = 0;

    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const int v = numbers.at(i);
        if (v < 0 || v >= all)
            continue;
        const int at = s.draws++;
        const int id = drawIds.isEmpty() ? int(i) + 1 : drawIds.at(i);
        s.ids.append(id);
        // A draw missing from the book breaks the run: the draws either side
        // of it were not drawn one after the other.
        const bool follows = at > 0 && id == beforeId + 1;
        beforeId = id;
        if (follows)
            ++s.consecutive;
        s.previous.append(last[v]);
        last[v] = at;
        ++counts[v];
        if (minis)
            ++minis[v % 100];
        int d[MaxDigits];
        int sum = 0;
        for (int p = digits - 1, rest = v; p >= 0; --p, rest /= 10) {
            d[p] = rest % 10;
            sum += d[p];
        }
        ++sums[sum];
        ++kinds[kindOfNumber[v]];
        // A digit that comes twice counts once among the draws it appears in.
        unsigned shown = 0;
        for (int p = 0; p < digits; ++p) {
            if (!(shown & (1u << d[p])))
                ++s.anywhere[d[p]];
            shown |= 1u << d[p];
            ++places[p][d[p]];
            if (follows && before[p] == d[p])
                ++repeats[p];
            before[p] = d[p];
            // The run of draws without this digit that ends here.
            const int gap = at - seen[p][d[p]] - 1;
            longest[p][d[p]] = std::max(longest[p][d[p]], gap);
            seen[p][d[p]] = at;
        }
    }
    for (int p = 0; p < digits; ++p) {
        for (int digit = 0; digit < 10; ++digit) {
            s.absentNow[p][digit] = s.draws - 1 - seen[p][digit];
            s.absentLongest[p][digit] = std::max(s.absentLongest[p][digit], s.absentNow[p][digit]);
        }
    }
    return s;
}

DrawStats DrawStats::count(const QList<DrawResult> &draws, Game game)
{
    QList<int> numbers;
    QList<int> ids;
    numbers.reserve(draws.size());
    ids.reserve(draws.size());
    for (const DrawResult &r : draws) {
        if (r.game != game)
            continue;
        numbers.append(r.number);
        ids.append(r.draw);
    }
    return count(numbers, ids, game);
}

DrawStats DrawStats::count(const QList<DrawResult> &draws)
{
    return count(draws, draws.isEmpty() ? Game::Numbers3 : draws.first().game);
}

int DrawStats::highest() const
{
    return numbers.isEmpty() ? 0 : *std::max_element(numbers.begin(), numbers.end());
}

int DrawStats::distinct() const
{
    return int(std::count_if(numbers.begin(), numbers.end(), [](int c) { return c > 0; }));
}

QList<DrawStats::Often> DrawStats::mostOften(int below) const
{
    const int least = std::max(1, highest() - below);
    QList<Often> out;
    for (int v = 0; v < numbers.size(); ++v) {
        if (numbers[v] >= least)
            out.append(Often{v, numbers[v], drawsOf(v)});
    }
    std::stable_sort(out.begin(), out.end(), [](const Often &a, const Often &b) { return a.count > b.count; });
    return out;
}

DrawStats::MostDrawn DrawStats::mostDrawn(int listed) const
{
    QList<int> order;
    for (int v = 0; v < numbers.size(); ++v) {
        if (numbers[v] > 0)
            order.append(v);
    }
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return numbers[a] > numbers[b]; });
    MostDrawn out;
    for (qsizetype i = 0; i < order.size() && i < listed; ++i)
        out.listed.append(Often{order.at(i), numbers[order.at(i)], drawsOf(order.at(i))});
    if (out.listed.isEmpty())
        return out;
    const int least = out.listed.constLast().count;
    for (qsizetype i = out.listed.size(); i < order.size() && numbers[order.at(i)] == least; ++i)
        out.tied.append(order.at(i));
    return out;
}

QList<int> DrawStats::drawsOf(int number) const
{
    QList<int> out;
    if (number < 0 || number >= lastIndex.size())
        return out;
    for (int at = lastIndex[number]; at >= 0; at = previous.at(at))
        out.prepend(ids.at(at));
    return out;
}

QList<int> DrawStats::spread() const
{
    QList<int> out(highest() + 1, 0);
    for (int c : numbers)
        ++out[c];
    if (numbers.isEmpty())
        out[0] = Games::numberCount(game);
    return out;
}

double DrawStats::tenths(double x)
{
    // The figures are counts over draws: a tie that binary cannot hold
    // exactly sits within a hair of it, so nudge before flooring.
    return std::floor(x * 10 + 0.5 + 1e-9) / 10;
}

int DrawStats::numbersWithSum(int sum, Game game)
{
    // A hill: for three digits from 1 at 0 and 27 to 75 at 13 and 14.
    static const std::vector<int> three = tally(Game::Numbers3, Games::highestSum(Game::Numbers3) + 1, digitSum);
    static const std::vector<int> four = tally(Game::Numbers4, Games::highestSum(Game::Numbers4) + 1, digitSum);
    const std::vector<int> &ways = game == Game::Numbers4 ? four : three;
    return sum >= 0 && sum < int(ways.size()) ? ways[size_t(sum)] : 0;
}

int DrawStats::kindCount(Game game)
{
    return game == Game::Numbers4 ? int(std::size(FourOrders)) : int(std::size(ThreeOrders));
}

int DrawStats::kindOrders(int kind, Game game)
{
    if (kind < 0 || kind >= kindCount(game))
        return 0;
    return game == Game::Numbers4 ? FourOrders[kind] : ThreeOrders[kind];
}

int DrawStats::numbersOfKind(int kind, Game game)
{
    static const auto build = [](Game g) { return tally(g, kindCount(g), [g](int v) { return kindOf(v, g); }); };
    static const std::vector<int> three = build(Game::Numbers3);
    static const std::vector<int> four = build(Game::Numbers4);
    const std::vector<int> &counts = game == Game::Numbers4 ? four : three;
    return kind >= 0 && kind < int(counts.size()) ? counts[size_t(kind)] : 0;
}

int DrawStats::kindOf(int number, Game game)
{
    return Games::validNumber(number, game) ? kindTable(game)[size_t(number)] : 0;
}

double DrawStats::anywhereChance() const
{
    // The numbers with none of the digit are 9^digits of them.
    int without = 1;
    for (int p = 0; p < Games::digits(game); ++p)
        without *= 9;
    return chanceOf(Games::numberCount(game) - without);
}

double DrawStats::neverChance() const
{
    const int all = Games::numberCount(game);
    return all * std::pow((all - 1.0) / all, draws);
}

double DrawStats::spreadChance(int times) const
{
    // Every number, drawn times times in draws draws with chance 1/N per
    // draw: N * C(draws, times) * (1/N)^times * (1 - 1/N)^(draws - times).
    if (times < 0 || times > draws)
        return 0;
    const int all = Games::numberCount(game);
    const double logChoose = std::lgamma(draws + 1.0) - std::lgamma(times + 1.0) - std::lgamma(draws - times + 1.0);
    return all * std::exp(logChoose + times * std::log(1.0 / all) + (draws - times) * std::log((all - 1.0) / all));
}
