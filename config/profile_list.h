// SPDX-License-Identifier: MIT
#pragma once
// Choosing the current profile: at start-up from the list the registry keeps
// ("ConfigInfo"), and later from the main window's profile buttons.

#include <cstddef>

#include "config/profile_view.h"

namespace k47 {

// At start-up: reads the list from the registry (writing a zero list when it
// is missing), rebuilds every entry's marker, name and path, and loads the
// first profile marked active that can be read. When none can, profile 1 is
// loaded or created. Profile 1 is then current even when nothing could be read
// or written, and g_Settings holds what was read or the defaults. Tells view
// which profile is current. The list is not written back.
void InitProfileList(IProfileView& view);

// Makes profile index (0-4) current: loads its file (a missing one is
// reported and replaced by a default file) and tells view. When the file does
// not load, the current profile and g_Settings stay as they were, view is told
// the current profile again, and the result is false. The list is not written.
bool SwitchProfile(std::size_t index, IProfileView& view);

// Writes "FirstRun" = 1 when it is missing.
void MarkFirstRun();

} // namespace k47
