// SPDX-License-Identifier: MIT
#pragma once
// The five profiles: one entry each in the list the registry keeps as
// "ConfigInfo", byte for byte.

#include <cstddef>
#include <cstdint>

#include "config/buttons.h"
#include "config/text.h"

namespace k47 {

constexpr std::size_t kProfileCount = 5;
constexpr std::uint32_t kProfileMarker = 0xBEBE;
constexpr std::size_t kProfileTextUnits = 260;

struct ProfileEntry {
    std::uint32_t Marker;                  // kProfileMarker for a valid entry
    std::uint32_t Active;                  // 1 for the current profile
    std::uint32_t Reserved1;               // 0
    char16_t Name[kProfileTextUnits];      // "Profile1" ... "Profile5"
    char16_t Path[kProfileTextUnits];      // full path of the profile file
    char16_t Reserved2[kProfileTextUnits]; // zero
    std::uint32_t MacroIds[kButtonCount];  // g_ButtonMacroIds as of the last transfer
};

static_assert(sizeof(ProfileEntry) == 1600);
static_assert(alignof(ProfileEntry) == 4);
static_assert(offsetof(ProfileEntry, Marker) == 0);
static_assert(offsetof(ProfileEntry, Active) == 4);
static_assert(offsetof(ProfileEntry, Reserved1) == 8);
static_assert(offsetof(ProfileEntry, Name) == 12);
static_assert(offsetof(ProfileEntry, Path) == 532);
static_assert(offsetof(ProfileEntry, Reserved2) == 1052);
static_assert(offsetof(ProfileEntry, MacroIds) == 1572);
static_assert(sizeof(ProfileEntry::MacroIds) == 28);

// The five entries, profile 1 first.
extern ProfileEntry g_ProfileList[kProfileCount];
static_assert(sizeof(g_ProfileList) == 8000);

// The entry of the current profile; nullptr until the list is built at start-up.
extern ProfileEntry* g_CurrentProfile;

// The position of g_CurrentProfile in g_ProfileList, or -1 while there is none.
int CurrentProfileIndex();

// "Profile1.cfg" ... for index 0-4.
Text ProfileFileName(std::size_t index);

// The folder of the profile files: g_AppFolder + "Profile".
Text ProfileFolder();

// The full path of profile index 0-4: g_AppFolder, "Profile\" and its file name.
Text ProfilePath(std::size_t index);

} // namespace k47
