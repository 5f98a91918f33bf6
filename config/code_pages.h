// SPDX-License-Identifier: MIT
#pragma once
// Conversion of 8-bit and multi-byte text to UTF-16 by Windows code page
// identifier (37, 437, 936, 1252, 20866, 65001, ...), as MultiByteToWideChar
// does it.

#include <cstddef>
#include <cstdint>

#include "config/text.h"

namespace k47 {

// The identifier that stands for the system's ANSI code page (CP_ACP).
constexpr std::uint32_t kAnsiCodePage = 0;
constexpr std::uint32_t kUtf8CodePage = 65001;

class ICodePages {
public:
    virtual ~ICodePages() = default;
    // Converts count bytes of codePage (kAnsiCodePage for the system's ANSI code
    // page) to UTF-16 into out. Bytes the code page cannot map become whatever
    // the platform gives for them. False, with out empty, when the code page is
    // not available here.
    virtual bool ToUtf16(std::uint32_t codePage, const std::uint8_t* bytes, std::size_t count,
                         Text& out) = 0;
};

} // namespace k47
