// SPDX-License-Identifier: MIT
#pragma once
// The registry key below HKEY_LOCAL_MACHINE that holds the settings, and the
// values of it that the profiles own.

#include "config/text.h"

namespace k47 {

inline constexpr TextView kSettingsKeyPath = u"Software\\ORVEK\\K47";

inline constexpr TextView kConfigInfoValue = u"ConfigInfo";         // the profile list
inline constexpr TextView kFirstRunValue = u"FirstRun";             // 1, written when missing
inline constexpr TextView kDefaultSettingValue = u"DefaultSetting"; // profile 1's fallback

} // namespace k47
