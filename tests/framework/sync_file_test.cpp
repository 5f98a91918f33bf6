// SPDX-License-Identifier: MIT
#include "framework/file.h"
#include "framework/sync.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace k47 {
namespace {

TEST(CMutex, ANamedMutexIsSharedAndLockedByOneThreadAtATime)
{
    CMutex first(L"K47TestMutex");
    ASSERT_TRUE(first.IsValid());
    EXPECT_FALSE(first.AlreadyExisted());
    CMutex second(L"K47TestMutex");
    EXPECT_TRUE(second.AlreadyExisted());

    CSingleLock lock(first, true);
    ASSERT_TRUE(lock.IsLocked());
    bool otherGotIt = true;
    std::thread other([&] {
        CSingleLock theirs(second);
        otherGotIt = theirs.Lock(50);
    });
    other.join();
    EXPECT_FALSE(otherGotIt);
    EXPECT_TRUE(lock.Unlock());
    std::thread again([&] {
        CSingleLock theirs(second);
        otherGotIt = theirs.Lock(5000);
    });
    again.join();
    EXPECT_TRUE(otherGotIt);
}

TEST(CFile, WritesReadsAndReportsFailures)
{
    wchar_t dir[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, dir);
    const std::wstring path = std::wstring(dir) + L"k47_cfile_test.bin";
    {
        CFile out;
        ASSERT_TRUE(out.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
        EXPECT_TRUE(out.Write("K47!", 4));
    }
    CFile in;
    ASSERT_TRUE(in.Open(path.c_str(), CFile::modeRead));
    EXPECT_EQ(in.GetLength(), 4);
    char buf[8] = {};
    EXPECT_EQ(in.Read(buf, sizeof(buf)), 4);
    EXPECT_EQ(std::string(buf), "K47!");
    in.Close();
    ::DeleteFileW(path.c_str());

    CFile missing;
    EXPECT_FALSE(missing.Open(L"Z:\\no\\such\\k47\\file.bin", CFile::modeRead));
    EXPECT_EQ(missing.GetLength(), -1);
    EXPECT_EQ(missing.Read(buf, 1), -1);
}

} // namespace
} // namespace k47
