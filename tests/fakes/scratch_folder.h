// SPDX-License-Identifier: MIT
#pragma once
#include <string_view>

#include "config/text.h"

namespace k47::test {

// A fresh folder below the system's temporary folder, removed with its content
// when the object goes. Paths are UTF-16, as the program's own.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder with a trailing separator.
    const Text& Path() const { return m_path; }

    // Writes bytes to Path() + name, making the folders a backslash names on
    // Windows; elsewhere a backslash is part of the file name, which is what
    // the program's own paths then open. True on success.
    bool Write(TextView name, std::string_view bytes) const;
    bool Remove(TextView name) const;

private:
    Text m_path;
};

} // namespace k47::test
