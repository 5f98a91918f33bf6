// SPDX-License-Identifier: MIT
#pragma once
#include "config/file_system.h"

namespace k47 {

// Files through CreateFileW, ReadFile, WriteFile, FlushFileBuffers,
// CreateDirectoryW and MoveFileExW; results are GetLastError codes.
class WinFileSystem : public IFileSystem {
public:
    std::int32_t Open(TextView path, FileAccess access, FileHandle& file) override;
    std::int32_t Size(FileHandle file, std::uint64_t& size) override;
    std::int32_t Read(FileHandle file, void* data, std::uint32_t size,
                      std::uint32_t& read) override;
    std::int32_t Write(FileHandle file, const void* data, std::uint32_t size,
                       std::uint32_t& written) override;
    std::int32_t Flush(FileHandle file) override;
    void Close(FileHandle file) override;
    std::int32_t CreateFolder(TextView path) override;
    std::int32_t Replace(TextView source, TextView target) override;
    std::int32_t Remove(TextView path) override;
};

} // namespace k47
