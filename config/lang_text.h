// SPDX-License-Identifier: MIT
#pragma once
// The texts of the chosen language file, one per key. Each load of a language
// file overwrites all of them; a key the file lacks becomes empty.

#include <array>
#include <cstddef>
#include <string_view>

#include "config/text.h"

namespace k47 {

constexpr std::size_t kLangTextCount = 180;

// The keys in the order the loader reads them; LangText[i] holds kLangKeys[i].
extern const std::array<std::string_view, kLangTextCount> kLangKeys;

// The loaded texts, all empty until the first language file is read.
extern std::array<Text, kLangTextCount> LangText;

// The position of key in kLangKeys (names compare exactly), or -1.
int LangKeyIndex(std::string_view key);

// The text held for key; an empty text for a name that is not a key.
const Text& LangTextOf(std::string_view key);

// Replaces the text of key; a name that is not a key is ignored.
void SetLangText(std::string_view key, Text text);

} // namespace k47
