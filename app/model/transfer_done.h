// SPDX-License-Identifier: MIT
#pragma once
// What a successful transfer leaves behind: the profile list with the macro
// identifiers just sent, in the registry as "ConfigInfo", and the settings in
// the current profile's file.

namespace k47 {

// Copies g_ButtonMacroIds into the current profile's entry, writes the list
// when the settings key opens, and saves the current profile. False when the
// profile could not be saved.
bool SaveAfterTransfer();

} // namespace k47
