// SPDX-License-Identifier: MIT
// The language files shipped in resources/Language.
#include <gtest/gtest.h>

#include <array>

#include "config/code_pages.h"
#include "config/lang_text.h"
#include "config/language_loader.h"
#include "config/language_table.h"
#include "config/seams.h"
#include "config/xml/xml_document.h"
#include "fakes/system_code_pages.h"

namespace k47 {
namespace {

using Texts = std::array<Text, kLangTextCount>;

// The language's file in the source tree; the table names it as the
// application folder holds it.
Text SourcePath(const LanguageRow& row)
{
    TextView file = row.file.substr(row.file.find(u'\\') + 1);
    return FromUtf8(K47_SOURCE_DIR "/resources/Language/") + Text(file);
}

std::size_t CountOf(TextView text, TextView what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != TextView::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class LanguageFilesTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (auto& text : LangText)
            text.clear();
    }
    Texts Load(const LanguageRow& row)
    {
        LoadLanguage(SourcePath(row));
        return LangText;
    }

    ScopedSeam<ICodePages> codePages{&Seams::codePages, &test::SystemCodePages()};
};

TEST_F(LanguageFilesTest, EveryFileHoldsEveryTextWithTheEnglishPlaceholders)
{
    const Texts english = Load(*FindLanguage(2));
    for (const LanguageRow& row : kLanguageTable) {
        SCOPED_TRACE(ToUtf8(row.file));
        ASSERT_TRUE(g_XmlDocument.LoadDocument(SourcePath(row)));
        EXPECT_EQ(g_XmlDocument.LoadedCodePage(), kUtf8CodePage);

        const Texts texts = Load(row);
        std::size_t sameAsEnglish = 0;
        for (std::size_t i = 0; i < kLangTextCount; ++i) {
            SCOPED_TRACE(std::string(kLangKeys[i]));
            EXPECT_FALSE(texts[i].empty());
            EXPECT_EQ(CountOf(texts[i], u"%s"), CountOf(english[i], u"%s"));
            EXPECT_EQ(CountOf(texts[i], u"%"), CountOf(texts[i], u"%s"));
            EXPECT_EQ(CountOf(texts[i], u"\uFFFD"), 0u);
            sameAsEnglish += texts[i] == english[i];
        }
        // Names, numbers and the profile names stay as they are; the rest is
        // translated.
        if (row.index != 2) {
            EXPECT_LT(sameAsEnglish, 16u);
        }
        // The profile code recognises the first profile by this text.
        EXPECT_EQ(texts[std::size_t(LangKeyIndex("str_profile1"))], u"Profile1");
    }
    EXPECT_EQ(CountOf(english[std::size_t(LangKeyIndex("str_msg2"))], u"%s"), 1u);
}

} // namespace
} // namespace k47
