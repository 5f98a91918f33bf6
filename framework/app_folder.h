// SPDX-License-Identifier: MIT
#pragma once
#include <string>

namespace k47 {

// The folder of the running executable, ending in a backslash.
std::wstring ExecutableFolder();

} // namespace k47
