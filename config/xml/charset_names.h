// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <cstdint>

#include "config/text.h"

namespace k47 {

// The Windows code page of a character-set name such as "gb2312", "Big5" or
// "koi8-r", ASCII letters compared without regard to case. False for a name
// that is not in the table.
bool CharsetCodePage(TextView name, std::uint32_t& codePage);

// How many names the table knows.
std::size_t CharsetNameCount();

} // namespace k47
