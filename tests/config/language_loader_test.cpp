// SPDX-License-Identifier: MIT
#include "config/language_loader.h"

#include <gtest/gtest.h>

#include <string>

#include "config/code_pages.h"
#include "config/lang_text.h"
#include "config/seams.h"
#include "config/xml/xml_document.h"
#include "fakes/scratch_folder.h"
#include "fakes/system_code_pages.h"

namespace k47 {
namespace {

class LanguageLoaderTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (auto& text : LangText)
            text.clear();
        g_XmlDocument.LoadBytes(nullptr, 0);
    }

    // A language file holding the given elements in its "config" section.
    static std::string File(const std::string& config)
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<language><config>" + config +
               "</config></language>\n";
    }

    ScopedSeam<ICodePages> codePages{&Seams::codePages, &test::SystemCodePages()};
    test::ScratchFolder folder;
};

TEST_F(LanguageLoaderTest, LookupFindsKeysInTheSectionAndNestedSections)
{
    struct Case {
        const char* name;
        std::string xml;
        Text section;
        Text key;
        Text expected;
    } cases[] = {
        {"plain", "<a><config><k>v</k></config></a>", u"config", u"k", u"v"},
        {"any root name", "<Sprache x='1'><config><k>v</k></config></Sprache>", u"config", u"k",
         u"v"},
        {"nested section",
         "<r><config><j>1</j><config><config><k>deep</k></config></config></config></r>", u"config",
         u"k", u"deep"},
        {"outer section wins", "<r><config><k>outer</k><config><k>inner</k></config></config></r>",
         u"config", u"k", u"outer"},
        {"key under the root", "<r><k>v</k><config><j>1</j></config></r>", u"config", u"k", u""},
        {"second sibling section is not searched",
         "<r><config><j>1</j></config><config><k>v</k></config></r>", u"config", u"k", u""},
        {"key with child elements", "<r><config><k><i>x</i></k></config></r>", u"config", u"k",
         u""},
        {"first of a name wins", "<r><config><k>1</k><k>2</k></config></r>", u"config", u"k", u"1"},
        {"entities and CDATA", "<r><config><k>A &amp; B <![CDATA[<C>]]></k></config></r>",
         u"config", u"k", u"A & B <C>"},
        {"other section", "<update><driver><version>1.2</version></driver></update>", u"driver",
         u"version", u"1.2"},
        {"names are case-sensitive", "<r><Config><k>v</k></Config></r>", u"config", u"k", u""},
        {"empty document", "", u"config", u"k", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        XmlDocument document;
        document.LoadBytes(reinterpret_cast<const std::uint8_t*>(c.xml.data()), c.xml.size());
        EXPECT_EQ(LookupText(document, c.section, c.key), c.expected);
        // A lookup resets the position first, so it gives the same result again.
        EXPECT_EQ(LookupText(document, c.section, c.key), c.expected);
    }
}

TEST_F(LanguageLoaderTest, LoadReplacesEveryTextAndEmptiesMissingOnes)
{
    std::string all;
    for (std::string_view key : kLangKeys)
        all += "<" + std::string(key) + ">" + std::string(key) + " text</" + std::string(key) + ">";
    ASSERT_TRUE(folder.Write(u"all.xml", File(all)));
    ASSERT_TRUE(folder.Write(u"two.xml", File("<str_msg2>Datei %s fehlt.</str_msg2>"
                                              "<str_unknown>x</str_unknown>"
                                              "<str_ok>OK</str_ok>")));

    LoadLanguage(folder.Path() + u"all.xml");
    for (std::size_t i = 0; i < kLangTextCount; ++i)
        EXPECT_EQ(LangText[i], FromAscii(kLangKeys[i]) + u" text");

    LoadLanguage(folder.Path() + u"two.xml");
    for (std::size_t i = 0; i < kLangTextCount; ++i) {
        SCOPED_TRACE(std::string(kLangKeys[i]));
        if (kLangKeys[i] == "str_msg2") {
            EXPECT_EQ(LangText[i], u"Datei %s fehlt.");
        } else if (kLangKeys[i] == "str_ok") {
            EXPECT_EQ(LangText[i], u"OK");
        } else {
            EXPECT_TRUE(LangText[i].empty());
        }
    }
}

TEST_F(LanguageLoaderTest, MissingFileEmptiesEveryText)
{
    SetLangText("str_profile1", u"Profile1");
    LoadLanguage(folder.Path() + u"missing.xml");
    for (const Text& text : LangText)
        EXPECT_TRUE(text.empty());
}

TEST_F(LanguageLoaderTest, TextsOutliveTheNextDocument)
{
    ASSERT_TRUE(folder.Write(u"lang.xml", File("<str_update>Update</str_update>")));
    ASSERT_TRUE(folder.Write(u"update.xml", "<update><driver><version>2</version></driver>"
                                            "<config><str_update>other</str_update></config>"
                                            "</update>"));
    LoadLanguage(folder.Path() + u"lang.xml");
    ASSERT_TRUE(g_XmlDocument.LoadDocument(folder.Path() + u"update.xml"));
    EXPECT_EQ(LookupText(u"driver", u"version"), u"2");
    EXPECT_EQ(LangTextOf("str_update"), u"Update");
}

} // namespace
} // namespace k47
