// SPDX-License-Identifier: MIT
#include "tools/gallery/gallery_log.h"

#include "framework/win32.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <string>

namespace k47 {
namespace {

std::wstring LogPath()
{
    wchar_t buf[MAX_PATH] = {};
    const DWORD n = ::GetEnvironmentVariableW(L"K47_GALLERY_LOG", buf, MAX_PATH);
    return (n > 0 && n < MAX_PATH) ? std::wstring(buf) : std::wstring();
}

std::mutex g_logLock;

} // namespace

void GalleryLog(const char* format, ...)
{
    static const std::wstring path = LogPath();
    if (path.empty())
        return;
    char line[512];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(line, sizeof(line) - 2, format, args);
    va_end(args);
    if (n < 0)
        return;
    std::string text(line, static_cast<size_t>(n) < sizeof(line) - 2 ? n : sizeof(line) - 3);
    text += "\n";
    std::lock_guard<std::mutex> hold(g_logLock);
    HANDLE f = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return;
    DWORD put = 0;
    ::WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &put, nullptr);
    ::CloseHandle(f);
}

bool GalleryFlagExists(const char* suffix)
{
    static const std::wstring path = LogPath();
    if (path.empty())
        return true;
    std::wstring flag = path;
    for (const char* p = suffix; *p; ++p)
        flag += static_cast<wchar_t>(*p);
    return ::GetFileAttributesW(flag.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace k47
