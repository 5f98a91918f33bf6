// SPDX-License-Identifier: MIT
#include "config/button_setting.h"

namespace k47 {

std::uint32_t g_ButtonMacroIds[kButtonCount] = {};

} // namespace k47
