// SPDX-License-Identifier: MIT
#pragma once
// The auto-closing message's countdown on its OK button.

#include "config/text.h"

namespace k47 {

// The OK button's caption when the countdown starts: "OK (5s)".
Text CountdownStartLabel(bool chinese);

struct CountdownTick {
    bool close; // the dialog closes at this tick
    Text caption;
};

// One one-second tick: closes when the counter has reached 0, shows the
// counter and counts down.
CountdownTick NextCountdownTick(int& counter, bool chinese);

// The OK and Cancel captions.
Text OkCaption(bool chinese);
Text CancelCaption(bool chinese);

} // namespace k47
