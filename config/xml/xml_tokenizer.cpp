// SPDX-License-Identifier: MIT
#include "config/xml/xml_tokenizer.h"

#include <cstdint>
#include <cstring>

namespace k47 {
namespace {

constexpr std::size_t npos = TextView::npos;

// The first c at or after from, npos when there is none; four units at a time.
std::size_t FindUnit(TextView text, std::size_t from, char16_t c)
{
    const char16_t* p = text.data();
    const std::size_t n = text.size();
    const std::uint64_t pattern = 0x0001000100010001ull * c;
    std::size_t i = from;
    for (; i + 4 <= n; i += 4) {
        std::uint64_t word;
        std::memcpy(&word, p + i, sizeof(word));
        const std::uint64_t x = word ^ pattern;
        if (((x - 0x0001000100010001ull) & ~x & 0x8000800080008000ull) != 0)
            break;
    }
    for (; i < n; ++i)
        if (p[i] == c)
            return i;
    return npos;
}

bool StartsWith(TextView text, std::size_t pos, TextView prefix)
{
    return text.size() - pos >= prefix.size() && text.compare(pos, prefix.size(), prefix) == 0;
}

// The end of a node closed by terminator, searched from `from`; npos when the
// text ends first.
std::size_t EndAfter(TextView text, std::size_t from, TextView terminator)
{
    const std::size_t at = text.find(terminator, from);
    return at == npos ? npos : at + terminator.size();
}

XmlNode ErrorNode(TextView text, std::size_t pos)
{
    // Through the next '>', or up to the next '<' when that comes first.
    for (std::size_t i = pos + 1; i < text.size(); ++i) {
        if (text[i] == u'>')
            return {XmlNodeKind::Error, pos, i + 1};
        if (text[i] == u'<')
            return {XmlNodeKind::Error, pos, i};
    }
    return {XmlNodeKind::Error, pos, text.size()};
}

XmlNode Closed(XmlNodeKind kind, TextView text, std::size_t pos, std::size_t end)
{
    if (end == npos)
        return {XmlNodeKind::Error, pos, text.size()};
    return {kind, pos, end};
}

bool StartsTagName(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || c == u'_' || c == u':' || c > 0x60;
}

// A '>' that is not inside a quoted string.
std::size_t EndOutsideQuotes(TextView text, std::size_t from)
{
    for (std::size_t i = from; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'>')
            return i + 1;
        if (c == u'"' || c == u'\'') {
            const std::size_t close = text.find(c, i + 1);
            if (close == npos)
                return npos;
            i = close;
        }
    }
    return npos;
}

// A construct inside a document type declaration, opened by the '<' at pos.
std::size_t NestedEnd(TextView text, std::size_t pos)
{
    if (StartsWith(text, pos, u"<!E") || StartsWith(text, pos, u"<!A") ||
        StartsWith(text, pos, u"<!N"))
        return EndOutsideQuotes(text, pos + 3);
    if (StartsWith(text, pos, u"<!--"))
        return EndAfter(text, pos + 4, u"-->");
    if (StartsWith(text, pos, u"<?"))
        return EndAfter(text, pos + 2, u"?>");
    return EndAfter(text, pos + 1, u">");
}

XmlNode Declaration(TextView text, std::size_t pos)
{
    for (std::size_t i = pos + 3; i < text.size();) {
        if (text[i] == u'>')
            return {XmlNodeKind::Declaration, pos, i + 1};
        if (text[i] == u'<') {
            i = NestedEnd(text, i);
            if (i == npos)
                break;
            continue;
        }
        ++i;
    }
    return {XmlNodeKind::Error, pos, text.size()};
}

XmlNode StartTag(TextView text, std::size_t pos)
{
    const std::size_t n = text.size();
    std::size_t nameEnd = pos + 1;
    while (nameEnd < n && !IsXmlSpace(text[nameEnd]) && text[nameEnd] != u'/' &&
           text[nameEnd] != u'>')
        ++nameEnd;
    bool afterEquals = false;
    std::size_t afterValue = npos;
    for (std::size_t i = nameEnd; i < n; ++i) {
        const char16_t c = text[i];
        if (c > u'>') {
            afterEquals = false;
            continue;
        }
        if (c == u'>') {
            const bool empty = text[i - 1] == u'/' &&
                               (i - 1 == nameEnd || IsXmlSpace(text[i - 2]) || i - 1 == afterValue);
            return {empty ? XmlNodeKind::EmptyElementTag : XmlNodeKind::StartTag, pos, i + 1};
        }
        if ((c == u'"' || c == u'\'') && afterEquals) {
            const std::size_t close = text.find(c, i + 1);
            if (close == npos)
                break;
            i = close;
            afterValue = close + 1;
            afterEquals = false;
            continue;
        }
        if (!IsXmlSpace(c))
            afterEquals = c == u'=';
    }
    return {XmlNodeKind::Error, pos, n};
}

} // namespace

