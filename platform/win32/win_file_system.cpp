// SPDX-License-Identifier: MIT
#include "platform/win32/win_file_system.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

#include <string>

namespace k47 {
namespace {

HANDLE AsHandle(FileHandle file)
{
    return reinterpret_cast<HANDLE>(file);
}

std::int32_t LastError()
{
    return std::int32_t(::GetLastError());
}

} // namespace

std::int32_t WinFileSystem::Open(TextView path, FileAccess access, FileHandle& file)
{
    DWORD desired = GENERIC_READ;
    DWORD share = FILE_SHARE_READ;
    DWORD disposition = OPEN_EXISTING;
    if (access != FileAccess::ReadExisting) {
        desired |= GENERIC_WRITE;
        share = 0;
    }
    if (access == FileAccess::CreateReadWrite)
        disposition = CREATE_ALWAYS;
    HANDLE handle = ::CreateFileW(WideText(path).c_str(), desired, share, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return LastError();
    file = reinterpret_cast<FileHandle>(handle);
    return ERROR_SUCCESS;
}

std::int32_t WinFileSystem::Size(FileHandle file, std::uint64_t& size)
{
    LARGE_INTEGER value{};
    if (!::GetFileSizeEx(AsHandle(file), &value))
        return LastError();
    size = std::uint64_t(value.QuadPart);
    return ERROR_SUCCESS;
}

std::int32_t WinFileSystem::Read(FileHandle file, void* data, std::uint32_t size,
                                 std::uint32_t& read)
{
    DWORD done = 0;
    BOOL ok = ::ReadFile(AsHandle(file), data, size, &done, nullptr);
    read = done;
    return ok ? ERROR_SUCCESS : LastError();
}

std::int32_t WinFileSystem::Write(FileHandle file, const void* data, std::uint32_t size,
                                  std::uint32_t& written)
{
    DWORD done = 0;
    BOOL ok = ::WriteFile(AsHandle(file), data, size, &done, nullptr);
    written = done;
    return ok ? ERROR_SUCCESS : LastError();
}

std::int32_t WinFileSystem::Flush(FileHandle file)
{
    return ::FlushFileBuffers(AsHandle(file)) ? ERROR_SUCCESS : LastError();
}

void WinFileSystem::Close(FileHandle file)
{
    ::CloseHandle(AsHandle(file));
}

std::int32_t WinFileSystem::CreateFolder(TextView path)
{
    return ::CreateDirectoryW(WideText(path).c_str(), nullptr) ? ERROR_SUCCESS : LastError();
}

std::int32_t WinFileSystem::Replace(TextView source, TextView target)
{
    // One rename in the same folder: readers see the old file or the new one.
    BOOL ok = ::MoveFileExW(WideText(source).c_str(), WideText(target).c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return ok ? ERROR_SUCCESS : LastError();
}

std::int32_t WinFileSystem::Remove(TextView path)
{
    return ::DeleteFileW(WideText(path).c_str()) ? ERROR_SUCCESS : LastError();
}

} // namespace k47
