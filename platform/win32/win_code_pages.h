// SPDX-License-Identifier: MIT
#pragma once
#include "config/code_pages.h"

namespace k47 {

// MultiByteToWideChar with the system's code pages.
class WinCodePages : public ICodePages {
public:
    bool ToUtf16(std::uint32_t codePage, const std::uint8_t* bytes, std::size_t count,
                 Text& out) override;
};

} // namespace k47
