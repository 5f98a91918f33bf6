// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>

#include "config/text.h"

namespace k47 {

// Appends text to out with its character references decoded: "&#65;",
// "&#x41;" and the HTML 4.01 entity names with "&apos;". Anything that is not
// a reference, numeric values of 0 or above U+10FFFF included, stays as it is.
void AppendDecodedText(TextView text, Text& out);

// The character of an entity name (without '&' and ';'), 0 when there is none.
// Letters are compared without regard to case; where two names differ only in
// case, the exact spelling of the small one gives its character and any other
// spelling the capital one's.
char16_t EntityCharacter(TextView name);

// How many entity names the table knows.
std::size_t EntityNameCount();

} // namespace k47
