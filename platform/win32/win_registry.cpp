// SPDX-License-Identifier: MIT
#include "platform/win32/win_registry.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

#include <string>

namespace k47 {
namespace {

HKEY AsKey(RegHandle key)
{
    return reinterpret_cast<HKEY>(key);
}

} // namespace

std::int32_t WinRegistry::OpenKey(TextView path, std::uint32_t access, RegHandle& key)
{
    HKEY opened = nullptr;
    LONG rc = ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, WideText(path).c_str(), 0, access, &opened);
    if (rc == ERROR_SUCCESS)
        key = reinterpret_cast<RegHandle>(opened);
    return rc;
}

std::int32_t WinRegistry::CreateKey(TextView path, std::uint32_t access, RegHandle& key)
{
    HKEY created = nullptr;
    LONG rc = ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, WideText(path).c_str(), 0, nullptr,
                                REG_OPTION_NON_VOLATILE, access, nullptr, &created, nullptr);
    if (rc == ERROR_SUCCESS)
        key = reinterpret_cast<RegHandle>(created);
    return rc;
}

std::int32_t WinRegistry::QueryValue(RegHandle key, TextView name, std::uint32_t& type, void* data,
                                     std::uint32_t& size)
{
    DWORD valueType = 0;
    DWORD valueSize = size;
    LONG rc = ::RegQueryValueExW(AsKey(key), WideText(name).c_str(), nullptr, &valueType,
                                 static_cast<BYTE*>(data), &valueSize);
    if (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA) {
        type = valueType;
        size = valueSize;
    }
    return rc;
}

std::int32_t WinRegistry::SetValue(RegHandle key, TextView name, std::uint32_t type,
                                   const void* data, std::uint32_t size)
{
    return ::RegSetValueExW(AsKey(key), WideText(name).c_str(), 0, type,
                            static_cast<const BYTE*>(data), size);
}

std::int32_t WinRegistry::EnumKey(RegHandle key, std::uint32_t index, Text& name)
{
    // Key names are at most 255 characters.
    wchar_t buffer[256];
    DWORD length = DWORD(std::size(buffer));
    LONG rc =
        ::RegEnumKeyExW(AsKey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_SUCCESS)
        name.assign(reinterpret_cast<const char16_t*>(buffer), length);
    return rc;
}

void WinRegistry::CloseKey(RegHandle key)
{
    ::RegCloseKey(AsKey(key));
}

} // namespace k47
