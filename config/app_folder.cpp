// SPDX-License-Identifier: MIT
#include "config/app_folder.h"

namespace k47 {

Text g_AppFolder;

} // namespace k47
