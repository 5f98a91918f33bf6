// SPDX-License-Identifier: MIT
#include "config/xml/charset_names.h"

#include <gtest/gtest.h>

#include <string>

namespace k47 {
namespace {

TEST(CharsetNames, FindsCodePagesWithoutRegardToCase)
{
    struct Case {
        const char16_t* name;
        std::uint32_t codePage;
    } cases[] = {
        {u"gb2312", 936},
        {u"GB2312", 936},
        {u"Big5", 950},
        {u"windows-1252", 1252},
        {u"KOI8-R", 20866},
        {u"ebcdic-cp-us", 37},
        {u"_iso-2022-jp$sio", 50222},
        {u"extended_unix_code_packed_format_for_japanese", 51932},
        {u"x-iscii-de", 57002},
        {u"x-iscii-ma", 57009},
        {u"x-iscii-pa", 57011},
        {u"iso_646.irv:1991", 20127},
        {u"UTF-8", 65001},
        {u"utf-16", 1200},
        {u"unicodeFFFE", 1201},
        {u"Shift_JIS", 932},
        {u"latin9", 28605},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.name));
        std::uint32_t codePage = 0;
        ASSERT_TRUE(CharsetCodePage(c.name, codePage));
        EXPECT_EQ(codePage, c.codePage);
    }
    EXPECT_EQ(CharsetNameCount(), 254u);
}

TEST(CharsetNames, RejectsNamesNotInTheTable)
{
    for (const char16_t* name : {u"", u"gb2312 ", u"utf8", u"utf-32", u"gb\u00b2312", u"x-iscii"}) {
        SCOPED_TRACE(ToUtf8(name));
        std::uint32_t codePage = 7;
        EXPECT_FALSE(CharsetCodePage(name, codePage));
        EXPECT_EQ(codePage, 7u);
    }
}

} // namespace
} // namespace k47
