// SPDX-License-Identifier: MIT
#include "platform/win32/win_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/file_image.h"

namespace k47 {
namespace {

Text FromWide(const std::wstring& s)
{
    return Text(reinterpret_cast<const char16_t*>(s.data()), s.size());
}

std::wstring Wide(TextView s)
{
    return std::wstring(reinterpret_cast<const wchar_t*>(s.data()), s.size());
}

// A folder of its own below the temporary folder, removed after each case.
class WinFileSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_NE(::GetTempPathW(MAX_PATH, temp), 0u);
        folder = FromWide(temp) + u"k47_files_" +
                 FromAscii(std::to_string(::GetCurrentProcessId())) + u"_" +
                 FromAscii(std::to_string(::GetTickCount()));
        ASSERT_EQ(files.CreateFolder(folder), ERROR_SUCCESS);
    }
    void TearDown() override
    {
        for (const Text& path : created) {
            ::SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(Wide(path).c_str());
        }
        ::RemoveDirectoryW(Wide(folder + u"\\Sub").c_str());
        EXPECT_TRUE(::RemoveDirectoryW(Wide(folder).c_str())) << ::GetLastError();
    }
    Text PathOf(TextView name)
    {
        Text path = folder + u"\\" + Text(name);
        created.push_back(path);
        created.push_back(ReplacementPath(path));
        return path;
    }
    std::vector<std::uint8_t> ReadAll(TextView path)
    {
        std::vector<std::uint8_t> data(4096);
        FileReadResult read = ReadFileImage(files, path, data.data(), data.size());
        EXPECT_TRUE(read.opened);
        EXPECT_EQ(read.error, ERROR_SUCCESS);
        data.resize(read.bytes);
        return data;
    }

    WinFileSystem files;
    Text folder;
    std::vector<Text> created;
};

TEST_F(WinFileSystemTest, ReportsTheCausesTheSettingsReactTo)
{
    FileHandle file = 0;
    EXPECT_EQ(files.Open(PathOf(u"none.cfg"), FileAccess::ReadExisting, file),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(files.Open(folder + u"\\Missing\\none.cfg", FileAccess::CreateReadWrite, file),
              ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(files.CreateFolder(folder), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(files.CreateFolder(folder + u"\\Sub"), ERROR_SUCCESS);
    EXPECT_EQ(files.Remove(PathOf(u"none.cfg")), ERROR_FILE_NOT_FOUND);
}

TEST_F(WinFileSystemTest, WritesByReplacingAndReadsBack)
{
    const Text path = PathOf(u"Profile1.cfg");
    const std::vector<std::uint8_t> first(3000, 0x11), second(100, 0x22);
    ASSERT_EQ(WriteFileImage(files, path, first.data(), first.size()), ERROR_SUCCESS);
    EXPECT_EQ(ReadAll(path), first);
    ASSERT_EQ(WriteFileImage(files, path, second.data(), second.size()), ERROR_SUCCESS);
    EXPECT_EQ(ReadAll(path), second);
    EXPECT_EQ(::GetFileAttributesW(Wide(ReplacementPath(path)).c_str()), INVALID_FILE_ATTRIBUTES);

    // A shorter file fills less of the buffer and still counts as read.
    std::vector<std::uint8_t> buffer(500, 0xFF);
    FileReadResult read = ReadFileImage(files, path, buffer.data(), buffer.size());
    EXPECT_EQ(read.error, ERROR_SUCCESS);
    EXPECT_EQ(read.bytes, 100u);
}

TEST_F(WinFileSystemTest, FailedReplacementKeepsTheTargetWhole)
{
    const Text path = PathOf(u"Macro.cfg");
    const std::vector<std::uint8_t> old(200, 0x33), fresh(300, 0x44);
    ASSERT_EQ(WriteFileImage(files, path, old.data(), old.size()), ERROR_SUCCESS);

    // Another program holds the file open and lets nobody delete or write it.
    HANDLE holder = ::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    FileHandle file = 0;
    EXPECT_EQ(files.Open(path, FileAccess::ReadWriteExisting, file), ERROR_SHARING_VIOLATION);
    EXPECT_NE(WriteFileImage(files, path, fresh.data(), fresh.size()), ERROR_SUCCESS);
    ::CloseHandle(holder);
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(::GetFileAttributesW(Wide(ReplacementPath(path)).c_str()), INVALID_FILE_ATTRIBUTES);

    // A folder in the target's place cannot be opened or replaced as a file.
    const Text sub = folder + u"\\Sub";
    ASSERT_EQ(files.CreateFolder(sub), ERROR_SUCCESS);
    created.push_back(ReplacementPath(sub));
    EXPECT_EQ(files.Open(sub, FileAccess::ReadWriteExisting, file), ERROR_ACCESS_DENIED);
    EXPECT_EQ(WriteFileImage(files, sub, fresh.data(), fresh.size()), ERROR_ACCESS_DENIED);
    EXPECT_NE(::GetFileAttributesW(Wide(sub).c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

} // namespace
} // namespace k47
