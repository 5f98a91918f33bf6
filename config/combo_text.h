// SPDX-License-Identifier: MIT
#pragma once
// The text shown for a key combination's function code.

#include <cstdint>

#include "config/text.h"

namespace k47 {

// "Shift + Ctrl + A": the modifiers of byte 1 in the order Shift, Ctrl, Alt,
// Win, then " + " and the name of the key whose usage is byte 2. Without
// modifiers, the key's name alone; with modifiers but no key, the text ends in
// " + ". When byte 1 holds only bits above Win, it is named as a key usage.
// Key names come from GetKeyName, so letters and punctuation need the keyboard
// layout seam.
Text GetComboText(std::uint32_t functionCode);

} // namespace k47
