// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "config/registry.h"

namespace k47::test {

// An in-memory HKEY_LOCAL_MACHINE. Key paths compare without regard to ASCII
// case, as the registry's do. Opening or creating a key can be made to fail
// with a chosen error code, and writes can be refused.
class MemoryRegistry : public IRegistry {
public:
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    std::int32_t OpenKey(TextView path, std::uint32_t access, RegHandle& key) override;
    std::int32_t CreateKey(TextView path, std::uint32_t access, RegHandle& key) override;
    std::int32_t QueryValue(RegHandle key, TextView name, std::uint32_t& type, void* data,
                            std::uint32_t& size) override;
    std::int32_t SetValue(RegHandle key, TextView name, std::uint32_t type, const void* data,
                          std::uint32_t size) override;
    std::int32_t EnumKey(RegHandle key, std::uint32_t index, Text& name) override;
    void CloseKey(RegHandle key) override;

    // Test control and inspection.
    void FailOpen(TextView path, std::int32_t error) { m_openFailures[Fold(path)] = error; }
    void FailCreate(TextView path, std::int32_t error) { m_createFailures[Fold(path)] = error; }
    void FailWrites(std::int32_t error) { m_writeFailure = error; }
    void Put(TextView path, TextView name, std::uint32_t type, std::vector<std::uint8_t> data);
    const Value* Find(TextView path, TextView name) const;
    bool HasKey(TextView path) const { return m_keys.count(Fold(path)) != 0; }
    std::size_t OpenHandles() const { return m_handles.size(); }
    std::uint32_t LastAccess() const { return m_lastAccess; }

private:
    static Text Fold(TextView s);
    void AddKeyWithParents(const Text& folded, TextView original);

    std::set<Text> m_keys;                  // folded paths
    std::map<Text, Text> m_keyNames;        // folded path -> path as first created
    std::map<Text, std::map<Text, Value>> m_values; // folded path -> folded name -> value
    std::map<Text, std::int32_t> m_openFailures, m_createFailures;
    std::int32_t m_writeFailure = 0;
    std::map<RegHandle, Text> m_handles;
    RegHandle m_nextHandle = 0x100;
    std::uint32_t m_lastAccess = 0;
};

} // namespace k47::test
