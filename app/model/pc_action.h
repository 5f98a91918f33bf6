// SPDX-License-Identifier: MIT
#pragma once
// What the PC runs when the mouse hook reports a press of a button set to an
// advanced action: the sound to play or the target to open.

#include <cstdint>

#include "config/text.h"

namespace k47 {

struct PcAction {
    enum class Kind { None, PlaySound, Open };
    Kind kind = Kind::None;
    Text path; // for Open: as ShellExecute gets it
};

// The action of the button the filter code names, from g_ButtonSettings: none
// for another code, a button of another type, an action word no page builds
// or an empty path. The path is szTarget of the button the action word names.
// Files and folders whose path holds a space are opened with the path in
// quotation marks; a program is launched with its path as it is.
PcAction DecidePcAction(std::uint32_t filterCode);

} // namespace k47
