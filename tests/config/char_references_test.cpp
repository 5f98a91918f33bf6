// SPDX-License-Identifier: MIT
#include "config/xml/char_references.h"

#include <gtest/gtest.h>

#include <string>

namespace k47 {
namespace {

Text Decoded(TextView text)
{
    Text out;
    AppendDecodedText(text, out);
    return out;
}

TEST(CharReferences, DecodesNumericAndNamedReferences)
{
    struct Case {
        const char16_t* text;
        const char16_t* decoded;
    } cases[] = {
        {u"1 &lt; 2 &amp;&amp; &#x41;&#66;", u"1 < 2 && AB"},
        {u"&unknown; &amp", u"&unknown; &amp"},
        {u"&#0;", u"&#0;"},
        {u"&#x1F600;", u"\xD83D\xDE00"},
        {u"&#X41;&#x0041;&#065;", u"AAA"},
        {u"&#12ab;", u"\x0C"},
        {u"&#;&#x;&#xg;", u"&#;&#x;&#xg;"},
        {u"&#x10FFFF;", u"\xDBFF\xDFFF"},
        {u"&#x110000;&#99999999;", u"&#x110000;&#99999999;"},
        {u"&#-5;", u"&#-5;"},
        {u"&apos;&quot;&gt;&nbsp;&euro;", u"'\">\u00a0\u20ac"},
        {u"&AMP;&Lt;&EURO;", u"&<\u20ac"},
        {u"&thetasym;&alefsym;", u"\u03d1\u2135"},
        {u"&a&amp;", u"&a&"},
        {u"&;", u"&;"},
        {u"&lt", u"&lt"},
        {u"&\u00e9t;&lt;", u"&\u00e9t;<"},
        {u"&#123456789;", u"&#123456789;"},
        {u"&toolongname;&amp;", u"&toolongname;&"},
        {u"x&", u"x&"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.text));
        EXPECT_EQ(Decoded(c.text), c.decoded);
    }
}

TEST(CharReferences, NamesThatDifferOnlyInCase)
{
    struct Case {
        const char16_t* name;
        char16_t character;
    } cases[] = {
        {u"Oslash", 0xD8},  {u"oslash", 0xF8},   {u"OSLASH", 0xD8}, {u"oSlash", 0xD8},
        {u"Delta", 0x394},  {u"delta", 0x3B4},   {u"DELTA", 0x394}, {u"Prime", 0x2033},
        {u"prime", 0x2032}, {u"dArr", 0x21D3},   {u"darr", 0x2193}, {u"DARR", 0x21D3},
        {u"Yuml", 0x178},   {u"yuml", 0xFF},     {u"THORN", 0xDE},  {u"thorn", 0xFE},
        {u"Thorn", 0xDE},   {u"ETH", 0xD0},      {u"eth", 0xF0},    {u"sigmaf", 0x3C2},
        {u"SIGMAF", 0x3C2}, {u"lowast", 0x2217}, {u"nosuch", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.name));
        EXPECT_EQ(EntityCharacter(c.name), c.character);
    }
}

TEST(CharReferences, KnowsEveryHtml401NameAndApos)
{
    EXPECT_EQ(EntityNameCount(), 253u);
    // First and last of each HTML 4.01 set.
    EXPECT_EQ(EntityCharacter(u"nbsp"), 0xA0);
    EXPECT_EQ(EntityCharacter(u"yuml"), 0xFF);
    EXPECT_EQ(EntityCharacter(u"fnof"), 0x192);
    EXPECT_EQ(EntityCharacter(u"diams"), 0x2666);
    EXPECT_EQ(EntityCharacter(u"quot"), 0x22);
    EXPECT_EQ(EntityCharacter(u"euro"), 0x20AC);
}

} // namespace
} // namespace k47
