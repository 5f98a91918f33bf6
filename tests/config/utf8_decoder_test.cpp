// SPDX-License-Identifier: MIT
#include "config/xml/utf8_decoder.h"

#include <gtest/gtest.h>

#include <string>

namespace k47 {
namespace {

using namespace std::string_view_literals;

TEST(Utf8Decoder, DecodesAndReplacesIllFormedParts)
{
    struct Case {
        std::string_view bytes;
        const char16_t* text;
    } cases[] = {
        {"", u""},
        {"plain ascii, longer than eight", u"plain ascii, longer than eight"},
        {"caf\xC3\xA9 \xE4\xB8\xAD\xE6\x96\x87", u"caf\u00E9 \u4E2D\u6587"},
        {"\xF0\x9F\x98\x80!", u"\xD83D\xDE00!"},
        {"\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
        {"a\x80z", u"a\uFFFDz"},
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                     // over-long
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},           // over-long
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},           // surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // above U+10FFFF
        {"\xE4\xB8<", u"\uFFFD<"},                         // cut short
        {"\xF0\x9F\x98", u"\uFFFD"},
        {"\xC3", u"\uFFFD"},
        {"\xFF\xFE", u"\uFFFD\uFFFD"},
        {"12345678\xC3\xA9"
         "12345678",
         u"12345678\u00E912345678"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.bytes)));
        Text out = u"old";
        DecodeUtf8(reinterpret_cast<const std::uint8_t*>(c.bytes.data()), c.bytes.size(), out);
        EXPECT_EQ(out, c.text);
    }
}

} // namespace
} // namespace k47
