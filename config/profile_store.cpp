// SPDX-License-Identifier: MIT
#include "config/profile_store.h"

#include <cstring>

#include "config/file_image.h"
#include "config/file_messages.h"
#include "config/lang_text.h"
#include "config/message_box.h"
#include "config/profile_entry.h"
#include "config/registry.h"
#include "config/seams.h"
#include "config/settings_image.h"
#include "config/settings_key.h"
#include "config/text_format.h"

namespace k47 {

bool g_Profile1InRegistry = false;

namespace {

constexpr TextView kProfile1File = u"Profile1.cfg";

bool IsProfile1Path(TextView path)
{
    return path.find(kProfile1File) != TextView::npos;
}

bool IsMissing(std::int32_t error)
{
    return error == win::kFileNotFound || error == win::kPathNotFound;
}

IMessageBox& Messages()
{
    return *ProcessSeams().messages;
}

// Profile 1's registry copy into g_Settings; false when there is none to use.
bool LoadProfile1FromRegistry()
{
    RegKey key(*ProcessSeams().registry);
    if (key.Open(kSettingsKeyPath) != win::kSuccess)
        return false;
    SettingsImage image{};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof image;
    if (key.Query(kDefaultSettingValue, type, &image, size) != win::kSuccess ||
        type != win::kRegBinary)
        return false;
    // A shorter value leaves the rest zero, as a shorter file does.
    g_Settings = image;
    g_Settings.Magic = kSettingsMagic;
    return true;
}

} // namespace

ProfileLoad LoadProfileFile(TextView path, bool report)
{
    if (g_Profile1InRegistry && IsProfile1Path(path) && LoadProfile1FromRegistry())
        return ProfileLoad::Loaded;

    SettingsImage image{};
    FileReadResult read = ReadFileImage(*ProcessSeams().files, path, &image, sizeof image);
    if (read.opened && read.error == win::kSuccess) {
        g_Settings = image;
        g_Settings.Magic = kSettingsMagic;
        return ProfileLoad::Loaded;
    }
    if (read.opened) {
        Messages().ShowInfoMessage(FormatWithText(kReadFailedText, path), 0);
        return ProfileLoad::ReadFailed;
    }
    if (!IsMissing(read.error))
        return ProfileLoad::OpenFailed;
    if (report) {
        Messages().ShowInfoMessage(FormatWithText(kMissingPathText, path), 0);
        CreateDefaultProfile(path);
    }
    return ProfileLoad::Missing;
}

bool LoadProfile(TextView path, bool report)
{
    return LoadProfileFile(path, report) == ProfileLoad::Loaded;
}

bool CreateDefaultProfile(TextView path)
{
    IFileSystem& files = *ProcessSeams().files;
    // An existing folder is fine; a folder that cannot be made shows at the write.
    files.CreateFolder(ProfileFolder());
    FillDefaults();
    std::int32_t rc = WriteFileImage(files, path, &g_Settings, sizeof g_Settings);
    if (rc == win::kSuccess)
        return true;
    if (rc == win::kAccessDenied)
        Messages().ShowInfoMessage(LangTextOf("str_msg4"), 0);
    else
        Messages().ShowInfoMessage(FormatWithText(kWriteFailedText, path), 0);
    return false;
}

bool SaveCurrentProfile()
{
    if (!g_CurrentProfile)
        return false;
    const Text path = FieldText(g_CurrentProfile->Path, kProfileTextUnits);
    std::int32_t rc = WriteFileImage(*ProcessSeams().files, path, &g_Settings, sizeof g_Settings);
    if (rc == win::kSuccess) {
        // The file is newer than any registry copy now.
        if (IsProfile1Path(path))
            g_Profile1InRegistry = false;
        return true;
    }
    if (IsMissing(rc)) {
        Messages().ShowPlatformMessage(FormatWithText(LangTextOf("str_msg2"), path), kInfoCaption);
        return false;
    }
    if (rc == win::kAccessDenied &&
        FieldText(g_CurrentProfile->Name, kProfileTextUnits) == LangTextOf("str_profile1")) {
        RegKey key(*ProcessSeams().registry);
        if (key.Open(kSettingsKeyPath) == win::kSuccess &&
            key.Set(kDefaultSettingValue, win::kRegBinary, &g_Settings, sizeof g_Settings) ==
                win::kSuccess) {
            g_Profile1InRegistry = true;
            return true;
        }
        Messages().ShowPlatformMessage(LangTextOf("str_msg5"), kInfoCaption);
        return false;
    }
    Messages().ShowPlatformMessage(FormatWithText(kWriteFailedText, path), kInfoCaption);
    return false;
}

} // namespace k47
