// SPDX-License-Identifier: MIT
#pragma once
#include "config/text.h"

namespace k47 {

// The format with its first "%s" replaced by arg and each "%%" by "%". Formats
// come from language files too, so nothing else is taken as a conversion:
// any other '%' and every further "%s" stay as they are.
Text FormatWithText(TextView format, TextView arg);

} // namespace k47
