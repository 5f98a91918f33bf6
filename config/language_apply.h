// SPDX-License-Identifier: MIT
#pragma once
// The main window's handler of WM_SELECT_LANGUAGE.

#include <cstdint>

#include "config/text.h"

namespace k47 {

class ILanguageWindow;

// The wParam with which the main window's initialisation posts the saved
// index to itself (the value of WM_INITDIALOG); the language menu sends 0.
constexpr std::uintptr_t kApplyOnInitWParam = 272;

// Applies language index: g_ChineseUI, the texts of its file below appFolder
// (which ends in a backslash) and the flag picture; saves the index and closes
// the language menu. Ignored while no menu is open unless wParam is
// kApplyOnInitWParam, and always for index 0. An index outside 1-12 clears
// g_ChineseUI, keeps texts and picture, and is saved as it is. Returns 0.
int ApplyLanguage(ILanguageWindow& window, TextView appFolder, std::uintptr_t wParam,
                  std::int32_t index);

} // namespace k47
