// SPDX-License-Identifier: MIT
#include "config/text.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(Text, ContainsNoCaseFoldsAsciiOnly)
{
    EXPECT_TRUE(ContainsNoCase(u"USB\\VID_E7A3&PID_6B18&REV_0100", u"vid_e7a3&pid_6b18"));
    EXPECT_FALSE(ContainsNoCase(u"USB\\VID_E7A3&PID_6B01", u"VID_E7A3&PID_6B18"));
    EXPECT_TRUE(ContainsNoCase(u"abc", u""));
    EXPECT_FALSE(ContainsNoCase(u"ab", u"abc"));
}

TEST(Text, Utf8RoundTripKeepsSurrogatePairs)
{
    const Text text = u"单击 \U0001F600 A";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(Text, CopyToFieldTruncatesAndZeroesTheRest)
{
    char16_t field[4] = {u'x', u'x', u'x', u'x'};
    CopyToField(u"abcdef", field, 4);
    EXPECT_EQ(FieldText(field, 4), u"abc");
    EXPECT_EQ(field[3], u'\0');
    CopyToField(u"a", field, 4);
    EXPECT_EQ(field[1], u'\0');
    EXPECT_EQ(field[2], u'\0');
}

} // namespace
} // namespace k47
