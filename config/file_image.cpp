// SPDX-License-Identifier: MIT
#include "config/file_image.h"

#include <algorithm>

namespace k47 {

namespace {

constexpr std::size_t kChunk = 1u << 20;

std::int32_t WriteAll(File& file, const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        auto chunk = std::uint32_t(std::min(size, kChunk));
        std::uint32_t written = 0;
        std::int32_t rc = file.Write(data, chunk, written);
        if (rc != win::kSuccess)
            return rc;
        if (written == 0 || written > chunk)
            return win::kDiskFull;
        data += written;
        size -= written;
    }
    return win::kSuccess;
}

} // namespace

FileReadResult ReadFileImage(IFileSystem& files, TextView path, void* data, std::size_t capacity)
{
    FileReadResult result;
    File file(files);
    result.error = file.Open(path, FileAccess::ReadExisting);
    if (result.error != win::kSuccess)
        return result;
    result.opened = true;

    std::uint64_t size = 0;
    result.error = file.Size(size);
    if (result.error != win::kSuccess)
        return result;
    const std::size_t expected = std::size_t(std::min<std::uint64_t>(size, capacity));

    auto* out = static_cast<std::uint8_t*>(data);
    while (result.bytes < capacity) {
        auto chunk = std::uint32_t(std::min(capacity - result.bytes, kChunk));
        std::uint32_t read = 0;
        result.error = file.Read(out + result.bytes, chunk, read);
        if (result.error != win::kSuccess)
            return result;
        if (read == 0)
            break;
        result.bytes += std::min<std::size_t>(read, chunk);
    }
    // A read that ends before the size the file reported leaves data missing.
    if (result.bytes < expected)
        result.error = win::kReadFault;
    return result;
}

Text ReplacementPath(TextView path)
{
    return Text(path) + u".tmp";
}

std::int32_t WriteFileImage(IFileSystem& files, TextView path, const void* data, std::size_t size)
{
    const Text temp = ReplacementPath(path);
    std::int32_t rc;
    {
        File file(files);
        rc = file.Open(temp, FileAccess::CreateReadWrite);
        if (rc != win::kSuccess)
            return rc;
        rc = WriteAll(file, static_cast<const std::uint8_t*>(data), size);
        if (rc == win::kSuccess)
            rc = file.Flush();
    }
    if (rc == win::kSuccess)
        rc = files.Replace(temp, path);
    if (rc != win::kSuccess)
        files.Remove(temp);
    return rc;
}

} // namespace k47
