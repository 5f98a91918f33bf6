// SPDX-License-Identifier: MIT
#pragma once
#include "config/code_pages.h"

namespace k47::test {

// The platform's code pages: MultiByteToWideChar on Windows, iconv elsewhere,
// so the same cases convert for real on both.
ICodePages& SystemCodePages();

// Forwards to another implementation, records every code page asked for, and
// answers the ANSI code page as a fixed one so that results do not depend on
// the system's locale.
class RecordingCodePages : public ICodePages {
public:
    explicit RecordingCodePages(ICodePages& real, std::uint32_t ansiAs = 1252)
        : m_real(real), m_ansiAs(ansiAs)
    {
    }
    bool ToUtf16(std::uint32_t codePage, const std::uint8_t* bytes, std::size_t count,
                 Text& out) override
    {
        m_last = codePage;
        return m_real.ToUtf16(codePage == kAnsiCodePage ? m_ansiAs : codePage, bytes, count, out);
    }
    // The code page of the last request (kAnsiCodePage for the ANSI one).
    std::uint32_t Last() const { return m_last; }

private:
    ICodePages& m_real;
    std::uint32_t m_ansiAs;
    std::uint32_t m_last = 0xFFFFFFFF;
};

} // namespace k47::test
