// SPDX-License-Identifier: MIT
#include "config/language_registry.h"

#include <cstdio>

#include "config/language_table.h"
#include "config/message_box.h"
#include "config/registry.h"
#include "config/seams.h"

namespace k47 {
namespace {

void PutLittleEndian(std::int32_t value, std::uint8_t* bytes)
{
    auto v = std::uint32_t(value);
    for (int i = 0; i < 4; ++i)
        bytes[i] = std::uint8_t(v >> (8 * i));
}

std::int32_t GetLittleEndian(const std::uint8_t* bytes)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= std::uint32_t(bytes[i]) << (8 * i);
    return std::int32_t(v);
}

} // namespace

void SaveLanguageIndex(std::int32_t index)
{
    RegKey key(*ProcessSeams().registry);
    if (key.Open(kLanguageKeyPath) != win::kSuccess) {
        std::int32_t rc = key.Create(kLanguageKeyPath);
        if (rc != win::kSuccess) {
            char message[64];
            std::snprintf(message, sizeof message, "Reg_SaveData Create key failed, error: 0x%x",
                          unsigned(rc));
            ProcessSeams().messages->ShowPlatformMessage(FromAscii(message), u"Error");
            return;
        }
    }
    std::uint8_t bytes[4];
    PutLittleEndian(index, bytes);
    key.Set(kLanguageValueName, win::kRegBinary, bytes, sizeof bytes);
}

std::int32_t ReadLanguageIndex()
{
    RegKey key(*ProcessSeams().registry);
    if (key.Open(kLanguageKeyPath) != win::kSuccess)
        return kDefaultLanguage;
    // A value shorter than 4 bytes overwrites only the low bytes of the 1.
    std::uint8_t bytes[4];
    PutLittleEndian(kDefaultLanguage, bytes);
    std::uint32_t type = 0;
    std::uint32_t size = sizeof bytes;
    if (key.Query(kLanguageValueName, type, bytes, size) != win::kSuccess ||
        type != win::kRegBinary)
        return kDefaultLanguage;
    return GetLittleEndian(bytes);
}

} // namespace k47
