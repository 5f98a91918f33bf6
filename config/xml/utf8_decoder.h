// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <cstdint>

#include "config/text.h"

namespace k47 {

// Decodes UTF-8 to UTF-16 into out. Each ill-formed part (stray or missing
// continuation bytes, over-long forms, surrogates, values above U+10FFFF)
// becomes one U+FFFD, as the Windows conversion gives it.
void DecodeUtf8(const std::uint8_t* bytes, std::size_t size, Text& out);

} // namespace k47
