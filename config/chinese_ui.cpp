// SPDX-License-Identifier: MIT
#include "config/chinese_ui.h"

namespace k47 {

int g_ChineseUI = 1;

} // namespace k47
