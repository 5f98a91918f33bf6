// SPDX-License-Identifier: MIT
#include "config/buttons.h"

namespace k47 {

int ButtonFromFilterCode(std::uint32_t filterCode)
{
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        if (kButtons[i].filterCode == filterCode)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace k47
