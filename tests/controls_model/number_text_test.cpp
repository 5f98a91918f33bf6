// SPDX-License-Identifier: MIT
#include "controls/model/number_text.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(WideTextToLong, ReadsLikeTheCLibrary)
{
    struct Case {
        const char16_t* text;
        std::int32_t want;
    } cases[] = {
        {u"", 0},
        {u"abc", 0},
        {u"  42x", 42},
        {u"\t-7", -7},
        {u"+15", 15},
        {u"- 3", 0},
        {u"2147483647", 2147483647},
        {u"99999999999", 2147483647},
        {u"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.text));
        EXPECT_EQ(WideTextToLong(c.text), c.want);
    }
}

TEST(ClampedNumberText, PutsTheLimitInPlaceOfAnOutOfRangeText)
{
    struct Case {
        const char16_t* text;
        std::int32_t minimum, maximum;
        const char16_t* want; // nullptr: kept
    } cases[] = {
        {u"45", 1, 30, u"30"},   {u"", 1, 30, u"1"},     {u"0", 1, 30, u"1"},
        {u"30", 1, 30, nullptr}, {u"1", 1, 30, nullptr}, {u"-5", 0, 255, u"255"},
        {u"", 0, 10, nullptr},   {u"12", 0, 10, u"10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.text));
        const auto got = ClampedNumberText(c.text, c.minimum, c.maximum);
        if (c.want == nullptr) {
            EXPECT_FALSE(got.has_value());
        } else {
            ASSERT_TRUE(got.has_value());
            EXPECT_EQ(*got, Text(c.want));
            EXPECT_FALSE(ClampedNumberText(*got, c.minimum, c.maximum).has_value())
                << "the replacement is in range";
        }
    }
}

} // namespace
} // namespace k47
