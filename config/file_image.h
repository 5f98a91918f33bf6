// SPDX-License-Identifier: MIT
#pragma once
// Files that hold one fixed-size block: read in one go from the start, and
// written so that the target holds either its old or its new content in full,
// never a part of either.

#include <cstddef>
#include <cstdint>

#include "config/file_system.h"
#include "config/text.h"

namespace k47 {

struct FileReadResult {
    bool opened = false;                // false: the open failed with error
    std::int32_t error = win::kSuccess; // cause of the failure, kSuccess when complete
    std::size_t bytes = 0;              // bytes placed at the start of the buffer
};

// Reads path from its start into data, at most capacity bytes; a shorter file
// fills less. Fails with win::kReadFault when the file opened but fewer bytes
// came than it holds up to capacity, or with the read's own error.
FileReadResult ReadFileImage(IFileSystem& files, TextView path, void* data, std::size_t capacity);

// The file a replacement is written to before it takes the place of path.
Text ReplacementPath(TextView path);

// Makes size bytes the whole content of path: writes them to
// ReplacementPath(path), flushes it and puts it in the place of path. On any
// failure path keeps its old content (or stays missing) and the replacement is
// removed. Returns the cause of the first failure, win::kDiskFull for a write
// that stops without one.
std::int32_t WriteFileImage(IFileSystem& files, TextView path, const void* data, std::size_t size);

} // namespace k47