XmlNode NextXmlNode(TextView text, std::size_t pos)
{
    const std::size_t n = text.size();
    if (text[pos] != u'<') {
        const char16_t* p = text.data();
        std::size_t i = pos;
        while (i < n && IsXmlSpace(p[i]))
            ++i;
        if (i == n || p[i] == u'<')
            return {XmlNodeKind::Whitespace, pos, i};
        const std::size_t next = FindUnit(text, i, u'<');
        return {XmlNodeKind::Text, pos, next == npos ? n : next};
    }
    if (pos + 1 >= n)
        return {XmlNodeKind::Error, pos, n};
    const char16_t next = text[pos + 1];
    if (next == u'/') {
        const std::size_t close = FindUnit(text, pos + 2, u'>');
        return Closed(XmlNodeKind::EndTag, text, pos, close == npos ? npos : close + 1);
    }
    if (next == u'?')
        return Closed(XmlNodeKind::ProcessingInstruction, text, pos,
                      EndAfter(text, pos + 2, u"?>"));
    if (next == u'!') {
        if (StartsWith(text, pos, u"<!--"))
            return Closed(XmlNodeKind::Comment, text, pos, EndAfter(text, pos + 4, u"-->"));
        if (StartsWith(text, pos, u"<![C"))
            return Closed(XmlNodeKind::CData, text, pos, EndAfter(text, pos + 4, u"]]>"));
        if (StartsWith(text, pos, u"<!D"))
            return Declaration(text, pos);
        return ErrorNode(text, pos);
    }
    if (StartsTagName(next))
        return StartTag(text, pos);
    return ErrorNode(text, pos);
}

TextView XmlNameAt(TextView text, std::size_t from)
{
    std::size_t i = from;
    while (i < text.size() && IsXmlSpace(text[i]))
        ++i;
    std::size_t end = i;
    while (end < text.size() && !IsXmlNameDelimiter(text[end]))
        ++end;
    return text.substr(i, end - i);
}

bool XmlQueryMatches(TextView query, TextView name)
{
    if (query.empty())
        return true;
    if (query.size() < name.size() || query.compare(0, name.size(), name) != 0)
        return false;
    if (query.size() == name.size())
        return true;
    const char16_t c = query[name.size()];
    return c == u' ' || c == u'=' || c == u'/' || c == u'[' || c == u']';
}

bool XmlNameAtIs(TextView text, std::size_t from, TextView name)
{
    std::size_t p = from;
    while (p < text.size() && IsXmlSpace(text[p]))
        ++p;
    if (text.size() - p < name.size() || text.compare(p, name.size(), name) != 0)
        return false;
    p += name.size();
    return p >= text.size() || IsXmlNameDelimiter(text[p]);
}

bool XmlNamesEqual(TextView text, std::size_t a, std::size_t b)
{
    const std::size_t n = text.size();
    while (a < n && IsXmlSpace(text[a]))
        ++a;
    while (b < n && IsXmlSpace(text[b]))
        ++b;
    const char16_t* p = text.data();
    while (a < n && b < n && p[a] == p[b] && !IsXmlNameDelimiter(p[a])) {
        ++a;
        ++b;
    }
    const bool endA = a >= n || IsXmlNameDelimiter(p[a]);
    const bool endB = b >= n || IsXmlNameDelimiter(p[b]);
    return endA && endB;
}

bool XmlQueryMatchesAt(TextView query, TextView text, std::size_t from)
{
    if (query.empty())
        return true;
    std::size_t p = from;
    while (p < text.size() && IsXmlSpace(text[p]))
        ++p;
    for (std::size_t i = 0;; ++i, ++p) {
        const bool nameEnds = p >= text.size() || IsXmlNameDelimiter(text[p]);
        if (i == query.size())
            return nameEnds;
        if (nameEnds) {
            const char16_t c = query[i];
            return c == u' ' || c == u'=' || c == u'/' || c == u'[' || c == u']';
        }
        if (text[p] != query[i])
            return false;
    }
}

} // namespace k47
