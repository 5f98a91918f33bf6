// SPDX-License-Identifier: MIT
#pragma once
// The saved choice of language: the index as a 4-byte REG_BINARY value.

#include <cstdint>

#include "config/text.h"

namespace k47 {

constexpr TextView kLanguageKeyPath = u"Software\\ORVEK\\K47\\LANGUAGE";
constexpr TextView kLanguageValueName = u"Language";

// Writes index, creating the key when it is missing. A key that cannot be
// created is reported in a message box and nothing is written.
void SaveLanguageIndex(std::int32_t index);

// The saved index, unchecked; 1 when the key or value is missing, is not
// REG_BINARY or is longer than 4 bytes.
std::int32_t ReadLanguageIndex();

} // namespace k47
