// SPDX-License-Identifier: MIT
#include "controls/load_picture_file.h"

#include "framework/file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace k47 {
namespace {

// A 24-bit bitmap file of w x h grey pixels.
std::vector<std::uint8_t> BmpFile(int w, int h)
{
    const int stride = (w * 3 + 3) & ~3;
    const auto pixels = static_cast<std::uint32_t>(stride * h);
    std::vector<std::uint8_t> f(54 + pixels, 0x80);
    auto put32 = [&](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            f[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, static_cast<std::uint32_t>(f.size()));
    put32(6, 0);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    put32(26, 1 | (24 << 16));
    put32(30, 0);
    put32(34, pixels);
    put32(38, 2835);
    put32(42, 2835);
    put32(46, 0);
    put32(50, 0);
    return f;
}

std::wstring TempFile(const wchar_t* name)
{
    wchar_t dir[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

TEST(LoadPictureFile, LoadsABitmapFileAndReportsItsSize)
{
    const std::wstring path = TempFile(L"k47_picture_test.bmp");
    const auto bytes = BmpFile(7, 3);
    {
        CFile out;
        ASSERT_TRUE(out.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
        ASSERT_TRUE(out.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size())));
    }
    CBitmap bitmap(::CreateBitmap(1, 1, 1, 1, nullptr));
    SIZE size{};
    EXPECT_TRUE(LoadPictureFile(path.c_str(), bitmap, &size));
    EXPECT_EQ(size.cx, 7);
    EXPECT_EQ(size.cy, 3);
    EXPECT_EQ(BitmapSize(bitmap).cx, 7);
    ::DeleteFileW(path.c_str());
}

TEST(LoadPictureFile, AMissingOrBrokenFileLeavesNoBitmapAndNoSize)
{
    const std::wstring broken = TempFile(L"k47_broken_picture.bmp");
    {
        CFile out;
        ASSERT_TRUE(out.Open(broken.c_str(), CFile::modeCreate | CFile::modeWrite));
        ASSERT_TRUE(out.Write("not a picture", 13));
    }
    for (const std::wstring& path : {std::wstring(L"Z:\\no\\such\\picture.bmp"), broken}) {
        CBitmap bitmap(::CreateBitmap(1, 1, 1, 1, nullptr));
        SIZE size{5, 5};
        EXPECT_FALSE(LoadPictureFile(path.c_str(), bitmap, &size));
        EXPECT_FALSE(bitmap);
        EXPECT_EQ(size.cx, 0);
        EXPECT_EQ(size.cy, 0);
    }
    ::DeleteFileW(broken.c_str());
}

} // namespace
} // namespace k47
