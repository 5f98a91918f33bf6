// SPDX-License-Identifier: MIT
#include "config/xml/xml_tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace k47 {
namespace {

const char* KindName(XmlNodeKind kind)
{
    switch (kind) {
    case XmlNodeKind::Text:
        return "text";
    case XmlNodeKind::Whitespace:
        return "space";
    case XmlNodeKind::StartTag:
        return "start";
    case XmlNodeKind::EmptyElementTag:
        return "empty";
    case XmlNodeKind::EndTag:
        return "end";
    case XmlNodeKind::ProcessingInstruction:
        return "pi";
    case XmlNodeKind::Comment:
        return "comment";
    case XmlNodeKind::CData:
        return "cdata";
    case XmlNodeKind::Declaration:
        return "decl";
    case XmlNodeKind::Error:
        return "error";
    }
    return "?";
}

// Every node of text as "kind:length", space-separated.
std::string Nodes(TextView text)
{
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const XmlNode node = NextXmlNode(text, pos);
        EXPECT_EQ(node.start, pos);
        EXPECT_GT(node.end, pos);
        if (!out.empty())
            out += ' ';
        out += KindName(node.kind);
        out += ':' + std::to_string(node.end - node.start);
        pos = node.end;
    }
    return out;
}

TEST(XmlTokenizer, CutsTextIntoNodes)
{
    struct Case {
        const char16_t* text;
        const char* nodes;
    } cases[] = {
        {u"ab<k>", "text:2 start:3"},
        {u" \t\r\n<k/>", "space:4 empty:4"},
        {u"<k a=\">\">v</k>", "start:9 text:1 end:4"},
        {u"<k a='x'/>", "empty:10"},
        {u"<a x=1/>", "start:8"},
        {u"<a x=\"1\" />", "empty:11"},
        {u"<a x = \"/>\">", "start:12"},
        {u"<a \"q>", "start:6"},
        {u"<?xml v?>x", "pi:9 text:1"},
        {u"<?>?>", "pi:5"},
        {u"<!-->-->", "comment:8"},
        {u"<!-x>y", "error:5 text:1"},
        {u"<![CDATA[a<b]]>", "cdata:15"},
        {u"<![X[a]]>", "error:9"},
        {u"<!DOCTYPE r [<!ENTITY e \"a>b\"><!-- > --><?p > ?><x>]>t", "decl:53 text:1"},
        {u"<!DOCTYPE r>", "decl:12"},
        {u"<!X y>", "error:6"},
        {u"<1a>", "error:4"},
        {u"< a>", "error:4"},
        {u"<-a<b>", "error:3 start:3"},
        {u"<\u00e9t>", "start:4"},
        {u"<|x>", "start:4"},
        {u"</k >", "end:5"},
        {u"<k", "error:2"},
        {u"<", "error:1"},
        {u"</k", "error:3"},
        {u"<!-- x", "error:6"},
        {u"<![CDATA[x", "error:10"},
        {u"<?pi", "error:4"},
        {u"<!DOCTYPE [<!ENTITY a '>", "error:24"},
        {u"<k a=\"x>", "error:8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(ToUtf8(c.text)));
        EXPECT_EQ(Nodes(c.text), c.nodes);
    }
}

TEST(XmlTokenizer, FindsTheEndOfRunsOfAnyLength)
{
    for (std::size_t length = 1; length < 14; ++length) {
        SCOPED_TRACE(length);
        const Text run(length, u'a');
        EXPECT_EQ(Nodes(run + u"<k>"), "text:" + std::to_string(length) + " start:3");
        EXPECT_EQ(Nodes(run), "text:" + std::to_string(length));
        EXPECT_EQ(Nodes(u"</" + run + u">"), "end:" + std::to_string(length + 3));
        EXPECT_EQ(Nodes(u"</" + run), "error:" + std::to_string(length + 2));
        // Units whose low byte is '<' or '>' are not '<' or '>'.
        EXPECT_EQ(Nodes(Text(length, u'\u013C') + u"\u003C"),
                  "text:" + std::to_string(length) + " error:1");
    }
}

TEST(XmlTokenizer, NamesAndQueries)
{
    EXPECT_EQ(XmlNameAt(u"<str_a x=1>", 1), u"str_a");
    EXPECT_EQ(XmlNameAt(u"</ \tkey>", 2), u"key");
    EXPECT_EQ(XmlNameAt(u"<a;b>", 1), u"a");
    EXPECT_EQ(XmlNameAt(u"<a<b>", 1), u"a");
    struct Case {
        const char16_t* query;
        const char16_t* name;
        bool matches;
    } cases[] = {
        {u"k", u"k", true},       {u"k x", u"k", true},    {u"k=1", u"k", true},
        {u"k/y", u"k", true},     {u"k[0]", u"k", true},   {u"k]", u"k", true},
        {u"", u"anything", true}, {u"key", u"Key", false}, {u"ke", u"key", false},
        {u"key", u"ke", false},   {u"k.x", u"k", false},   {u"k\tx", u"k", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.query) + " / " + ToUtf8(c.name));
        EXPECT_EQ(XmlQueryMatches(c.query, c.name), c.matches);
        // In place, with the name in a tag and at the end of the text.
        for (const Text& text : {u"<" + Text(c.name) + u" a=1>", u"<" + Text(c.name)}) {
            EXPECT_EQ(XmlQueryMatchesAt(c.query, text, 1), c.matches);
            EXPECT_TRUE(XmlNameAtIs(text, 1, c.name));
        }
    }
    EXPECT_FALSE(XmlNameAtIs(u"<key>", 1, u"ke"));
    EXPECT_FALSE(XmlNameAtIs(u"<ke", 1, u"key"));
    EXPECT_TRUE(XmlNameAtIs(u"</ \tkey>", 2, u"key"));
}

} // namespace
} // namespace k47
