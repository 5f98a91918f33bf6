// SPDX-License-Identifier: MIT
#include "config/xml/xml_index_builder.h"

#include <gtest/gtest.h>

#include <string>

#include "config/xml/xml_tokenizer.h"

namespace k47 {
namespace {

TextView NameOf(TextView text, const ElementIndex& index, std::uint32_t i)
{
    return XmlNameAt(text, static_cast<std::size_t>(index[i].start) + 1);
}

// The children of parent as "name", "name!" for unended, "name(children)".
std::string Tree(TextView text, const ElementIndex& index, std::uint32_t parent = 0)
{
    std::string out;
    for (std::uint32_t i = index[parent].firstChild; i != 0; i = index[i].nextSibling) {
        if (!out.empty())
            out += ' ';
        out += ToUtf8(NameOf(text, index, i));
        if (index[i].Has(ElementEntry::kUnendedMark))
            out += '!';
        if (index[i].firstChild != 0)
            out += '(' + Tree(text, index, i) + ')';
    }
    return out;
}

// Links, levels and marks agree with each other, and elements stay in text order.
void ExpectConsistent(const ElementIndex& index)
{
    std::uint32_t seen = 0;
    for (std::uint32_t p = 0; p < index.Count(); ++p) {
        const std::uint32_t first = index[p].firstChild;
        std::uint32_t previous = 0;
        for (std::uint32_t c = first; c != 0; previous = c, c = index[c].nextSibling) {
            ++seen;
            ASSERT_LT(c, index.Count());
            EXPECT_EQ(index[c].parent, p);
            EXPECT_GT(c, p);
            EXPECT_EQ(index[c].Has(ElementEntry::kFirstChildMark), c == first);
            const std::uint32_t level = std::min<std::uint32_t>(index[p].Level() + 1, 0xFFFF);
            EXPECT_EQ(index[c].Level(), level);
            if (previous != 0) {
                EXPECT_EQ(index[c].previousSibling, previous);
                EXPECT_GT(index[c].start, index[previous].start);
            }
        }
        if (first != 0) {
            EXPECT_EQ(index[first].previousSibling, previous);
        }
    }
    EXPECT_EQ(seen + 1, index.Count());
}

TEST(XmlIndexBuilder, RecoversFromMalformedMarkup)
{
    struct Case {
        const char16_t* text;
        const char* tree;
    } cases[] = {
        {u"<r><s><k>v</k></r>", "r(s! k)"},
        {u"<r><k>a</x></k></r>", "r(k)"},
        {u"<a/><b><k>v</k></b>", "a b(k)"},
        {u"<a><b><c>", "a! b! c!"},
        {u"<a><b><c></a>", "a(b! c!)"},
        {u"<r><a><b>x</b><c></a></r>", "r(a(b c!))"},
        {u"<r><s><t><u/></t><v></r><w/>", "r(s! t(u) v!) w"},
        {u"<r><s><t><u></r>", "r(s! t! u!)"},
        {u"</x><a></b></a>", "a"},
        {u"<a><a></a>", "a! a"},
        {u"<r><s></S></r>", "r(s!)"},
        {u"<k a=\">\">v</k>", "k"},
        {u"<r><!-- <x> --><![CDATA[<y>]]><?p <z>?></r>", "r"},
        {u"<r><1/><k/>< q/></r>", "r(k)"},
        {u"<!DOCTYPE r [<!ELEMENT r ANY>]><r/>", "r"},
        {u"<k></k  ><j></ j></j>", "k j"},
        {u"<r><k x=1/></r>", "r(k!)"},
        {u"<r><k/ ></r>", "r(k!)"},
        {u"text only", ""},
        {u"", ""},
        {u"<r><k>", "r! k!"},
        {u"<r><k", "r!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.text));
        ElementIndex index;
        BuildElementIndex(c.text, index);
        EXPECT_EQ(Tree(c.text, index), c.tree);
        EXPECT_EQ(index[0].length, static_cast<std::int32_t>(TextView(c.text).size()));
        ExpectConsistent(index);
    }
}

// Deep stacks, where end tags that match nothing, or match far down, are
// frequent: the matches are the same as near the top.
TEST(XmlIndexBuilder, MatchesFarDownTheStack)
{
    auto name = [](int i) { return u"n" + FromAscii(std::to_string(i)); };
    Text text;
    for (int i = 0; i < 100; ++i)
        text += u"<" + name(i) + u" a=\"" + name(i + 1) + u"\">";
    text += u"</x></n50 ></n100><n50></n50><m/></n10></n0 >";
    auto run = [&](int from, int to) {
        std::string out;
        for (int i = from; i < to; ++i)
            out += ToUtf8(name(i)) + "! ";
        return out;
    };
    std::string expected = "n0(" + run(1, 10) + "n10(" + run(11, 50) + "n50(" + run(51, 100);
    expected.back() = ')';
    expected += " n50 m))";
    ElementIndex index;
    BuildElementIndex(text, index);
    EXPECT_EQ(Tree(text, index), expected);
    ExpectConsistent(index);
}

TEST(XmlIndexBuilder, RecordsOffsetsAndLengths)
{
    const TextView text = u"<r a=\"1\">\n <k>v</k><e/><u></r >";
    ElementIndex index;
    BuildElementIndex(text, index);
    ASSERT_EQ(index.Count(), 5u);
    struct Expected {
        std::int32_t start, length;
        std::uint32_t startTag, endTag;
        bool unended;
    } expected[] = {
        {0, 31, 0, 0, false}, // the document
        {0, 31, 9, 5, false}, // r
        {11, 8, 3, 4, false}, // k
        {19, 4, 4, 0, false}, // e
        {23, 3, 3, 0, true},  // u
    };
    for (std::uint32_t i = 0; i < index.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(index[i].start, expected[i].start);
        EXPECT_EQ(index[i].length, expected[i].length);
        EXPECT_EQ(index[i].StartTagLength(), expected[i].startTag);
        EXPECT_EQ(index[i].EndTagLength(), expected[i].endTag);
        EXPECT_EQ(index[i].Has(ElementEntry::kUnendedMark), expected[i].unended);
    }
    EXPECT_TRUE(index[1].Has(ElementEntry::kErrorInsideMark));
    EXPECT_FALSE(index[2].Has(ElementEntry::kErrorInsideMark));
    EXPECT_EQ(index[1].Level(), 1u);
    EXPECT_EQ(index[4].Level(), 2u);
}

TEST(XmlIndexBuilder, PagesHoldSixtyFiveThousandEntries)
{
    Text text = u"<r>";
    for (int i = 0; i < 70000; ++i)
        text += u"<e/>";
    text += u"<last/></r>";
    ElementIndex index;
    BuildElementIndex(text, index);
    ASSERT_EQ(index.Count(), 70003u);
    EXPECT_EQ(index.PageCount(), 2u);
    const std::uint32_t last = index[index[1].firstChild].previousSibling;
    EXPECT_EQ(last, 70002u);
    EXPECT_EQ(NameOf(text, index, last), u"last");
    EXPECT_EQ(index[65536].start, static_cast<std::int32_t>(3 + 4 * (65536 - 2)));
    ExpectConsistent(index);
}

TEST(XmlIndexBuilder, RoomStartsAtOneSixtyFourthAndGrowsByHalf)
{
    ElementIndex index;
    index.Reset(6400);
    EXPECT_EQ(index.Capacity(), 108u);
    EXPECT_EQ(index.Count(), 1u);
    while (index.Count() < 108)
        index.Add();
    EXPECT_EQ(index.Capacity(), 108u);
    index.Add();
    EXPECT_EQ(index.Capacity(), 162u);
    index.Reset(0);
    EXPECT_EQ(index.Capacity(), 8u);
}

TEST(XmlIndexBuilder, DeepNestingKeepsTheLevelInItsField)
{
    const int depth = 70000;
    Text text;
    for (int i = 0; i < depth; ++i)
        text += u"<a>";
    for (int i = 0; i < depth; ++i)
        text += u"</a>";
    ElementIndex index;
    BuildElementIndex(text, index);
    ASSERT_EQ(index.Count(), static_cast<std::uint32_t>(depth + 1));
    EXPECT_EQ(index[1000].Level(), 1000u);
    EXPECT_EQ(index[depth].Level(), 0xFFFFu);
    EXPECT_EQ(index[1].length, static_cast<std::int32_t>(text.size()));
    // Unended all the way down: every element ends up at the top level.
    const Text open = text.substr(0, 3 * depth);
    BuildElementIndex(open, index);
    EXPECT_EQ(index[depth].parent, 0u);
    EXPECT_EQ(index[index[0].firstChild].previousSibling, static_cast<std::uint32_t>(depth));
}

// Tags too long for their fields: the start tag counts as an error, the end
// tag is ignored.
TEST(XmlIndexBuilder, OverlongTagsDoNotOverflowTheirFields)
{
    const Text longStart =
        u"<r><k a=\"" + Text(ElementEntry::kMaxStartTagLength, u'x') + u"\">v</k></r>";
    ElementIndex index;
    BuildElementIndex(longStart, index);
    EXPECT_EQ(Tree(longStart, index), "r");
    const Text fits =
        u"<r><k a=\"" + Text(ElementEntry::kMaxStartTagLength - 8, u'x') + u"\">v</k></r>";
    BuildElementIndex(fits, index);
    EXPECT_EQ(Tree(fits, index), "r(k)");
    EXPECT_EQ(index[2].StartTagLength(), ElementEntry::kMaxStartTagLength);

    const Text longEnd = u"<r><k>v</k" + Text(ElementEntry::kMaxEndTagLength - 3, u' ') + u"></r>";
    BuildElementIndex(longEnd, index);
    EXPECT_EQ(Tree(longEnd, index), "r(k!)");
    const Text fitsEnd = u"<r><k>v</k" + Text(ElementEntry::kMaxEndTagLength - 4, u' ') + u"></r>";
    BuildElementIndex(fitsEnd, index);
    EXPECT_EQ(Tree(fitsEnd, index), "r(k)");
    EXPECT_EQ(index[2].EndTagLength(), ElementEntry::kMaxEndTagLength);
}

} // namespace
} // namespace k47
