// SPDX-License-Identifier: MIT
#pragma once

namespace k47 {

// 1 while Simplified or Traditional Chinese is the chosen language, 0 otherwise;
// 1 at process start. Only the language handler writes it. Texts held in
// built-in Chinese and English pairs show the Chinese one while it is set.
extern int g_ChineseUI;

} // namespace k47
