// SPDX-License-Identifier: MIT
#pragma once
// Function types of a button record (ButtonSetting::nType) that code refers
// to by name. The full catalogue with names and codes is function_catalogue.h.

#include <cstdint>

namespace k47 {

constexpr std::int32_t kTypeClick = 1;
constexpr std::int32_t kTypeMenu = 2;
constexpr std::int32_t kTypeMiddle = 4;
constexpr std::int32_t kTypeCombo = 5; // dwComboCode holds the function code
constexpr std::int32_t kTypeMacro = 6; // nMacroId and g_ButtonMacroIds hold the macro
constexpr std::int32_t kTypeForward = 8;
constexpr std::int32_t kTypeScrollUp = 11;
constexpr std::int32_t kTypeBack = 16;
constexpr std::int32_t kTypeAdvanced = 19; // dwAction and szTarget; run on the PC
constexpr std::int32_t kTypeScrollDown = 22;
constexpr std::int32_t kTypeDisable = 121;
constexpr std::int32_t kTypeDoubleClick = 133;
constexpr std::int32_t kTypeSnipe = 142;
constexpr std::int32_t kTypeFire = 143;

} // namespace k47
