// SPDX-License-Identifier: MIT
#include "config/combo_text.h"

#include "config/function_code.h"
#include "config/key_names.h"
#include "config/key_usage.h"

namespace k47 {

Text GetComboText(std::uint32_t functionCode)
{
    const std::uint8_t modifiers = FunctionCodeModifiers(functionCode);
    const std::uint8_t usage = FunctionCodeKey(functionCode);
    if (modifiers == 0)
        return GetKeyName(UsageToKey(usage));

    struct Modifier {
        std::uint8_t bit;
        const char16_t* name;
    };
    static constexpr Modifier kOrder[] = {
        {kModShift, u"Shift"}, {kModCtrl, u"Ctrl"}, {kModAlt, u"Alt"}, {kModWin, u"Win"}};
    Text text;
    for (const Modifier& modifier : kOrder) {
        if ((modifiers & modifier.bit) == 0)
            continue;
        if (!text.empty())
            text += u" + ";
        text += modifier.name;
    }
    if (text.empty())
        return GetKeyName(UsageToKey(modifiers));
    return text + u" + " + GetKeyName(UsageToKey(usage));
}

} // namespace k47
