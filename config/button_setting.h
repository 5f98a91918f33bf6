// SPDX-License-Identifier: MIT
#pragma once
// The assignment record of one mouse button, byte for byte as the settings
// image, profile files and exported files hold it.

#include <cstddef>
#include <cstdint>

#include "config/buttons.h"

namespace k47 {

constexpr std::size_t kButtonPathUnits = 260;
constexpr std::size_t kButtonNameUnits = 260;

struct ButtonSetting {
    std::int32_t nType;                  // function type (function_types.h, function_catalogue.h)
    std::uint32_t nMacroId;              // type 6: the macro's identifier in the library
    std::uint32_t nReserved1;            // 0
    std::uint32_t dwComboCode;           // type 5: function code of the key combination
    std::uint32_t dwAction;              // type 19: advanced action word (advanced_action.h)
    char16_t szTarget[kButtonPathUnits]; // type 19: program, file, folder or sound
    std::uint32_t nReserved2;            // 0
    char16_t szName[kButtonNameUnits];   // the text shown for the assignment
    std::uint8_t Reserved3[2080];        // zero
};

static_assert(sizeof(ButtonSetting) == 3144);
static_assert(alignof(ButtonSetting) == 4);
static_assert(offsetof(ButtonSetting, nType) == 0);
static_assert(offsetof(ButtonSetting, nMacroId) == 4);
static_assert(offsetof(ButtonSetting, nReserved1) == 8);
static_assert(offsetof(ButtonSetting, dwComboCode) == 12);
static_assert(offsetof(ButtonSetting, dwAction) == 16);
static_assert(offsetof(ButtonSetting, szTarget) == 20);
static_assert(sizeof(ButtonSetting::szTarget) == 520);
static_assert(offsetof(ButtonSetting, nReserved2) == 540);
static_assert(offsetof(ButtonSetting, szName) == 544);
static_assert(sizeof(ButtonSetting::szName) == 520);
static_assert(offsetof(ButtonSetting, Reserved3) == 1064);
static_assert(sizeof(ButtonSetting::Reserved3) == 2080);

// The seven current records, in button order (buttons.h): the records inside
// g_Settings (settings_image.h), so that editing one edits the settings image.
// Zero until the profile code fills them.
extern ButtonSetting (&g_ButtonSettings)[kButtonCount];

// The macro identifier of each button whose type is 6, 0 for the others. The
// transfer finds macros through these, not through nMacroId.
extern std::uint32_t g_ButtonMacroIds[kButtonCount];

static_assert(sizeof(g_ButtonSettings) == 7 * 3144);
static_assert(sizeof(g_ButtonMacroIds) == 28);

} // namespace k47
