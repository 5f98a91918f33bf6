// SPDX-License-Identifier: MIT
#include "fakes/memory_file_system.h"

#include <algorithm>
#include <cstring>

namespace k47::test {

Text MemoryFileSystem::Fold(TextView path)
{
    Text out(path);
    for (auto& c : out)
        c = c == u'/' ? u'\\' : AsciiUpper(c);
    while (!out.empty() && out.back() == u'\\')
        out.pop_back();
    return out;
}

Text MemoryFileSystem::Parent(const Text& folded)
{
    auto slash = folded.rfind(u'\\');
    return slash == Text::npos ? Text() : folded.substr(0, slash);
}

bool MemoryFileSystem::FolderExists(const Text& folded) const
{
    if (folded.empty() || (folded.size() == 2 && folded[1] == u':'))
        return true;
    return m_folders.count(folded) != 0;
}

bool MemoryFileSystem::WriteDenied(const Text& folded) const
{
    return m_deniedFolders.count(Parent(folded)) != 0;
}

std::int32_t MemoryFileSystem::Open(TextView path, FileAccess access, FileHandle& file)
{
    const Text folded = Fold(path);
    auto failure = m_openFailures.find(folded);
    if (failure != m_openFailures.end())
        return failure->second;
    if (!FolderExists(Parent(folded)))
        return win::kPathNotFound;
    const bool exists = m_files.count(folded) != 0;
    const bool write = access != FileAccess::ReadExisting;
    if (access != FileAccess::CreateReadWrite && !exists)
        return win::kFileNotFound;
    if (write && (m_readOnly.count(folded) || (!exists && WriteDenied(folded))))
        return win::kAccessDenied;
    if (access == FileAccess::CreateReadWrite) {
        m_files[folded].clear();
        ++m_changes[folded];
    }
    file = m_nextHandle++;
    m_handles[file] = OpenFile{folded, write, 0};
    return win::kSuccess;
}

std::int32_t MemoryFileSystem::Size(FileHandle file, std::uint64_t& size)
{
    auto handle = m_handles.find(file);
    if (handle == m_handles.end())
        return win::kInvalidHandle;
    size = m_files[handle->second.path].size();
    return win::kSuccess;
}

std::int32_t MemoryFileSystem::Read(FileHandle file, void* data, std::uint32_t size,
                                    std::uint32_t& read)
{
    read = 0;
    auto handle = m_handles.find(file);
    if (handle == m_handles.end())
        return win::kInvalidHandle;
    OpenFile& open = handle->second;
    const auto& bytes = m_files[open.path];
    std::size_t end = bytes.size();
    auto failure = m_readFailures.find(open.path);
    if (failure != m_readFailures.end() && failure->second.offset < end) {
        if (open.position >= failure->second.offset && failure->second.error != 0)
            return failure->second.error;
        end = failure->second.offset;
    }
    std::size_t n = open.position < end ? end - open.position : 0;
    n = std::min<std::size_t>(n, size);
    if (m_readChunk)
        n = std::min<std::size_t>(n, m_readChunk);
    if (n)
        std::memcpy(data, bytes.data() + open.position, n);
    open.position += n;
    read = std::uint32_t(n);
    return win::kSuccess;
}

std::int32_t MemoryFileSystem::Write(FileHandle file, const void* data, std::uint32_t size,
                                     std::uint32_t& written)
{
    written = 0;
    auto handle = m_handles.find(file);
    if (handle == m_handles.end())
        return win::kInvalidHandle;
    OpenFile& open = handle->second;
    if (!open.write)
        return win::kAccessDenied;
    std::size_t n = size;
    bool stopped = false;
    if (m_writeBudgetSet && n > m_writeBudget) {
        n = m_writeBudget;
        stopped = true;
    }
    auto& bytes = m_files[open.path];
    if (bytes.size() < open.position + n)
        bytes.resize(open.position + n);
    if (n)
        std::memcpy(bytes.data() + open.position, data, n);
    open.position += n;
    if (m_writeBudgetSet)
        m_writeBudget -= n;
    written = std::uint32_t(n);
    ++m_changes[open.path];
    return stopped ? m_writeFailure : win::kSuccess;
}

std::int32_t MemoryFileSystem::Flush(FileHandle file)
{
    if (!m_handles.count(file))
        return win::kInvalidHandle;
    return m_flushFailure;
}

void MemoryFileSystem::Close(FileHandle file)
{
    m_handles.erase(file);
}

std::int32_t MemoryFileSystem::CreateFolder(TextView path)
{
    const Text folded = Fold(path);
    if (FolderExists(folded))
        return win::kAlreadyExists;
    if (!FolderExists(Parent(folded)))
        return win::kPathNotFound;
    if (WriteDenied(folded))
        return win::kAccessDenied;
    m_folders.insert(folded);
    return win::kSuccess;
}

std::int32_t MemoryFileSystem::Replace(TextView source, TextView target)
{
    const Text from = Fold(source), to = Fold(target);
    if (m_replaceFailure)
        return m_replaceFailure;
    auto file = m_files.find(from);
    if (file == m_files.end())
        return win::kFileNotFound;
    if (!FolderExists(Parent(to)))
        return win::kPathNotFound;
    if (m_readOnly.count(to) || WriteDenied(to) || WriteDenied(from))
        return win::kAccessDenied;
    m_files[to] = std::move(file->second);
    m_files.erase(from);
    ++m_changes[to];
    return win::kSuccess;
}

std::int32_t MemoryFileSystem::Remove(TextView path)
{
    const Text folded = Fold(path);
    if (!m_files.count(folded))
        return FolderExists(Parent(folded)) ? win::kFileNotFound : win::kPathNotFound;
    if (m_readOnly.count(folded) || WriteDenied(folded))
        return win::kAccessDenied;
    m_files.erase(folded);
    return win::kSuccess;
}

void MemoryFileSystem::AddFolder(TextView path)
{
    Text folded = Fold(path);
    while (!FolderExists(folded)) {
        m_folders.insert(folded);
        folded = Parent(folded);
    }
}

void MemoryFileSystem::Put(TextView path, std::vector<std::uint8_t> data)
{
    const Text folded = Fold(path);
    AddFolder(Parent(folded));
    m_files[folded] = std::move(data);
}

void MemoryFileSystem::FailReadsAfter(TextView path, std::size_t offset, std::int32_t error)
{
    m_readFailures[Fold(path)] = ReadFailure{offset, error};
}

void MemoryFileSystem::FailWritesAfter(std::size_t bytes, std::int32_t error)
{
    m_writeBudgetSet = true;
    m_writeBudget = bytes;
    m_writeFailure = error;
}

const std::vector<std::uint8_t>* MemoryFileSystem::Contents(TextView path) const
{
    auto file = m_files.find(Fold(path));
    return file == m_files.end() ? nullptr : &file->second;
}

std::vector<Text> MemoryFileSystem::Files() const
{
    std::vector<Text> paths;
    for (const auto& file : m_files)
        paths.push_back(file.first);
    return paths;
}

int MemoryFileSystem::ChangeCount(TextView path) const
{
    auto count = m_changes.find(Fold(path));
    return count == m_changes.end() ? 0 : count->second;
}

} // namespace k47::test
