// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>

namespace k47 {

// What the profile list asks of the main window when the current profile is
// chosen or changes. Called on the user-interface thread.
class IProfileView {
public:
    virtual ~IProfileView() = default;
    // Shows profile button index (0-4) selected and the other four not, and
    // notes index as the current one.
    virtual void ShowCurrentProfile(std::size_t index) = 0;
    // The button assignment page and the lighting page show g_Settings again.
    virtual void ShowSettings() = 0;
};

} // namespace k47
