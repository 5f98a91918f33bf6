// SPDX-License-Identifier: MIT
#include "config/seams.h"

namespace k47 {

Seams& ProcessSeams()
{
    static Seams seams;
    return seams;
}

} // namespace k47
