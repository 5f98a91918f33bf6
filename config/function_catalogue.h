// SPDX-License-Identifier: MIT
#pragma once
// The assignable functions: each catalogue type's English and Simplified
// Chinese name and the function code the mouse receives for it.

#include <array>
#include <cstdint>

#include "config/button_setting.h"
#include "config/text.h"

namespace k47 {

struct FunctionEntry {
    std::int32_t type;
    const char16_t* english;
    const char16_t* chinese;
    std::uint32_t code; // 0 for the types without a code and for Disable key
};

extern const std::array<FunctionEntry, 44> kFunctionCatalogue;

// The catalogue row of a type, or nullptr for 5, 6, 19 and unknown types.
const FunctionEntry* FindFunction(int type);

// The Chinese name while g_ChineseUI is set, the English one otherwise; the
// empty text for a type without a catalogue name.
Text GetFunctionName(int type);

// The code of a catalogue type; 0 for a type without one and for any other
// type (5, 6 and 19 carry their code elsewhere, ButtonFunctionCode).
std::uint32_t FunctionCodeOfType(int type);

// True when the device has a code for the type: catalogue types with one
// (Disable key's is 0) and the types that carry theirs in the record (5, 19).
// The transfer skips a button whose type has none.
bool HasFunctionCode(int type);

// The code the device table gets for a button's record: type 5 its
// dwComboCode, type 19 the button's own native code, a catalogue type its
// code. Type 6 gives 0: the transfer builds macro codes as it uploads them.
// 0 for anything else, and for a button index outside 0-6.
std::uint32_t ButtonFunctionCode(const ButtonSetting& setting, int button);

} // namespace k47
