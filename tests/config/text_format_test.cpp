// SPDX-License-Identifier: MIT
#include "config/text_format.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(TextFormat, FillsTheFirstPlaceholderOnly)
{
    struct Case {
        const char16_t* format;
        const char16_t* want;
    } cases[] = {
        {u"Failed to open %s?", u"Failed to open C:\\A?"},
        {u"%s", u"C:\\A"},
        {u"no placeholder", u"no placeholder"},
        {u"%s and %s", u"C:\\A and %s"},
        {u"100%% of %s", u"100% of C:\\A"},
        {u"%d %n %", u"%d %n %"},
        {u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.format));
        EXPECT_EQ(FormatWithText(c.format, u"C:\\A"), c.want);
    }
}

} // namespace
} // namespace k47
