// SPDX-License-Identifier: MIT
#pragma once
// The registry below HKEY_LOCAL_MACHINE, as the settings use it. Keys are paths
// such as u"Software\\ORVEK\\K47\\LANGUAGE"; results are Windows error codes
// (win::kSuccess, win::kFileNotFound, win::kAccessDenied, win::kMoreData, ...).

#include <cstdint>
#include <utility>

#include "config/text.h"
#include "config/win_errors.h"

namespace k47 {

using RegHandle = std::uintptr_t;

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // RegOpenKeyExW(HKLM, path, 0, access).
    virtual std::int32_t OpenKey(TextView path, std::uint32_t access, RegHandle& key) = 0;
    // RegCreateKeyExW(HKLM, path, no class, non-volatile, access): opens or creates.
    virtual std::int32_t CreateKey(TextView path, std::uint32_t access, RegHandle& key) = 0;
    // RegQueryValueExW: on entry size is the buffer's size; on return the value's
    // size. A value larger than the buffer gives win::kMoreData and copies nothing.
    virtual std::int32_t QueryValue(RegHandle key, TextView name, std::uint32_t& type, void* data,
                                    std::uint32_t& size) = 0;
    // RegSetValueExW.
    virtual std::int32_t SetValue(RegHandle key, TextView name, std::uint32_t type,
                                  const void* data, std::uint32_t size) = 0;
    // RegEnumKeyExW: the name of sub-key index, or win::kNoMoreItems.
    virtual std::int32_t EnumKey(RegHandle key, std::uint32_t index, Text& name) = 0;
    // RegCloseKey.
    virtual void CloseKey(RegHandle key) = 0;
};

// The access mask the settings use for every key: read, write, create and
// enumerate sub-keys, notify, read control.
constexpr std::uint32_t kSettingsKeyAccess = 0x2001F;

// An open registry key that closes itself.
class RegKey {
public:
    explicit RegKey(IRegistry& registry) : m_registry(&registry) {}
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& other) noexcept
        : m_registry(other.m_registry), m_key(std::exchange(other.m_key, 0)),
          m_open(std::exchange(other.m_open, false))
    {
    }

    std::int32_t Open(TextView path, std::uint32_t access = kSettingsKeyAccess)
    {
        Close();
        std::int32_t rc = m_registry->OpenKey(path, access, m_key);
        m_open = rc == win::kSuccess;
        return rc;
    }
    std::int32_t Create(TextView path, std::uint32_t access = kSettingsKeyAccess)
    {
        Close();
        std::int32_t rc = m_registry->CreateKey(path, access, m_key);
        m_open = rc == win::kSuccess;
        return rc;
    }
    void Close()
    {
        if (m_open)
            m_registry->CloseKey(m_key);
        m_open = false;
        m_key = 0;
    }
    bool IsOpen() const { return m_open; }

    std::int32_t Query(TextView name, std::uint32_t& type, void* data, std::uint32_t& size)
    {
        return m_registry->QueryValue(m_key, name, type, data, size);
    }
    std::int32_t Set(TextView name, std::uint32_t type, const void* data, std::uint32_t size)
    {
        return m_registry->SetValue(m_key, name, type, data, size);
    }
    std::int32_t EnumKey(std::uint32_t index, Text& name)
    {
        return m_registry->EnumKey(m_key, index, name);
    }

private:
    IRegistry* m_registry;
    RegHandle m_key = 0;
    bool m_open = false;
};

} // namespace k47
