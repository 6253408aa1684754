#include "pattern_report.h"

#include <QCoreApplication>

#include "settings/setting_code.h"

namespace PatternReport {

const char *const Title = QT_TRANSLATE_NOOP("Random", "Box Pattern");

Report classify(int h, int t, int o)
{
    const NumberKind::Shape kind = NumberKind::shape(h, t, o);
    const NumberKind::Orders orders = NumberKind::boxOrders(h, t, o);
    Report report{kind, h * 100 + t * 10 + o, orders.numbers, orders.count, nullptr, true};
    switch (kind) {
    case Kind::Triple:
        report.text = QT_TRANSLATE_NOOP("Random", "Strate & box pattern:%1");
        break;
    case Kind::OnesEqualTens:
        report.text = QT_TRANSLATE_NOOP("Random", "Strate & box pattern:%1\nBox No1:%2\nBox No2:%3");
        break;
    case Kind::OnesEqualHundreds:
        report.text = QT_TRANSLATE_NOOP("Random", "Strate & box pattern:%1 Box No1:%2\nBox No2:%3");
        break;
    case Kind::TensEqualHundreds:
        report.text = QT_TRANSLATE_NOOP("Random", "Strate & box pattern:%1Box No1:%2\nBox No2:%3");
        break;
    case Kind::AllDifferent:
        report.text = QT_TRANSLATE_NOOP("Random",
                                        "Strate:%1\nBox No1:%2\nBox No2:%3\nBox No3:%4\nBox No4:%5\nBox No5:%6\n");
        report.translatedTitle = false;
        break;
    }
    return report;
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
