// SPDX-License-Identifier: MIT
#pragma once
// Portable UTF-16 text at the Win32 boundary: wchar_t and char16_t share their
// size and layout on Windows, so the conversion is a copy that adds the NUL
// terminator the API calls want.

#include <string>

#include "config/text.h"

namespace k47 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring WideText(TextView text)
{
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline Text FromWide(const wchar_t* text)
{
    return text ? Text(reinterpret_cast<const char16_t*>(text)) : Text();
}

} // namespace k47
