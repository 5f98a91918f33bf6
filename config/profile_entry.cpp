// SPDX-License-Identifier: MIT
#include "config/profile_entry.h"

#include "config/app_folder.h"

namespace k47 {

ProfileEntry g_ProfileList[kProfileCount] = {};
ProfileEntry* g_CurrentProfile = nullptr;

int CurrentProfileIndex()
{
    for (std::size_t i = 0; i < kProfileCount; ++i) {
        if (g_CurrentProfile == &g_ProfileList[i])
            return int(i);
    }
    return -1;
}

Text ProfileFileName(std::size_t index)
{
    return u"Profile" + Text(1, char16_t(u'1' + index)) + u".cfg";
}

Text ProfileFolder()
{
    return g_AppFolder + u"Profile";
}

Text ProfilePath(std::size_t index)
{
    return g_AppFolder + u"Profile\\" + ProfileFileName(index);
}

} // namespace k47
