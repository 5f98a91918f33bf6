// SPDX-License-Identifier: MIT
#include "config/xml/file_reader.h"

#include <cstdio>
#include <memory>

namespace k47 {
namespace {

// Offsets into a document are 32-bit signed; larger files count as unreadable.
constexpr std::size_t kMaxSize = 0x7FFFFFFF;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr OpenForReading(const Text& path)
{
#ifdef _WIN32
    // The C runtime's narrow names are in the ANSI code page; wide ones reach
    // every file.
    return FilePtr(::_wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"rb"));
#else
    std::string native = ToUtf8(path);
    FilePtr file(std::fopen(native.c_str(), "rb"));
    if (file || native.find('\\') == std::string::npos)
        return file;
    // Paths are built the Windows way; a backslash may be a folder separator.
    for (char& c : native)
        if (c == '\\')
            c = '/';
    return FilePtr(std::fopen(native.c_str(), "rb"));
#endif
}

class StdReader : public IFileReader {
public:
    bool ReadAll(const Text& path, std::vector<std::uint8_t>& bytes) override
    {
        bytes.clear();
        if (path.find(u'\0') != Text::npos)
            return false;
        FilePtr file = OpenForReading(path);
        if (!file)
            return false;
        if (std::fseek(file.get(), 0, SEEK_END) == 0) {
            const long size = std::ftell(file.get());
            if (size > 0 && static_cast<unsigned long>(size) <= kMaxSize)
                bytes.reserve(static_cast<std::size_t>(size));
            std::rewind(file.get());
        }
        std::uint8_t chunk[64 * 1024];
        while (true) {
            const std::size_t got = std::fread(chunk, 1, sizeof(chunk), file.get());
            bytes.insert(bytes.end(), chunk, chunk + got);
            if (got < sizeof(chunk) || bytes.size() > kMaxSize)
                break;
        }
        if (std::ferror(file.get()) || bytes.size() > kMaxSize) {
            bytes.clear();
            bytes.shrink_to_fit();
            return false;
        }
        return true;
    }
};

} // namespace

IFileReader& StdFileReader()
{
    static StdReader reader;
    return reader;
}

} // namespace k47
