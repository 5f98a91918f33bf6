// SPDX-License-Identifier: MIT
#pragma once
#include "config/text.h"

namespace k47 {

// What the PC does for a button set to an advanced action: the shell's "open"
// and the platform's sound player.
class IShell {
public:
    virtual ~IShell() = default;
    // Opens a program, file or folder as the shell's "open" verb does.
    virtual void Open(TextView path) = 0;
    // Plays a sound file without waiting for it to end.
    virtual void PlaySoundFile(TextView path) = 0;
};

} // namespace k47
