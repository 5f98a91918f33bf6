// SPDX-License-Identifier: MIT
#pragma once
// Windows code pages served by the C library's iconv, for native builds.

#ifndef _WIN32

#include "config/code_pages.h"

namespace k47::test {

class IconvCodePages : public ICodePages {
public:
    // ansiCodePage stands for kAnsiCodePage.
    explicit IconvCodePages(std::uint32_t ansiCodePage = 1252) : m_ansi(ansiCodePage) {}
    // Bytes that do not convert become U+FFFD, one for each byte.
    bool ToUtf16(std::uint32_t codePage, const std::uint8_t* bytes, std::size_t count,
                 Text& out) override;

    // The iconv name of a Windows code page, nullptr when there is none.
    static const char* IconvName(std::uint32_t codePage);

private:
    std::uint32_t m_ansi;
};

} // namespace k47::test

#endif
