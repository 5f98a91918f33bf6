// SPDX-License-Identifier: MIT
#pragma once
// UTF-16 text in portable code; Windows wchar_t has the same size and layout.

#include <cstddef>
#include <string>
#include <string_view>

namespace k47 {

using Text = std::u16string;
using TextView = std::u16string_view;

// ASCII-only case folding, as hardware IDs and device paths need.
char16_t AsciiUpper(char16_t c);

// True when needle occurs in hay, letters A-Z compared without regard to case.
bool ContainsNoCase(TextView hay, TextView needle);

// Widens ASCII or narrows to UTF-8, for texts built from literals and for test output.
Text FromAscii(std::string_view s);
std::string ToUtf8(TextView s);
Text FromUtf8(std::string_view s);

// Copies text into a fixed NUL-terminated UTF-16 field, truncating to capacity - 1
// units and zeroing the rest of the field.
void CopyToField(TextView text, char16_t* field, std::size_t capacity);

// The text of a fixed NUL-terminated field (up to the first NUL or the end).
Text FieldText(const char16_t* field, std::size_t capacity);

} // namespace k47
