// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <vector>

#include "config/text.h"

namespace k47 {

// Reads a whole file in binary, for the readers of small data files.
class IFileReader {
public:
    virtual ~IFileReader() = default;
    // Replaces bytes with the file's content. False, with bytes empty, when the
    // file cannot be opened or read.
    virtual bool ReadAll(const Text& path, std::vector<std::uint8_t>& bytes) = 0;
};

// The C runtime's files; on Windows the path is opened as UTF-16, elsewhere as
// UTF-8, and when no file has the name, with backslashes taken as slashes.
IFileReader& StdFileReader();

} // namespace k47
