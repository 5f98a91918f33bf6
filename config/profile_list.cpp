// SPDX-License-Identifier: MIT
#include "config/profile_list.h"

#include <cstring>
#include <memory>

#include "config/profile_entry.h"
#include "config/profile_store.h"
#include "config/registry.h"
#include "config/seams.h"
#include "config/settings_image.h"
#include "config/settings_key.h"

namespace k47 {

namespace {

void ReadListFromRegistry()
{
    RegKey key(*ProcessSeams().registry);
    if (key.Open(kSettingsKeyPath) != win::kSuccess) {
        if (key.Create(kSettingsKeyPath) == win::kSuccess)
            key.Set(kConfigInfoValue, win::kRegBinary, g_ProfileList, sizeof g_ProfileList);
        return;
    }
    auto stored = std::make_unique<ProfileEntry[]>(kProfileCount);
    std::uint32_t type = 0;
    std::uint32_t size = sizeof g_ProfileList;
    if (key.Query(kConfigInfoValue, type, stored.get(), size) == win::kSuccess &&
        type == win::kRegBinary) {
        std::memcpy(g_ProfileList, stored.get(), sizeof g_ProfileList);
        return;
    }
    key.Set(kConfigInfoValue, win::kRegBinary, g_ProfileList, sizeof g_ProfileList);
}

void MakeCurrent(std::size_t index)
{
    for (auto& entry : g_ProfileList)
        entry.Active = 0;
    g_ProfileList[index].Active = 1;
    g_CurrentProfile = &g_ProfileList[index];
}

} // namespace

void InitProfileList(IProfileView& view)
{
    std::memset(g_ProfileList, 0, sizeof g_ProfileList);
    g_CurrentProfile = nullptr;
    ReadListFromRegistry();

    for (std::size_t i = 0; i < kProfileCount; ++i) {
        CopyToField(ProfilePath(i), g_ProfileList[i].Path, kProfileTextUnits);
        g_ProfileList[i].Marker = kProfileMarker;
    }

    int loaded = -1;
    for (std::size_t i = 0; i < kProfileCount && loaded < 0; ++i) {
        ProfileEntry& entry = g_ProfileList[i];
        if (entry.Marker != kProfileMarker || entry.Active == 0)
            continue;
        const Text path = FieldText(entry.Path, kProfileTextUnits);
        ProfileLoad result = LoadProfileFile(path, true);
        if (result == ProfileLoad::Loaded) {
            loaded = int(i);
            break;
        }
        entry.Active = 0;
        // A missing file has been replaced already; one that cannot be read is
        // kept for the user to rescue.
        if (result == ProfileLoad::OpenFailed)
            CreateDefaultProfile(path);
    }

    for (std::size_t i = 0; i < kProfileCount; ++i)
        CopyToField(u"Profile" + Text(1, char16_t(u'1' + i)), g_ProfileList[i].Name,
                    kProfileTextUnits);

    if (loaded < 0) {
        const Text path = FieldText(g_ProfileList[0].Path, kProfileTextUnits);
        ProfileLoad result = LoadProfileFile(path, false);
        if (result == ProfileLoad::ReadFailed)
            FillDefaults();
        else if (result != ProfileLoad::Loaded)
            CreateDefaultProfile(path);
        loaded = 0;
    }
    MakeCurrent(std::size_t(loaded));
    view.ShowCurrentProfile(std::size_t(loaded));
}

bool SwitchProfile(std::size_t index, IProfileView& view)
{
    if (index >= kProfileCount)
        return false;
    // A missing file is replaced by defaults on the way; they must not become
    // the settings of the profile that stays current.
    auto previous = std::make_unique<SettingsImage>(g_Settings);
    if (!LoadProfile(FieldText(g_ProfileList[index].Path, kProfileTextUnits), true)) {
        g_Settings = *previous;
        int current = CurrentProfileIndex();
        if (current >= 0)
            view.ShowCurrentProfile(std::size_t(current));
        return false;
    }
    MakeCurrent(index);
    view.ShowCurrentProfile(index);
    view.ShowSettings();
    return true;
}

void MarkFirstRun()
{
    static const std::uint8_t kOne[4] = {1, 0, 0, 0};
    RegKey key(*ProcessSeams().registry);
    if (key.Open(kSettingsKeyPath) == win::kSuccess) {
        std::uint8_t stored[4] = {1, 0, 0, 0};
        std::uint32_t type = 0;
        std::uint32_t size = sizeof stored;
        if (key.Query(kFirstRunValue, type, stored, size) != win::kSuccess ||
            type != win::kRegBinary)
            key.Set(kFirstRunValue, win::kRegBinary, kOne, sizeof kOne);
        return;
    }
    if (key.Create(kSettingsKeyPath) == win::kSuccess)
        key.Set(kFirstRunValue, win::kRegBinary, kOne, sizeof kOne);
}

} // namespace k47
