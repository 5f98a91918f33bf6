// SPDX-License-Identifier: MIT
#include "config/language_apply.h"

#include "config/chinese_ui.h"
#include "config/language_loader.h"
#include "config/language_registry.h"
#include "config/language_table.h"
#include "config/language_window.h"

namespace k47 {

int ApplyLanguage(ILanguageWindow& window, TextView appFolder, std::uintptr_t wParam,
                  std::int32_t index)
{
    if ((!window.HasLanguageMenu() && wParam != kApplyOnInitWParam) || index == 0)
        return 0;

    g_ChineseUI = 0;
    if (const LanguageRow* row = FindLanguage(index)) {
        g_ChineseUI = row->chineseUI;
        Text path(appFolder);
        path += row->file;
        LoadLanguage(path);
        window.ShowLanguagePicture(row->flagBitmap);
    }
    SaveLanguageIndex(index);
    window.CloseLanguageMenu();
    return 0;
}

} // namespace k47
