// SPDX-License-Identifier: MIT
#pragma once
// Files as the settings use them: whole files read from the start, and
// replacement files written beside their target. Results are Windows error
// codes (win::kSuccess, win::kFileNotFound, win::kPathNotFound,
// win::kAccessDenied, win::kDiskFull, ...), so that portable code reacts to
// the same causes the platform reports.

#include <cstdint>
#include <utility>

#include "config/text.h"
#include "config/win_errors.h"

namespace k47 {

using FileHandle = std::uintptr_t;

enum class FileAccess {
    ReadExisting,      // read; the file must exist (OPEN_EXISTING)
    ReadWriteExisting, // read and write; the file must exist, nothing is truncated
    CreateReadWrite,   // read and write; created, or truncated when it exists (CREATE_ALWAYS)
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // CreateFileW. A missing file gives win::kFileNotFound, a missing folder on
    // the way win::kPathNotFound. The position starts at byte 0.
    virtual std::int32_t Open(TextView path, FileAccess access, FileHandle& file) = 0;
    // GetFileSizeEx.
    virtual std::int32_t Size(FileHandle file, std::uint64_t& size) = 0;
    // ReadFile from the current position: read is 0 at the end of the file, and
    // may be less than size before it.
    virtual std::int32_t Read(FileHandle file, void* data, std::uint32_t size,
                              std::uint32_t& read) = 0;
    // WriteFile at the current position. written may be less than size, with or
    // without an error; what was written stays written.
    virtual std::int32_t Write(FileHandle file, const void* data, std::uint32_t size,
                               std::uint32_t& written) = 0;
    // FlushFileBuffers: the data is on the disk when this succeeds.
    virtual std::int32_t Flush(FileHandle file) = 0;
    // CloseHandle.
    virtual void Close(FileHandle file) = 0;
    // CreateDirectoryW: win::kAlreadyExists when the folder is there already.
    virtual std::int32_t CreateFolder(TextView path) = 0;
    // Puts source in the place of target in one step, replacing an existing
    // target, and returns when that is on the disk (MoveFileExW with
    // MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH). Both in one folder.
    virtual std::int32_t Replace(TextView source, TextView target) = 0;
    // DeleteFileW.
    virtual std::int32_t Remove(TextView path) = 0;
};

// An open file that closes itself.
class File {
public:
    explicit File(IFileSystem& files) : m_files(&files) {}
    ~File() { Close(); }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept
        : m_files(other.m_files), m_file(std::exchange(other.m_file, 0)),
          m_open(std::exchange(other.m_open, false))
    {
    }

    std::int32_t Open(TextView path, FileAccess access)
    {
        Close();
        std::int32_t rc = m_files->Open(path, access, m_file);
        m_open = rc == win::kSuccess;
        return rc;
    }
    void Close()
    {
        if (m_open)
            m_files->Close(m_file);
        m_open = false;
        m_file = 0;
    }
    bool IsOpen() const { return m_open; }

    std::int32_t Size(std::uint64_t& size) { return m_files->Size(m_file, size); }
    std::int32_t Read(void* data, std::uint32_t size, std::uint32_t& read)
    {
        return m_files->Read(m_file, data, size, read);
    }
    std::int32_t Write(const void* data, std::uint32_t size, std::uint32_t& written)
    {
        return m_files->Write(m_file, data, size, written);
    }
    std::int32_t Flush() { return m_files->Flush(m_file); }

private:
    IFileSystem* m_files;
    FileHandle m_file = 0;
    bool m_open = false;
};

} // namespace k47
