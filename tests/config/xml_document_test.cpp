// SPDX-License-Identifier: MIT
#include "config/xml/xml_document.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "config/code_pages.h"
#include "config/seams.h"
#include "config/xml/file_reader.h"
#include "fakes/system_code_pages.h"

namespace k47 {
namespace {

using namespace std::literals;

// Files in memory; a path that is not there cannot be opened.
class MemoryFiles : public IFileReader {
public:
    bool ReadAll(const Text& path, std::vector<std::uint8_t>& bytes) override
    {
        const auto it = files.find(path);
        if (it == files.end()) {
            bytes.clear();
            return false;
        }
        bytes.assign(it->second.begin(), it->second.end());
        return true;
    }
    std::map<Text, std::string> files;
};

class XmlDocumentTest : public testing::Test {
protected:
    void Load(TextView text)
    {
        const std::string bytes = ToUtf8(text);
        ASSERT_TRUE(
            m_doc.LoadBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    }
    // The localisation's lookup: sections, then the key.
    Text Lookup(std::initializer_list<TextView> sections, TextView key)
    {
        m_doc.ResetPosition();
        for (TextView section : sections) {
            if (!m_doc.FindChildElement(section))
                return u"<none>";
            m_doc.EnterChild();
        }
        if (!m_doc.FindChildElement(key))
            return u"<none>";
        return m_doc.GetChildText();
    }

    ScopedSeam<ICodePages> m_pages{&Seams::codePages, &test::SystemCodePages()};
    MemoryFiles m_files;
    XmlDocument m_doc{m_files};
};

TEST_F(XmlDocumentTest, LooksUpKeysAsTheLanguageTextsDo)
{
    Load(u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
         u"<config>\r\n"
         u"  <str_ok>OK</str_ok>\r\n"
         u"  <menu><str_exit>Exit</str_exit><sub><str_deep>deep</str_deep></sub></menu>\r\n"
         u"  <str_ok>second</str_ok>\r\n"
         u"</config>");
    struct Case {
        std::initializer_list<TextView> sections;
        TextView key;
        TextView text;
    } cases[] = {
        {{}, u"str_ok", u"OK"},
        {{u"menu"}, u"str_exit", u"Exit"},
        {{u"menu", u"sub"}, u"str_deep", u"deep"},
        {{}, u"str_exit", u"<none>"},
        {{u"nosuch"}, u"str_exit", u"<none>"},
        {{}, u"menu", u""}, // has child elements
        {{}, u"str_ok x", u"OK"},
        {{}, u"STR_OK", u"<none>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.key));
        EXPECT_EQ(Lookup(c.sections, c.key), c.text);
    }
}

TEST_F(XmlDocumentTest, LookupsFollowTheRecoveredTree)
{
    Load(u"<r><s><k>v</k></r>");
    EXPECT_EQ(Lookup({}, u"k"), u"v");
    EXPECT_EQ(Lookup({u"s"}, u"k"), u"<none>");

    Load(u"<r><k>a</x></k></r>");
    EXPECT_EQ(Lookup({}, u"k"), u"a");

    // a is the root; b is only its sibling.
    Load(u"<a/><b><k>v</k></b>");
    EXPECT_EQ(Lookup({}, u"k"), u"<none>");
}

TEST_F(XmlDocumentTest, ElementData)
{
    struct Case {
        const char16_t* element;
        const char16_t* data;
    } cases[] = {
        {u"<k>1 &lt; 2 &amp;&amp; &#x41;&#66;</k>", u"1 < 2 && AB"},
        {u"<k>&unknown; &amp</k>", u"&unknown; &amp"},
        {u"<k>&Oslash;&oslash;&OSLASH;</k>", u"\u00D8\u00F8\u00D8"},
        {u"<k><![CDATA[a<b]]> <![CDATA[c]]></k>", u"a<bc"},
        {u"<k><![CDATA[&amp;]]>&amp;</k>", u"&amp;&"},
        {u"<k>x<!-- c -->y</k>", u"xy"},
        {u"<k>  </k>", u"  "},
        {u"<k>  <!-- c --></k>", u""},
        {u"<k> a <?pi?> b </k>", u" a  b "},
        {u"<k/>", u""},
        {u"<k></k>", u""},
        {u"<k><i/></k>", u""},
        {u"<k a=\">\">v</k>", u"v"},
        {u"<k>a<1>b</k>", u"ab"},
        {u"<k>a</x>b</k>", u"ab"},
        {u"<k>&am<!-- -->p;</k>", u"&amp;"},
        {u"<k>line1\r\nline2</k>", u"line1\r\nline2"},
        {u"<k>\u4E2D\u6587 &#x4E2D;</k>", u"\u4E2D\u6587 \u4E2D"},
        {u"<k>a<!-- b</k> --></k>", u"a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.element));
        Load(Text(u"<r>") + c.element + u"</r>");
        ASSERT_TRUE(m_doc.FindChildElement(u"k"));
        EXPECT_EQ(m_doc.GetChildText(), c.data);
    }
}

TEST_F(XmlDocumentTest, PositionRules)
{
    Load(u"<r><k>1</k><j/><k>2</k><s><k>3</k></s></r><t/>");
    // FindChildElement finds successive matches.
    ASSERT_TRUE(m_doc.FindChildElement(u"k"));
    EXPECT_EQ(m_doc.GetChildText(), u"1");
    ASSERT_TRUE(m_doc.FindChildElement(u"k"));
    EXPECT_EQ(m_doc.GetChildText(), u"2");
    const std::uint32_t child = m_doc.ChildElement();
    EXPECT_FALSE(m_doc.FindChildElement(u"k"));
    EXPECT_EQ(m_doc.ChildElement(), child);

    // FindElement walks the top level after the current element.
    m_doc.ResetPosition();
    ASSERT_TRUE(m_doc.FindElement(u"t"));
    EXPECT_EQ(m_doc.ElementName(m_doc.CurrentElement()), u"t");
    EXPECT_EQ(m_doc.ParentElement(), 0u);
    EXPECT_FALSE(m_doc.FindElement(u"r"));
    EXPECT_EQ(m_doc.ElementName(m_doc.CurrentElement()), u"t");

    // The first step of FindChildElement stands even when the rest fails.
    m_doc.ResetPosition();
    EXPECT_FALSE(m_doc.FindChildElement(u"nosuch"));
    EXPECT_EQ(m_doc.ElementName(m_doc.CurrentElement()), u"r");
    EXPECT_TRUE(m_doc.OnElement());

    // EnterChild without a child leaves the position on no element; the next
    // FindChildElement starts from the new parent's first child.
    EXPECT_EQ(m_doc.ChildElement(), 0u);
    m_doc.EnterChild();
    EXPECT_EQ(m_doc.ElementName(m_doc.ParentElement()), u"r");
    EXPECT_EQ(m_doc.CurrentElement(), 0u);
    EXPECT_FALSE(m_doc.OnElement());
    const std::uint32_t parent = m_doc.ParentElement();
    m_doc.EnterChild(); // nothing changes
    EXPECT_EQ(m_doc.ParentElement(), parent);
    EXPECT_FALSE(m_doc.FindChildElement(u"")); // k has no children
    EXPECT_EQ(m_doc.ElementName(m_doc.CurrentElement()), u"k");
    EXPECT_EQ(m_doc.CurrentElement(), 2u);

    // Under s, k is found again.
    m_doc.ResetPosition();
    ASSERT_TRUE(m_doc.FindChildElement(u"s"));
    m_doc.EnterChild();
    ASSERT_TRUE(m_doc.FindChildElement(u"k"));
    EXPECT_EQ(m_doc.GetChildText(), u"3");
    // s is the last child of r: nothing follows it, and the position stays.
    EXPECT_FALSE(m_doc.FindElement(u""));
    EXPECT_EQ(m_doc.GetChildText(), u"3");
    // Entering k and finding it among its siblings.
    m_doc.EnterChild();
    EXPECT_EQ(m_doc.ElementName(m_doc.CurrentElement()), u"k");
    EXPECT_FALSE(m_doc.FindElement(u"k"));
    EXPECT_EQ(m_doc.ChildElement(), 0u);
    EXPECT_EQ(m_doc.GetChildText(), u"");
}

TEST_F(XmlDocumentTest, FilesThatCannotBeReadLeaveAnEmptyDocument)
{
    m_files.files[u"lang.xml"] = "<r><k>v</k></r>";
    m_files.files[u"empty.xml"] = "";
    ASSERT_TRUE(m_doc.LoadDocument(u"lang.xml"));
    EXPECT_EQ(Lookup({}, u"k"), u"v");
    EXPECT_EQ(m_doc.LoadedCodePage(), kUtf8CodePage);

    EXPECT_FALSE(m_doc.LoadDocument(u"missing.xml"));
    EXPECT_EQ(m_doc.Elements().Count(), 1u);
    EXPECT_TRUE(m_doc.DocumentText().empty());
    EXPECT_EQ(Lookup({}, u"k"), u"<none>");
    EXPECT_FALSE(m_doc.FindElement(u""));
    EXPECT_EQ(m_doc.GetChildText(), u"");

    ASSERT_TRUE(m_doc.LoadDocument(u"lang.xml"));
    ASSERT_TRUE(m_doc.LoadDocument(u"empty.xml"));
    EXPECT_EQ(m_doc.Elements().Count(), 1u);
    EXPECT_EQ(m_doc.LoadedCodePage(), XmlDocument::kNoCodePage);
    EXPECT_EQ(Lookup({}, u"k"), u"<none>");
}

TEST_F(XmlDocumentTest, LoadResetsThePosition)
{
    Load(u"<r><k>v</k></r>");
    ASSERT_TRUE(m_doc.FindChildElement(u"k"));
    Load(u"<q><k>w</k></q>");
    EXPECT_EQ(m_doc.CurrentElement(), 0u);
    EXPECT_EQ(m_doc.ChildElement(), 0u);
    EXPECT_FALSE(m_doc.OnElement());
}

TEST_F(XmlDocumentTest, KeepsOneCopyOfTheText)
{
    Load(u"<r>\0<k>v</k></r>"sv);
    EXPECT_EQ(m_doc.DocumentText(), u"<r><k>v</k></r>");
    EXPECT_EQ(m_doc.Elements().Count(), 3u);
}

TEST_F(XmlDocumentTest, UnicodeMarkedFilesLoadAlike)
{
    // A zero unit and an odd last byte, both dropped.
    const std::string le = "\xFF\xFE<\0r\0>\0<\0k\0>\0-N<\0/\0k\0>\0\0\0<\0/\0r\0>\0x"s;
    const std::string be = "\xFE\xFF\0<\0r\0>\0<\0k\0>N-\0<\0/\0k\0>\0\0\0<\0/\0r\0>x"s;
    for (const std::string& bytes : {le, be}) {
        m_doc.LoadBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        EXPECT_EQ(m_doc.DocumentText(), u"<r><k>\u4E2D</k></r>");
        EXPECT_EQ(Lookup({}, u"k"), u"\u4E2D");
    }
}

TEST_F(XmlDocumentTest, NewDocumentIsEmpty)
{
    XmlDocument doc;
    EXPECT_EQ(doc.Elements().Count(), 1u);
    EXPECT_FALSE(doc.FindChildElement(u""));
    EXPECT_EQ(doc.GetChildText(), u"");
}

// The C runtime's files, with a name outside ASCII.
TEST(XmlDocumentFiles, ReadsRealFiles)
{
    ScopedSeam<ICodePages> pages(&Seams::codePages, &test::SystemCodePages());
    const Text path = u"xml_document_test_\u00E9\u4E2D.xml";
#ifdef _WIN32
    std::FILE* f = ::_wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"wb");
#else
    std::FILE* f = std::fopen(ToUtf8(path).c_str(), "wb");
#endif
    ASSERT_NE(f, nullptr);
    const std::string content = "<?xml version=\"1.0\" encoding=\"gb2312\"?><r><k>\xD6\xD0</k></r>";
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);

    XmlDocument doc;
    EXPECT_TRUE(doc.LoadDocument(u".\\" + path));
    EXPECT_EQ(doc.LoadedCodePage(), 936u);
    EXPECT_TRUE(doc.FindChildElement(u"k"));
    EXPECT_EQ(doc.GetChildText(), u"\u4E2D");
#ifdef _WIN32
    ::_wremove(reinterpret_cast<const wchar_t*>(path.c_str()));
#else
    std::remove(ToUtf8(path).c_str());
#endif
    EXPECT_FALSE(doc.LoadDocument(path));
    EXPECT_EQ(doc.Elements().Count(), 1u);
    EXPECT_FALSE(doc.LoadDocument(u"."));
}

} // namespace
} // namespace k47
