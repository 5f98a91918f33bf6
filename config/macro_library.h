// SPDX-License-Identifier: MIT
#pragma once
// The macro library on disk: "Macro.cfg" in the application folder holds
// g_MacroTable byte for byte and is rewritten in full after every change.
// Files go through ProcessSeams().files, pauses through .clock and messages
// through .messages; everything runs on the user-interface thread.

#include <cstdint>
#include <vector>

#include "config/built_macro.h"
#include "config/text.h"

namespace k47 {

// g_AppFolder + "Macro.cfg".
Text MacroFilePath();

// Reads the file into the zeroed table, at most the table's size; a shorter
// file leaves the rest free. A missing file shows str_msg2 with the path; a
// file that cannot be read in full is reported and the table stays zero.
// False unless the table holds the file.
bool LoadMacroFile();

// Writes the whole table to the file, between two pauses of 100 ms, replacing
// the file in one step. A missing file is reported first and then created.
// The platform message box is owned by the main window. True when the file
// matches the table; otherwise the file keeps its old content, a message says
// so, and the table keeps the change for the next save.
bool SaveMacroFile();

// Puts a built macro and its first EventCount words of events into the slot
// of its Id, or into the first slot whose Tag is 0, then saves. Refused (false,
// nothing changes) for no macro, a Size below 108, a wrong tag, more than 1000
// events or fewer words in events than EventCount; false too when every slot
// is taken.
bool StoreMacro(const BuiltMacro* macro, const std::vector<std::uint32_t>& events);

// Clears the first slot holding id, if any, and saves either way.
void DeleteMacro(std::uint32_t id);

} // namespace k47
