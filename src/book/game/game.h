#ifndef GAME_H
#define GAME_H

#include <QList>
#include <QString>

#include <optional>

// The two games drawn together under one draw number and one date: three
// digits (000 to 999) and four (0000 to 9999). The value is the number of
// digits, and is what the book stores.
enum class Game { Numbers3 = 3, Numbers4 = 4 };

// What differs between the games, in one place: every rule that counts
// digits asks here.
namespace Games {

inline constexpr Game All[] = { Game::Numbers3, Game::Numbers4 };

constexpr int digits(Game game) { return int(game); }
constexpr int numberCount(Game game) { return game == Game::Numbers4 ? 10000 : 1000; }
constexpr int highestSum(Game game) { return 9 * digits(game); }
// Only the three-digit game sells mini (the last two digits).
constexpr bool hasMini(Game game) { return game == Game::Numbers3; }

// "numbers3", "numbers4": the key in lists and on the command line.
const char *key(Game game);
// The key, or "3"/"4", any case; nothing for anything else.
std::optional<Game> fromKey(const QString &text);
// The product's name, the same in every language: "Numbers3", "Numbers4".
QString name(Game game);
std::optional<Game> fromStored(int value);

// "007", "0071": a number of the game as printed.
QString numberText(int number, Game game);
bool validNumber(int number, Game game);

// How many orders the number's digits have (1 for a triple or four alike;
// 3 or 6 for three digits; 4, 6, 12 or 24 for four).
int orders(int number, Game game);
// Whether a and b are orders of the same digits.
bool sameDigits(int a, int b, Game game);
// Every order of the number's digits, its own included, each once, ascending:
// the numbers a box ticket on it wins with.
QList<int> arrangements(int number, Game game);

} // namespace Games

#endif
