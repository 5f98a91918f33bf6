// SPDX-License-Identifier: MIT
#pragma once
#include "config/text.h"

namespace k47 {

// The folder of the executable, ending in a backslash (empty when its path has
// none). Every file the system keeps of its own is below it. Set once at
// start-up, before any file is read.
extern Text g_AppFolder;

} // namespace k47
