// SPDX-License-Identifier: MIT
#include "platform/win32/win_code_pages.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

Text Convert(std::uint32_t codePage, std::string_view bytes, bool& ok)
{
    WinCodePages pages;
    Text out = u"old";
    ok = pages.ToUtf16(codePage, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                       out);
    return out;
}

TEST(WinCodePages, ConvertsThroughTheSystem)
{
    struct Case {
        std::uint32_t codePage;
        std::string_view bytes;
        const char16_t* text;
    } cases[] = {
        {936, "\xD6\xD0\xCE\xC4", u"\u4E2D\u6587"},
        {950, "\xA4\xA4\xA4\xE5", u"\u4E2D\u6587"},
        {1252, "\xE9\x80", u"\u00E9\u20AC"},
        {20866, "\xF0\xD2", u"\u041F\u0440"},
        {28591, "\xE9", u"\u00E9"},
        {65001, "\xC3\xA9", u"\u00E9"},
        {1251, "\xCF", u"\u041F"},
        {0, "abc", u"abc"},
        {936, "", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        bool ok = false;
        EXPECT_EQ(Convert(c.codePage, c.bytes, ok), c.text);
        EXPECT_TRUE(ok);
    }
}

TEST(WinCodePages, RefusesCodePagesTheSystemLacks)
{
    bool ok = true;
    EXPECT_EQ(Convert(12345, "abc", ok), u"");
    EXPECT_FALSE(ok);
}

} // namespace
} // namespace k47
