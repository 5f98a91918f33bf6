// SPDX-License-Identifier: MIT
#include "config/macro_key_names.h"

#include <gtest/gtest.h>
#include <map>

#include "config/text.h"

namespace k47 {
namespace {

TEST(MacroKeyNames, OnlyKLAndZRepeat)
{
    std::map<std::uint32_t, int> count;
    for (const MacroKeyName& row : g_MacroKeyNames)
        ++count[row.virtualKey];
    for (const auto& [code, n] : count) {
        SCOPED_TRACE(code);
        const bool repeated = code == 0x4B || code == 0x4C || code == 0x5A;
        EXPECT_EQ(n, repeated ? 2 : 1);
    }
    EXPECT_EQ(count.size(), 112u);
}

TEST(MacroKeyNames, LookupFindsTheFirstRow)
{
    struct Case {
        std::uint32_t virtualKey;
        int row; // counting from 0
        const char16_t* name;
    };
    const Case cases[] = {
        {0x51, 0, u"Q"},
        {0x4B, 17, u"K"},
        {0x4C, 18, u"L"},
        {0x5A, 19, u"Z"},
        {0x58, 23, u"X"},
        {0xC0, 29, u"~"},
        {0xDC, 43, u"|"},
        {0x14, 53, u"Cap"},
        {0x7B, 75, u"F12"},
        {0x6C, 90, u"NUM Enter"},
        {0x91, 94, u"Scroll"},
        {0x1006, 111, u"Scroll"},
        {0x04, 114, u"Middle Button"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.virtualKey);
        const MacroKeyName* found = FindMacroKeyName(c.virtualKey);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found - g_MacroKeyNames.data(), c.row);
        EXPECT_EQ(TextView(found->name), c.name);
    }
    EXPECT_EQ(FindMacroKeyName(0x03), nullptr);
    EXPECT_EQ(FindMacroKeyName(0x1007), nullptr);
    EXPECT_EQ(FindMacroKeyName(0x0C), nullptr);
}

} // namespace
} // namespace k47
