// SPDX-License-Identifier: MIT
#include "config/file_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "fakes/memory_file_system.h"

namespace k47 {
namespace {

using test::MemoryFileSystem;

constexpr TextView kPath = u"C:\\K47\\Macro.cfg";

std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed)
{
    std::vector<std::uint8_t> data(size);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = std::uint8_t(seed + i * 7);
    return data;
}

TEST(FileImage, ReadsUpToCapacityThroughShortReads)
{
    struct Case {
        std::size_t fileSize;
        std::uint32_t chunk;
        std::size_t want;
    } cases[] = {
        {100, 0, 100}, {1000, 0, 1000}, {3000, 0, 1000}, {1000, 7, 1000}, {0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileSize);
        MemoryFileSystem files;
        const auto content = Pattern(c.fileSize, 1);
        files.Put(kPath, content);
        files.SetReadChunk(c.chunk);
        std::vector<std::uint8_t> buffer(1000, 0xEE);
        FileReadResult read = ReadFileImage(files, kPath, buffer.data(), buffer.size());
        EXPECT_TRUE(read.opened);
        EXPECT_EQ(read.error, win::kSuccess);
        ASSERT_EQ(read.bytes, c.want);
        EXPECT_TRUE(std::equal(content.begin(), content.begin() + c.want, buffer.begin()));
        if (c.want < buffer.size()) {
            EXPECT_EQ(buffer[c.want], 0xEE); // nothing past the file is touched
        }
        EXPECT_EQ(files.OpenHandles(), 0u);
    }
}

TEST(FileImage, ReadThatStopsBeforeTheEndIsAFailure)
{
    struct Case {
        std::int32_t error;
        std::int32_t want;
    } cases[] = {
        {win::kSuccess, win::kReadFault}, // the file ends early
        {win::kReadFault, win::kReadFault},
        {win::kGenFailure, win::kGenFailure},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        MemoryFileSystem files;
        files.Put(kPath, Pattern(500, 2));
        files.FailReadsAfter(kPath, 200, c.error);
        std::vector<std::uint8_t> buffer(1000);
        FileReadResult read = ReadFileImage(files, kPath, buffer.data(), buffer.size());
        EXPECT_TRUE(read.opened);
        EXPECT_EQ(read.error, c.want);
        EXPECT_EQ(files.OpenHandles(), 0u);
    }
}

TEST(FileImage, OpenFailureNamesItsCause)
{
    MemoryFileSystem files;
    std::uint8_t buffer[8];
    FileReadResult read = ReadFileImage(files, kPath, buffer, sizeof buffer);
    EXPECT_FALSE(read.opened);
    EXPECT_EQ(read.error, win::kPathNotFound);
    files.AddFolder(u"C:\\K47");
    EXPECT_EQ(ReadFileImage(files, kPath, buffer, sizeof buffer).error, win::kFileNotFound);
    files.Put(kPath, {1});
    files.FailOpen(kPath, win::kSharingViolation);
    EXPECT_EQ(ReadFileImage(files, kPath, buffer, sizeof buffer).error, win::kSharingViolation);
}

TEST(FileImage, WriteReplacesTheWholeFile)
{
    MemoryFileSystem files;
    files.Put(kPath, Pattern(5000, 3));
    const auto fresh = Pattern(2000, 4);
    EXPECT_EQ(WriteFileImage(files, kPath, fresh.data(), fresh.size()), win::kSuccess);
    ASSERT_NE(files.Contents(kPath), nullptr);
    EXPECT_EQ(*files.Contents(kPath), fresh);
    EXPECT_FALSE(files.Exists(ReplacementPath(kPath)));
    EXPECT_EQ(files.OpenHandles(), 0u);
}

TEST(FileImage, FailedWriteLeavesTheTargetAsItWas)
{
    struct Case {
        const char* name;
        std::function<void(MemoryFileSystem&)> inject;
        std::int32_t want;
    } cases[] = {
        {"folder denied", [](auto& f) { f.DenyWritesIn(u"C:\\K47"); }, win::kAccessDenied},
        {"target read-only", [](auto& f) { f.SetReadOnly(kPath); }, win::kAccessDenied},
        {"disk full part-way", [](auto& f) { f.FailWritesAfter(1500, win::kDiskFull); },
         win::kDiskFull},
        {"write stops silently", [](auto& f) { f.FailWritesAfter(10, win::kSuccess); },
         win::kDiskFull},
        {"write fault", [](auto& f) { f.FailWritesAfter(0, win::kWriteFault); }, win::kWriteFault},
        {"flush fails", [](auto& f) { f.FailFlush(win::kDiskFull); }, win::kDiskFull},
        {"replace fails", [](auto& f) { f.FailReplace(win::kSharingViolation); },
         win::kSharingViolation},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool existed : {true, false}) {
            MemoryFileSystem files;
            files.AddFolder(u"C:\\K47");
            const auto old = Pattern(3000, 5);
            if (existed)
                files.Put(kPath, old);
            c.inject(files);
            const auto fresh = Pattern(4000, 6);
            EXPECT_EQ(WriteFileImage(files, kPath, fresh.data(), fresh.size()), c.want);
            if (existed) {
                ASSERT_NE(files.Contents(kPath), nullptr);
                EXPECT_EQ(*files.Contents(kPath), old);
            } else {
                EXPECT_FALSE(files.Exists(kPath));
            }
            EXPECT_FALSE(files.Exists(ReplacementPath(kPath)));
            EXPECT_EQ(files.OpenHandles(), 0u);
        }
    }
}

} // namespace
} // namespace k47
