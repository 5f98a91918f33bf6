// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "config/file_system.h"

namespace k47::test {

// An in-memory disk. Paths compare without regard to ASCII case; a file needs
// its folder (a drive such as "C:" always exists). Every failure the profiles
// and the macro library react to can be injected: opens that fail with a chosen
// cause, read-only files and folders, reads that stop early or fail part-way,
// writes that stop part-way (a full disk), failing flushes and replacements.
class MemoryFileSystem : public IFileSystem {
public:
    std::int32_t Open(TextView path, FileAccess access, FileHandle& file) override;
    std::int32_t Size(FileHandle file, std::uint64_t& size) override;
    std::int32_t Read(FileHandle file, void* data, std::uint32_t size,
                      std::uint32_t& read) override;
    std::int32_t Write(FileHandle file, const void* data, std::uint32_t size,
                       std::uint32_t& written) override;
    std::int32_t Flush(FileHandle file) override;
    void Close(FileHandle file) override;
    std::int32_t CreateFolder(TextView path) override;
    std::int32_t Replace(TextView source, TextView target) override;
    std::int32_t Remove(TextView path) override;

    // Set-up.
    void AddFolder(TextView path);
    // Creates the file and its folders.
    void Put(TextView path, std::vector<std::uint8_t> data);
    void SetReadOnly(TextView path) { m_readOnly.insert(Fold(path)); }
    // Nothing may be created, written, replaced or removed inside folder.
    void DenyWritesIn(TextView folder) { m_deniedFolders.insert(Fold(folder)); }

    // Injected failures.
    void FailOpen(TextView path, std::int32_t error) { m_openFailures[Fold(path)] = error; }
    // Each read gives at most bytes (as a pipe would); all data still arrives.
    void SetReadChunk(std::uint32_t bytes) { m_readChunk = bytes; }
    // Reads of path past offset fail with error, or end the file early when
    // error is win::kSuccess.
    void FailReadsAfter(TextView path, std::size_t offset, std::int32_t error);
    // After bytes more bytes have been written to any file, a write takes what
    // fits and fails with error, or stops without one when error is kSuccess.
    void FailWritesAfter(std::size_t bytes, std::int32_t error);
    void FailFlush(std::int32_t error) { m_flushFailure = error; }
    void FailReplace(std::int32_t error) { m_replaceFailure = error; }

    // Inspection.
    bool Exists(TextView path) const { return m_files.count(Fold(path)) != 0; }
    bool HasFolder(TextView path) const { return m_folders.count(Fold(path)) != 0; }
    const std::vector<std::uint8_t>* Contents(TextView path) const;
    // The paths of all files, folded to upper case.
    std::vector<Text> Files() const;
    std::size_t OpenHandles() const { return m_handles.size(); }
    // How often path has been given new content by a write or a replacement.
    int ChangeCount(TextView path) const;

private:
    struct OpenFile {
        Text path; // folded
        bool write = false;
        std::size_t position = 0;
    };
    struct ReadFailure {
        std::size_t offset = 0;
        std::int32_t error = 0;
    };

    static Text Fold(TextView path);
    static Text Parent(const Text& folded);
    bool FolderExists(const Text& folded) const;
    bool WriteDenied(const Text& folded) const;

    std::map<Text, std::vector<std::uint8_t>> m_files;
    std::set<Text> m_folders, m_readOnly, m_deniedFolders;
    std::map<Text, std::int32_t> m_openFailures;
    std::map<Text, ReadFailure> m_readFailures;
    std::map<Text, int> m_changes;
    std::map<FileHandle, OpenFile> m_handles;
    FileHandle m_nextHandle = 0x10;
    std::uint32_t m_readChunk = 0;
    bool m_writeBudgetSet = false;
    std::size_t m_writeBudget = 0;
    std::int32_t m_writeFailure = 0;
    std::int32_t m_flushFailure = 0;
    std::int32_t m_replaceFailure = 0;
};

} // namespace k47::test
