// SPDX-License-Identifier: MIT
#include "config/lang_text.h"

#include <gtest/gtest.h>

#include <set>

namespace k47 {
namespace {

class LangTextTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset()
    {
        for (auto& text : LangText)
            text.clear();
    }
};

TEST_F(LangTextTest, KeysAreDistinctAndInLoadOrder)
{
    std::set<std::string_view> distinct(kLangKeys.begin(), kLangKeys.end());
    EXPECT_EQ(distinct.size(), kLangTextCount);

    struct Case {
        std::string_view key;
        int index;
    } cases[] = {
        {"str_program_title", 0},
        {"str_macro_page", 8},
        {"str_msg1", 9},
        {"str_msg2", 10},
        {"str_msg4", 12},
        {"str_msg5", 13},
        {"str_PL", 56},
        {"str_profile1", 148},
        {"str_exportFile", 172},
        {"str_doubleClick_test", 173},
        {"str_improveAccuracy", 179},
        // names compare exactly
        {"str_pl", -1},
        {"str_Profile1", -1},
        {"", -1},
        {"config", -1},
        {"str_macro_msg3", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key));
        EXPECT_EQ(LangKeyIndex(c.key), c.index);
        if (c.index >= 0) {
            EXPECT_EQ(kLangKeys[std::size_t(c.index)], c.key);
        }
    }
}

TEST_F(LangTextTest, SetAndReadByKey)
{
    SetLangText("str_profile1", u"Profile 1");
    EXPECT_EQ(LangTextOf("str_profile1"), u"Profile 1");
    EXPECT_EQ(LangText[148], u"Profile 1");

    SetLangText("str_unknown", u"ignored");
    EXPECT_TRUE(LangTextOf("str_unknown").empty());
    for (std::size_t i = 0; i < kLangTextCount; ++i) {
        if (i != 148) {
            EXPECT_TRUE(LangText[i].empty()) << kLangKeys[i];
        }
    }
}

} // namespace
} // namespace k47
