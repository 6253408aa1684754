#include "pattern_report.h"

#include <QCoreApplication>

#include "settings/setting_code.h"

namespace PatternReport {

const char *const Title = QT_TRANSLATE_NOOP("Random", "Box Pattern");

namespace {
int number(int a, int b, int c)
{
    return a * 100 + b * 10 + c;
}
}

Report classify(int h, int t, int o)
{
    const int straight = number(h, t, o);
    if (o == t && h == t)
        return {Kind::Triple, straight, {}, 0,
                QT_TRANSLATE_NOOP("Random", "Strate & box pattern:%1"), true};
    if (o == t)
        return {Kind::OnesEqualTens, straight, {number(t, h, o), number(o, t, h)}, 2,
                QT_TRANSLATE_NOOP("Random", "Strate & box pattern:%1\nBox No1:%2\nBox No2:%3"), true};
    if (o == h)
        return {Kind::OnesEqualHundreds, straight, {number(t, h, o), number(o, h, t)}, 2,
                QT_TRANSLATE_NOOP("Random", "Strate & box pattern:%1 Box No1:%2\nBox No2:%3"), true};
    if (t == h)
        return {Kind::TensEqualHundreds, straight, {number(t, o, h), number(o, h, t)}, 2,
                QT_TRANSLATE_NOOP("Random", "Strate & box pattern:%1Box No1:%2\nBox No2:%3"), true};
    return {Kind::AllDifferent, straight,
            {number(h, o, t), number(t, h, o), number(t, o, h), number(o, t, h), number(o, h, t)}, 5,
            QT_TRANSLATE_NOOP("Random",
                              "Strate:%1\nBox No1:%2\nBox No2:%3\nBox No3:%4\nBox No4:%5\nBox No5:%6\n"),
            false};
}

QString fillText(const QString &text, const Report &report)
{
    QString filled = text.arg(report.straight);
    for (int i = 0; i < report.boxCount; ++i)
        filled = filled.arg(report.box[i]);
    return filled;
}

const char *traceFormat(const RollRules::Readers &codes)
{
    struct Row
    {
        bool twenty[3];  // hundreds, tens, ones
        const char *format;
    };
    static const Row rows[] = {
        {{true, false, false}, "pattern 10\nr3=%d\nr2=%d\nr=%d\n"},
        {{false, true, false}, "pattern 9\nr3=%d\nr2=%d\nr=%d\n"},
        {{false, false, true}, "pattern 8\nr3=%d\nr2=%d\nr=%d\n"},
    };
    const RollRules::Reader *readers[3] = {&codes.hundreds, &codes.tens, &codes.ones};
    for (const Row &row : rows) {
        bool matches = true;
        for (int i = 0; i < 3 && matches; ++i)
            matches = ((*readers[i])() == 20) == row.twenty[i];
        if (matches)
            return row.format;
    }
    return "pattern 7-1\nr3=%d\nr2=%d\nr=%d\n";
}

RollRules::Digits composedDigits(const RollRules::Readers &codes)
{
    RollRules::Digits d;
    d.hundreds = SettingCode::selfDigit(codes.hundreds());
    d.tens = SettingCode::selfDigit(codes.tens());
    d.ones = SettingCode::selfDigit(codes.ones());
    return d;
}

} // namespace PatternReport
