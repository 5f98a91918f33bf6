// SPDX-License-Identifier: MIT
#pragma once
// The gallery's event log: one line per event, appended and flushed at once
// so a test driving the gallery can wait for a line. The file is named by
// K47_GALLERY_LOG; without it nothing is written.

namespace k47 {

void GalleryLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The log's path with a suffix, for the files a test touches to let the
// gallery go on; empty without a log.
bool GalleryFlagExists(const char* suffix);

} // namespace k47
