// SPDX-License-Identifier: MIT
#include "app/model/transfer_done.h"

#include <cstring>

#include "config/button_setting.h"
#include "config/profile_entry.h"
#include "config/profile_store.h"
#include "config/registry.h"
#include "config/seams.h"
#include "config/settings_key.h"
#include "config/win_errors.h"

namespace k47 {

bool SaveAfterTransfer()
{
    if (g_CurrentProfile)
        std::memcpy(g_CurrentProfile->MacroIds, g_ButtonMacroIds, sizeof(g_ButtonMacroIds));
    RegKey key(*ProcessSeams().registry);
    if (key.Open(kSettingsKeyPath) == win::kSuccess)
        key.Set(kConfigInfoValue, win::kRegBinary, g_ProfileList, sizeof(g_ProfileList));
    return SaveCurrentProfile();
}

} // namespace k47
