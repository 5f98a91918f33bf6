// SPDX-License-Identifier: MIT
#pragma once
// The messages about the system's own files. Each "%s" is a full path.

#include "config/text.h"

namespace k47 {

inline constexpr TextView kInfoCaption = u"Info";
inline constexpr TextView kMissingPathText =
    u"Failed to open file, check whether there is a %s path?";
inline constexpr TextView kNoPermissionText =
    u"Failed to create Profile, make sure you have permission to create files!";
// A file that opened but could not be read in full; nothing of it is used.
inline constexpr TextView kReadFailedText = u"Failed to read %s completely! It is left as it is.";
// A write that did not complete; the file keeps what it held before.
inline constexpr TextView kWriteFailedText = u"Failed to write %s! The file is left as it was.";

} // namespace k47
