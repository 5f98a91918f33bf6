// SPDX-License-Identifier: MIT
#include "controls/menu_ex_a.h"

#include "config/language_table.h"

#include <string>

namespace k47 {

void CMenuExA::BuildItems()
{
    for (const LanguageRow& row : kLanguageTable) {
        const std::wstring name(row.menuName.begin(), row.menuName.end());
        AddItem(name.c_str(), row.menuPicture, row.index);
    }
}

} // namespace k47
