// SPDX-License-Identifier: MIT
#include "controls/model/menu_ex_item.h"

namespace k47 {

MenuExItem MakeMenuExItem(std::uint32_t parent, std::uint32_t item, TextView text)
{
    MenuExItem out{};
    out.nParent = parent & 0xFF;
    out.nItem = item & 0xFF;
    CopyToField(text, out.szText, kMenuExTextUnits);
    return out;
}

Text MenuExItemText(const MenuExItem& item)
{
    std::size_t n = 0;
    while (n < kMenuExTextUnits && item.szText[n] != 0)
        ++n;
    return Text(item.szText, n);
}

std::vector<std::size_t> MenuExChildren(const MenuExItem* items, std::size_t count,
                                        std::uint32_t parent)
{
    std::vector<std::size_t> out;
    for (std::size_t i = 0; items && i < count; ++i) {
        if ((items[i].nParent & 0xFF) == (parent & 0xFF))
            out.push_back(i);
    }
    return out;
}

std::size_t MenuExPicture(bool hasSubMenu, MenuExRowState state)
{
    return (hasSubMenu ? 4u : 0u) + std::size_t(state);
}

std::int32_t MenuExRowAt(std::int32_t y, std::int32_t top, std::int32_t rowHeight, std::size_t rows)
{
    if (rowHeight <= 0 || y < top)
        return -1;
    const std::int32_t row = (y - top) / rowHeight;
    return std::size_t(row) < rows ? row : -1;
}

} // namespace k47
