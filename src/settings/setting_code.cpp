#include "setting_code.h"

namespace SettingCode {

int code(const DigitButtons &checked, bool selfMode, bool randomMode)
{
    // The digit button is asked first, the mode only when the digit holds.
    for (int i = 0; i < ReadableLabels; ++i) {
        if (checked[i] && selfMode)
            return randomCode(i) + 10;
    }
    for (int i = 0; i < ReadableLabels; ++i) {
        if (checked[i] && randomMode)
            return randomCode(i);
    }
    return 0;
}

const char *traceFormat(Reader reader, int code)
{
    if (code == 20 || (reader == Reader::Hundreds && isSelfMode(code)))
        return "method=%d\n";
    return "%d\n";
}

} // namespace SettingCode
