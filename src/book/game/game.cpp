#include "game.h"

#include <algorithm>
#include <array>

namespace {

// The digits of a number, sorted; only the first `digits` are used.
std::array<int, 4> sortedDigits(int number, Game game)
{
    std::array<int, 4> d{};
    const int n = Games::digits(game);
    for (int i = n - 1; i >= 0; --i, number /= 10)
        d[size_t(i)] = number % 10;
    std::sort(d.begin(), d.begin() + n);
    return d;
}

} // namespace

namespace Games {

const char *key(Game game)
{
    return game == Game::Numbers4 ? "numbers4" : "numbers3";
}

std::optional<Game> fromKey(const QString &text)
{
    const QString t = text.trimmed();
    for (Game g : All)
        if (t.compare(QLatin1String(key(g)), Qt::CaseInsensitive) == 0 || t == QString::number(digits(g)))
            return g;
    return std::nullopt;
}

QString name(Game game)
{
    return game == Game::Numbers4 ? QStringLiteral("Numbers4") : QStringLiteral("Numbers3");
}

std::optional<Game> fromStored(int value)
{
    for (Game g : All)
        if (value == int(g))
            return g;
    return std::nullopt;
}

QString numberText(int number, Game game)
{
    return QString::number(number).rightJustified(digits(game), QLatin1Char('0'));
}

bool validNumber(int number, Game game)
{
    return number >= 0 && number < numberCount(game);
}

int orders(int number, Game game)
{
    const std::array<int, 4> d = sortedDigits(number, game);
    const int n = digits(game);
    // n! over the factorial of each run of equal digits.
    int result = 1;
    for (int i = 2; i <= n; ++i)
        result *= i;
    int run = 1;
    for (int i = 1; i <= n; ++i) {
        if (i < n && d[size_t(i)] == d[size_t(i - 1)]) {
            result /= ++run;
        } else {
            run = 1;
        }
    }
    return result;
}

bool sameDigits(int a, int b, Game game)
{
    return sortedDigits(a, game) == sortedDigits(b, game);
}

QList<int> arrangements(int number, Game game)
{
    if (!validNumber(number, game))
        return {};
    QString digits = numberText(number, game);
    std::sort(digits.begin(), digits.end());
    QList<int> all;
    do
        all.append(digits.toInt());
    while (std::next_permutation(digits.begin(), digits.end()));
    return all;
}

} // namespace Games
