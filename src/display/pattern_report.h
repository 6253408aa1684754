#ifndef PATTERN_REPORT_H
#define PATTERN_REPORT_H

#include <QString>
#include <array>

#include "number_kind.h"
#include "roll_rules.h"

// What a stop in self mode reports: the composed number, straight, and the
// other orders of its digits, box.
namespace PatternReport {

using Kind = NumberKind::Shape;

struct Report
{
    Kind kind;
    int straight;
    std::array<int, 5> box;  // only the first boxCount are set
    int boxCount;
    const char *text;        // source text in the "Random" context, %1 straight, %2.. box
    bool translatedTitle;    // the all-different box keeps its title untranslated
};

extern const char *const Title;

Report classify(int hundreds, int tens, int ones);

// Fills a (possibly translated) report text with the report's numbers.
QString fillText(const QString &text, const Report &report);

// The trace line written before a report; its arguments are the three digits.
const char *traceFormat(const RollRules::Readers &codes);

// The composed number: each group's self-mode code read once more.
RollRules::Digits composedDigits(const RollRules::Readers &codes);

} // namespace PatternReport

#endif
