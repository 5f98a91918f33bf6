// SPDX-License-Identifier: MIT
#pragma once
// Cuts XML text into nodes, tolerantly: every position starts a node, and what
// cannot be read as markup becomes an error node.

#include <cstddef>
#include <cstdint>

#include "config/text.h"

namespace k47 {

enum class XmlNodeKind {
    Text,
    Whitespace,
    StartTag,
    EmptyElementTag,
    EndTag,
    ProcessingInstruction,
    Comment,
    CData,
    Declaration,
    Error,
};

// A node from start up to (not including) end.
struct XmlNode {
    XmlNodeKind kind;
    std::size_t start;
    std::size_t end;
};

// The node that begins at pos, which must lie inside text.
XmlNode NextXmlNode(TextView text, std::size_t pos);

// Space, tab, CR or LF.
inline bool IsXmlSpace(char16_t c)
{
    constexpr std::uint64_t kSpaces = 1ull << ' ' | 1ull << '\t' | 1ull << '\r' | 1ull << '\n';
    return c <= u' ' && ((kSpaces >> c) & 1) != 0;
}

// Characters that end a name, and that stand as words of their own when the
// encoding scan cuts a value into words: white space, " < > = \\ / ? ! ' ;.
inline bool IsXmlNameDelimiter(char16_t c)
{
    if (c > u'\\')
        return false;
    switch (c) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\r':
    case u'"':
    case u'<':
    case u'>':
    case u'=':
    case u'\\':
    case u'/':
    case u'?':
    case u'!':
    case u'\'':
    case u';':
        return true;
    default:
        return false;
    }
}

// The name that starts at from (leading white space skipped), up to the first
// white space or delimiter.
TextView XmlNameAt(TextView text, std::size_t from);

// True when the query selects an element named name: the query begins with
// the name and ends there or goes on with ' ', '=', '/', '[' or ']'. An empty
// query selects every element.
bool XmlQueryMatches(TextView query, TextView name);

// As XmlQueryMatches for the name that starts at from, compared in place.
bool XmlQueryMatchesAt(TextView query, TextView text, std::size_t from);

// True when the name that starts at from is exactly name.
bool XmlNameAtIs(TextView text, std::size_t from, TextView name);

// True when the names that start at a and at b are the same.
bool XmlNamesEqual(TextView text, std::size_t a, std::size_t b);

} // namespace k47
