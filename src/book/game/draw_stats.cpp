#include "draw_stats.h"

#include "display/number_kind.h"

#include <algorithm>
#include <cmath>

DrawStats DrawStats::count(const QList<int> &numbers, const QList<int> &drawIds)
{
    DrawStats s;
    s.lastIndex.fill(-1);
    s.ids.reserve(numbers.size());
    s.previous.reserve(numbers.size());
    // Where each digit was last seen in each place, as an entry index.
    std::array<std::array<int, 10>, 3> seen;
    for (auto &place : seen)
        place.fill(-1);
    int before[3] = {-1, -1, -1};
    int beforeId = 0;

    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const int v = numbers.at(i);
        if (v < 0 || v > 999)
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
        s.previous.append(s.lastIndex[v]);
        s.lastIndex[v] = at;
        ++s.numbers[v];
        ++s.minis[v % 100];
        const int d[3] = {v / 100, v / 10 % 10, v % 10};
        s.sums[d[0] + d[1] + d[2]] += 1;
        ++s.kinds[kindOf(v)];
        ++s.anywhere[d[0]];
        if (d[1] != d[0])
            ++s.anywhere[d[1]];
        if (d[2] != d[0] && d[2] != d[1])
            ++s.anywhere[d[2]];
        for (int p = 0; p < 3; ++p) {
            ++s.places[p][d[p]];
            if (follows && before[p] == d[p])
                ++s.repeats[p];
            before[p] = d[p];
            // The run of draws without this digit that ends here.
            const int gap = at - seen[p][d[p]] - 1;
            s.absentLongest[p][d[p]] = std::max(s.absentLongest[p][d[p]], gap);
            seen[p][d[p]] = at;
        }
    }
    for (int p = 0; p < 3; ++p) {
        for (int digit = 0; digit < 10; ++digit) {
            s.absentNow[p][digit] = s.draws - 1 - seen[p][digit];
            s.absentLongest[p][digit] = std::max(s.absentLongest[p][digit], s.absentNow[p][digit]);
        }
    }
    return s;
}

DrawStats DrawStats::count(const QList<DrawResult> &draws)
{
    QList<int> numbers;
    QList<int> ids;
    numbers.reserve(draws.size());
    ids.reserve(draws.size());
    for (const DrawResult &r : draws) {
        numbers.append(r.number);
        ids.append(r.draw);
    }
    return count(numbers, ids);
}

int DrawStats::highest() const
{
    return *std::max_element(numbers.begin(), numbers.end());
}

int DrawStats::distinct() const
{
    return int(std::count_if(numbers.begin(), numbers.end(), [](int c) { return c > 0; }));
}

QList<DrawStats::Often> DrawStats::mostOften(int below) const
{
    const int least = std::max(1, highest() - below);
    QList<Often> out;
    for (int v = 0; v < 1000; ++v) {
        if (numbers[v] >= least)
            out.append(Often{v, numbers[v], drawsOf(v)});
    }
    std::stable_sort(out.begin(), out.end(), [](const Often &a, const Often &b) { return a.count > b.count; });
    return out;
}

DrawStats::MostDrawn DrawStats::mostDrawn(int listed) const
{
    QList<int> order;
    for (int v = 0; v < 1000; ++v) {
        if (numbers[v] > 0)
            order.append(v);
    }
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return numbers[a] > numbers[b]; });
    MostDrawn out;
    for (qsizetype i = 0; i < order.size() && i < listed; ++i)
        out.listed.append(Often{order.at(i), numbers[order.at(i)], drawsOf(order.at(i))});
    if (out.listed.isEmpty())
        return out;
    const int last = out.listed.constLast().count;
    for (qsizetype i = out.listed.size(); i < order.size() && numbers[order.at(i)] == last; ++i)
        out.tied.append(order.at(i));
    return out;
}

QList<int> DrawStats::drawsOf(int number) const
{
    QList<int> out;
    if (number < 0 || number > 999)
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
    return out;
}

double DrawStats::tenths(double x)
{
    // The figures are counts over draws: a tie that binary cannot hold
    // exactly sits within a hair of it, so nudge before flooring.
    return std::floor(x * 10 + 0.5 + 1e-9) / 10;
}

int DrawStats::numbersWithSum(int sum)
{
    // The numbers of 0..999 whose digits add up to sum: a hill from 1 at 0
    // and 27 to 75 at 13 and 14.
    static const std::array<int, 28> ways = [] {
        std::array<int, 28> w{};
        for (int v = 0; v < 1000; ++v)
            ++w[v / 100 + v / 10 % 10 + v % 10];
        return w;
    }();
    return sum >= 0 && sum <= 27 ? ways[sum] : 0;
}

int DrawStats::numbersOfKind(int kind)
{
    static const int counts[3] = {720, 270, 10};
    return kind >= 0 && kind < 3 ? counts[kind] : 0;
}

int DrawStats::kindOf(int number)
{
    return NumberKind::repeat(number);
}

double DrawStats::neverChance() const
{
    return 1000 * std::pow(0.999, draws);
}

double DrawStats::spreadChance(int times) const
{
    // 1000 numbers, each drawn times times in draws draws with chance 1/1000
    // per draw: 1000 * C(draws, times) * 0.001^times * 0.999^(draws - times).
    if (times < 0 || times > draws)
        return 0;
    const double logChoose = std::lgamma(draws + 1.0) - std::lgamma(times + 1.0) - std::lgamma(draws - times + 1.0);
    return 1000 * std::exp(logChoose + times * std::log(0.001) + (draws - times) * std::log(0.999));
}
