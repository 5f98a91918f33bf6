// SPDX-License-Identifier: MIT
#pragma once
// Reading and writing the settings image: the profile files, and for profile 1
// the registry copy "DefaultSetting" kept when its file cannot be written.
// Files go through ProcessSeams().files, the registry through .registry and
// messages through .messages.

#include "config/text.h"

namespace k47 {

// Set for the rest of the run once profile 1 has been saved to the registry
// because its file could not be written; cleared when the file is written
// again. While set, profile 1 is read from the registry.
extern bool g_Profile1InRegistry;

enum class ProfileLoad {
    Loaded,     // g_Settings holds the profile
    Missing,    // the file or its folder does not exist
    OpenFailed, // the file exists but could not be opened
    ReadFailed, // the file opened but could not be read in full; it is left alone
};

// Reads the profile at path into g_Settings: up to its 22124 bytes, the rest
// zero, the magic word set whatever the file held. A missing file with report
// set shows the missing-path message and is replaced by a default profile
// (CreateDefaultProfile). A file that cannot be read in full is reported and
// left alone. g_Settings changes only when a profile is loaded or the default
// profile is created.
ProfileLoad LoadProfileFile(TextView path, bool report);

// LoadProfileFile(path, report) == ProfileLoad::Loaded.
bool LoadProfile(TextView path, bool report);

// Creates the "Profile" folder when needed, sets g_Settings to the defaults and
// writes them to path. True when the file holds them; g_Settings holds the
// defaults either way. Access denied shows str_msg4, any other failure the
// write-failure message.
bool CreateDefaultProfile(TextView path);

// Writes g_Settings to the current profile's file. A missing folder shows
// str_msg2 with the path. Access denied for the profile named str_profile1
// falls back to "DefaultSetting" (str_msg5 when that fails too); any other
// failure shows the write-failure message. True when the settings were saved
// somewhere; false, and the file as it was, otherwise.
bool SaveCurrentProfile();

} // namespace k47
