// SPDX-License-Identifier: MIT
#pragma once
#include "config/registry.h"

namespace k47 {

// The registry below HKEY_LOCAL_MACHINE through the Win32 Reg* functions.
// Handles are HKEYs; every one opened or created must be closed by the caller.
class WinRegistry : public IRegistry {
public:
    std::int32_t OpenKey(TextView path, std::uint32_t access, RegHandle& key) override;
    std::int32_t CreateKey(TextView path, std::uint32_t access, RegHandle& key) override;
    std::int32_t QueryValue(RegHandle key, TextView name, std::uint32_t& type, void* data,
                            std::uint32_t& size) override;
    std::int32_t SetValue(RegHandle key, TextView name, std::uint32_t type, const void* data,
                          std::uint32_t size) override;
    std::int32_t EnumKey(RegHandle key, std::uint32_t index, Text& name) override;
    void CloseKey(RegHandle key) override;
};

} // namespace k47
