// SPDX-License-Identifier: MIT
#include "platform/win32/win_code_pages.h"

#include <climits>
#include <windows.h>

namespace k47 {

bool WinCodePages::ToUtf16(std::uint32_t codePage, const std::uint8_t* bytes, std::size_t count,
                           Text& out)
{
    out.clear();
    if (codePage != CP_ACP && !::IsValidCodePage(codePage))
        return false;
    if (count == 0)
        return true;
    if (count > INT_MAX)
        return false;
    const char* source = reinterpret_cast<const char*>(bytes);
    const int length = static_cast<int>(count);
    // No flags: several code pages (ISO-2022, HZ, ISCII, UTF-7) refuse any.
    const int needed = ::MultiByteToWideChar(codePage, 0, source, length, nullptr, 0);
    if (needed <= 0)
        return false;
    out.resize(static_cast<std::size_t>(needed));
    const int written = ::MultiByteToWideChar(codePage, 0, source, length,
                                              reinterpret_cast<wchar_t*>(out.data()), needed);
    if (written <= 0) {
        out.clear();
        return false;
    }
    out.resize(static_cast<std::size_t>(written));
    return true;
}

} // namespace k47
