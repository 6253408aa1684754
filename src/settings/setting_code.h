#ifndef SETTING_CODE_H
#define SETTING_CODE_H

#include <array>

// The digit setting code condenses one digit group and the mode pair of the
// settings dialog into one int: labels "1".."9" give 1..9 and "0" gives 10 in
// Random mode; self mode adds 10. 0 means nothing matched.
namespace SettingCode {

// The ten readable buttons of a digit group, in the dialog's order "9".."0".
constexpr int ReadableLabels = 10;
using DigitButtons = std::array<bool, ReadableLabels>;

// Which reader is asking; it decides the trace format.
enum class Reader { Ones, Tens, Hundreds };

// Runs the twenty tests (all self-mode pairs first, "9" down to "1" then "0")
// and returns the code of the first that holds, 0 if none does.
int code(const DigitButtons &checked, bool selfMode, bool randomMode);

// The printf format a reader writes its non-zero code with.
const char *traceFormat(Reader reader, int code);

// Label index (0 for "9" ... 9 for "0") to code in Random mode.
constexpr int randomCode(int labelIndex) { return labelIndex == 9 ? 10 : 9 - labelIndex; }

constexpr bool isSelfMode(int code) { return code > 10; }

// The digit a self-mode code stands for: 11..19 give 1..9, 20 gives 0.
constexpr int selfDigit(int code) { return code == 20 ? 0 : code - 10; }

} // namespace SettingCode

#endif
