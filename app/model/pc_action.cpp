// SPDX-License-Identifier: MIT
#include "app/model/pc_action.h"

#include "config/advanced_action.h"
#include "config/button_setting.h"
#include "config/buttons.h"
#include "config/function_types.h"

namespace k47 {

PcAction DecidePcAction(std::uint32_t filterCode)
{
    PcAction result;
    const int button = ButtonFromFilterCode(filterCode);
    if (button < 0 || g_ButtonSettings[button].nType != kTypeAdvanced)
        return result;
    const std::uint32_t word = g_ButtonSettings[button].dwAction;
    AdvancedAction action{};
    if (!DecodeAdvancedAction(word, &action))
        return result;
    const int target = AdvancedActionButton(word);
    if (target >= int(kButtonCount))
        return result;
    Text path = FieldText(g_ButtonSettings[target].szTarget, kButtonPathUnits);
    if (path.empty())
        return result;
    switch (action) {
    case AdvancedAction::PlaySound:
        result.kind = PcAction::Kind::PlaySound;
        break;
    case AdvancedAction::LaunchProgram:
        result.kind = PcAction::Kind::Open;
        break;
    case AdvancedAction::OpenFile:
    case AdvancedAction::OpenFolder:
        result.kind = PcAction::Kind::Open;
        if (path.find(u' ') != Text::npos)
            path = u"\"" + path + u"\"";
        break;
    }
    result.path = std::move(path);
    return result;
}

} // namespace k47
