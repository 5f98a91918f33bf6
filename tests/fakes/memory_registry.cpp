// SPDX-License-Identifier: MIT
#include "fakes/memory_registry.h"

#include <cstring>

namespace k47::test {

Text MemoryRegistry::Fold(TextView s)
{
    Text out(s);
    for (auto& c : out)
        c = AsciiUpper(c);
    while (!out.empty() && out.back() == u'\\')
        out.pop_back();
    return out;
}

void MemoryRegistry::AddKeyWithParents(const Text& folded, TextView original)
{
    for (std::size_t i = 0; i <= folded.size(); ++i) {
        if (i == folded.size() || folded[i] == u'\\') {
            Text prefix = folded.substr(0, i);
            if (!prefix.empty() && m_keys.insert(prefix).second)
                m_keyNames[prefix] = Text(original.substr(0, i));
        }
    }
}

std::int32_t MemoryRegistry::OpenKey(TextView path, std::uint32_t access, RegHandle& key)
{
    m_lastAccess = access;
    Text folded = Fold(path);
    auto failure = m_openFailures.find(folded);
    if (failure != m_openFailures.end())
        return failure->second;
    if (!m_keys.count(folded))
        return win::kFileNotFound;
    key = m_nextHandle++;
    m_handles[key] = folded;
    return win::kSuccess;
}

std::int32_t MemoryRegistry::CreateKey(TextView path, std::uint32_t access, RegHandle& key)
{
    m_lastAccess = access;
    Text folded = Fold(path);
    auto failure = m_createFailures.find(folded);
    if (failure != m_createFailures.end())
        return failure->second;
    AddKeyWithParents(folded, path);
    key = m_nextHandle++;
    m_handles[key] = folded;
    return win::kSuccess;
}

std::int32_t MemoryRegistry::QueryValue(RegHandle key, TextView name, std::uint32_t& type,
                                        void* data, std::uint32_t& size)
{
    auto handle = m_handles.find(key);
    if (handle == m_handles.end())
        return win::kInvalidHandle;
    auto& values = m_values[handle->second];
    auto it = values.find(Fold(name));
    if (it == values.end())
        return win::kFileNotFound;
    type = it->second.type;
    auto actual = std::uint32_t(it->second.data.size());
    if (data && actual > size) {
        size = actual;
        return win::kMoreData;
    }
    if (data && actual)
        std::memcpy(data, it->second.data.data(), actual);
    size = actual;
    return win::kSuccess;
}

std::int32_t MemoryRegistry::SetValue(RegHandle key, TextView name, std::uint32_t type,
                                      const void* data, std::uint32_t size)
{
    auto handle = m_handles.find(key);
    if (handle == m_handles.end())
        return win::kInvalidHandle;
    if (m_writeFailure)
        return m_writeFailure;
    Value v;
    v.type = type;
    auto bytes = static_cast<const std::uint8_t*>(data);
    v.data.assign(bytes, bytes + size);
    m_values[handle->second][Fold(name)] = std::move(v);
    return win::kSuccess;
}

std::int32_t MemoryRegistry::EnumKey(RegHandle key, std::uint32_t index, Text& name)
{
    auto handle = m_handles.find(key);
    if (handle == m_handles.end())
        return win::kInvalidHandle;
    const Text prefix = handle->second + u'\\';
    std::uint32_t n = 0;
    for (const auto& k : m_keys) {
        if (k.size() > prefix.size() && k.compare(0, prefix.size(), prefix) == 0 &&
            k.find(u'\\', prefix.size()) == Text::npos) {
            if (n++ == index) {
                name = m_keyNames[k].substr(prefix.size());
                return win::kSuccess;
            }
        }
    }
    return win::kNoMoreItems;
}

void MemoryRegistry::CloseKey(RegHandle key)
{
    m_handles.erase(key);
}

void MemoryRegistry::Put(TextView path, TextView name, std::uint32_t type,
                         std::vector<std::uint8_t> data)
{
    Text folded = Fold(path);
    AddKeyWithParents(folded, path);
    m_values[folded][Fold(name)] = Value{type, std::move(data)};
}

const MemoryRegistry::Value* MemoryRegistry::Find(TextView path, TextView name) const
{
    auto key = m_values.find(Fold(path));
    if (key == m_values.end())
        return nullptr;
    auto it = key->second.find(Fold(name));
    return it == key->second.end() ? nullptr : &it->second;
}

} // namespace k47::test
