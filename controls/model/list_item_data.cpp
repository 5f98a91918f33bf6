// SPDX-License-Identifier: MIT
#include "controls/model/list_item_data.h"

namespace k47 {

std::uint32_t PackListItemData(std::int32_t kind, std::uint32_t value)
{
    if (kind == kListNoPicture)
        return value;
    return (std::uint32_t(kind & 0xFF) << 24) | (value & 0x00FFFFFFu);
}

std::int32_t ListItemKind(std::uint32_t data)
{
    return std::int32_t(data >> 24);
}

TextView ListMarkerFile(std::int32_t kind, bool selected)
{
    switch (kind) {
    case kListUpMarker:
        return selected ? u"up_select.png" : u"up_normal.png";
    case kListDownMarker:
        return selected ? u"down_select.png" : u"down_normal.png";
    case kListDelayMarker:
        return selected ? u"delay_select.png" : u"delay_normal.png";
    default:
        return {};
    }
}

std::int32_t ListTextIndent(std::int32_t kind, bool icons, std::int32_t iconWidth)
{
    if (kind == kListNoPicture || !icons)
        return 5;
    return iconWidth + 10;
}

} // namespace k47
