// SPDX-License-Identifier: MIT
#pragma once
// A file opened for reading or writing; results as values, no exceptions.

#include "framework/kernel_handle.h"

#include <cstdint>

namespace k47 {

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0,
        modeWrite = 0x1,
        modeReadWrite = 0x2,
        modeCreate = 0x1000, // create or truncate
    };

    CFile() = default;
    bool Open(const wchar_t* path, unsigned flags);
    void Close() { m_file.Reset(); }
    bool IsOpen() const { return static_cast<bool>(m_file); }

    // Bytes read, or -1 on failure.
    std::int64_t Read(void* buffer, std::uint32_t count);
    bool Write(const void* buffer, std::uint32_t count);
    // Length in bytes, or -1.
    std::int64_t GetLength() const;

private:
    CHandle m_file;
};

} // namespace k47
