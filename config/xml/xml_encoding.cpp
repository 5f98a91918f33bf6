// SPDX-License-Identifier: MIT
#include "config/xml/xml_encoding.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "config/code_pages.h"
#include "config/xml/charset_names.h"
#include "config/xml/utf8_decoder.h"
#include "config/xml/xml_tokenizer.h"

namespace k47 {
namespace {

constexpr std::size_t kMaxNameLength = 100;

char16_t Lower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

bool EqualNoCase(TextView a, TextView b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

bool StartsWithNoCase(TextView text, TextView prefix)
{
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

// The value of attribute `wanted` in a tag or instruction; attrs is the part
// after its name, without the closing '>' or "?>".
bool FindAttribute(TextView attrs, TextView wanted, TextView& value)
{
    std::size_t i = 0;
    const std::size_t n = attrs.size();
    auto skipSpace = [&] {
        while (i < n && IsXmlSpace(attrs[i]))
            ++i;
    };
    while (true) {
        skipSpace();
        if (i >= n)
            return false;
        const std::size_t nameStart = i;
        while (i < n && !IsXmlSpace(attrs[i]) && attrs[i] != u'=' && attrs[i] != u'"' &&
               attrs[i] != u'\'' && attrs[i] != u'/')
            ++i;
        const TextView name = attrs.substr(nameStart, i - nameStart);
        TextView found;
        skipSpace();
        if (i < n && attrs[i] == u'=') {
            ++i;
            skipSpace();
            if (i < n && (attrs[i] == u'"' || attrs[i] == u'\'')) {
                const char16_t quote = attrs[i++];
                const std::size_t end = std::min(attrs.find(quote, i), n);
                found = attrs.substr(i, end - i);
                i = end + 1;
            } else {
                const std::size_t start = i;
                while (i < n && !IsXmlSpace(attrs[i]))
                    ++i;
                found = attrs.substr(start, i - start);
            }
        } else if (name.empty()) {
            // A stray quote or '/': step over it.
            ++i;
            continue;
        }
        if (!name.empty() && EqualNoCase(name, wanted)) {
            value = found;
            return true;
        }
    }
}

// The word after "charset" "=" in a Content-Type value.
bool CharsetOfContent(TextView content, Text& name)
{
    std::vector<TextView> words;
    for (std::size_t i = 0; i < content.size();) {
        const char16_t c = content[i];
        if (IsXmlSpace(c)) {
            ++i;
        } else if (IsXmlNameDelimiter(c)) {
            words.push_back(content.substr(i, 1));
            ++i;
        } else {
            const std::size_t start = i;
            while (i < content.size() && !IsXmlNameDelimiter(content[i]))
                ++i;
            words.push_back(content.substr(start, i - start));
        }
    }
    for (std::size_t k = 0; k + 2 < words.size(); ++k) {
        if (EqualNoCase(words[k], u"charset") && words[k + 1] == u"=") {
            name = Text(words[k + 2]);
            return true;
        }
    }
    return false;
}

// The attribute part of the tag or instruction node [start, end) whose name
// begins at nameFrom.
TextView AttributesOf(TextView text, std::size_t nameFrom, const XmlNode& node, std::size_t closing)
{
    const TextView name = XmlNameAt(text, nameFrom);
    const std::size_t from = static_cast<std::size_t>(name.data() - text.data()) + name.size();
    const std::size_t to = std::max(from, node.end - closing);
    return text.substr(from, to - from);
}

Text Utf16Units(const std::uint8_t* bytes, std::size_t size, bool bigEndian)
{
    Text text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const char16_t unit = bigEndian ? char16_t(bytes[i] << 8 | bytes[i + 1])
                                        : char16_t(bytes[i + 1] << 8 | bytes[i]);
        if (unit != 0)
            text.push_back(unit);
    }
    return text;
}

Text Latin1(const std::uint8_t* bytes, std::size_t size)
{
    return Text(bytes, bytes + size);
}

void RemoveZeros(Text& text)
{
    text.erase(std::remove(text.begin(), text.end(), u'\0'), text.end());
}

// UTF-8 is decoded here, alike on every platform; other code pages go
// through the platform, falling back to the ANSI one when the named one is not
// installed, and without either the bytes are taken one for one.
std::uint32_t Convert(std::uint32_t codePage, const std::uint8_t* bytes, std::size_t size,
                      ICodePages* codePages, Text& text)
{
    // The input holds no zero bytes, so only a platform conversion could put
    // U+0000 in the text.
    if (codePage == kUtf8CodePage) {
        DecodeUtf8(bytes, size, text);
        return codePage;
    }
    if (codePages && codePages->ToUtf16(codePage, bytes, size, text)) {
        RemoveZeros(text);
        return codePage;
    }
    if (codePages && codePage != kAnsiCodePage &&
        codePages->ToUtf16(kAnsiCodePage, bytes, size, text)) {
        RemoveZeros(text);
        return kAnsiCodePage;
    }
    text = Latin1(bytes, size);
    return codePage;
}

} // namespace

bool ScanDeclaredEncoding(TextView head, Text& name)
{
    bool tagSeen = false;
    bool instructionSeen = false;
    bool htmlSeen = false;
    for (std::size_t pos = 0; pos < head.size();) {
        const XmlNode node = NextXmlNode(head, pos);
        pos = node.end;
        switch (node.kind) {
        case XmlNodeKind::Error:
            return false;
        case XmlNodeKind::ProcessingInstruction: {
            const bool counts = !instructionSeen && !tagSeen;
            instructionSeen = true;
            if (!counts || !EqualNoCase(XmlNameAt(head, node.start + 2), u"xml"))
                break;
            TextView value;
            if (!FindAttribute(AttributesOf(head, node.start + 2, node, 2), u"encoding", value))
                return false;
            name = Text(value);
            return true;
        }
        case XmlNodeKind::StartTag:
        case XmlNodeKind::EmptyElementTag: {
            tagSeen = true;
            const TextView tag = XmlNameAt(head, node.start + 1);
            if (!htmlSeen) {
                if (!EqualNoCase(tag, u"html"))
                    return false;
                htmlSeen = true;
                break;
            }
            if (!EqualNoCase(tag, u"meta"))
                break;
            const TextView attrs = AttributesOf(head, node.start + 1, node, 1);
            TextView value;
            if (!FindAttribute(attrs, u"http-equiv", value) || !EqualNoCase(value, u"Content-Type"))
                break;
            TextView content;
            if (!FindAttribute(attrs, u"content", content))
                return false;
            return CharsetOfContent(content, name);
        }
        case XmlNodeKind::EndTag:
            tagSeen = true;
            if (EqualNoCase(XmlNameAt(head, node.start + 2), u"head"))
                return false;
            break;
        default:
            break;
        }
    }
    return false;
}

bool PassesUtf8Check(const std::uint8_t* bytes, std::size_t size)
{
    for (std::size_t i = 0; i < size;) {
        const std::uint8_t b = bytes[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t follow = 0;
        if ((b & 0x20) == 0)
            follow = 1;
        else if ((b & 0x10) == 0)
            follow = 2;
        else if ((b & 0x08) == 0)
            follow = 3;
        else
            return false;
        if (size - i <= follow)
            return false;
        for (std::size_t k = 1; k <= follow; ++k)
            if (bytes[i + k] < 0x80)
                return false;
        i += follow + 1;
    }
    return true;
}

bool CodePageOfName(TextView name, std::uint32_t& codePage)
{
    codePage = kAnsiCodePage;
    if (name.size() >= kMaxNameLength)
        return true;
    // No mark, yet the head read as 8-bit text: these names cannot be right.
    if (StartsWithNoCase(name, u"utf-32"))
        return false;
    if (!CharsetCodePage(name, codePage)) {
        codePage = kAnsiCodePage;
        return true;
    }
    if (codePage == kUtf16LeCodePage || codePage == kUtf16BeCodePage) {
        codePage = kAnsiCodePage;
        return false;
    }
    return true;
}

std::uint32_t DecodeXmlFile(const std::uint8_t* bytes, std::size_t size, ICodePages* codePages,
                            Text& text)
{
    text.clear();
    if (size == 0)
        return kAnsiCodePage;
    std::size_t markLength = 0;
    bool named = false;
    std::uint32_t codePage = kAnsiCodePage;
    if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        markLength = 3;
        named = true;
        codePage = kUtf8CodePage;
    } else if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        text = Utf16Units(bytes + 2, size - 2, false);
        return kUtf16LeCodePage;
    } else if (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        text = Utf16Units(bytes + 2, size - 2, true);
        return kUtf16BeCodePage;
    } else {
        const std::size_t headSize = std::min(size, kHeadBytes);
        const Text head =
            FromUtf8(std::string_view(reinterpret_cast<const char*>(bytes), headSize));
        Text name;
        if (ScanDeclaredEncoding(head, name))
            named = CodePageOfName(name, codePage);
        if (!named && bytes[0] == u'<') {
            named = true;
            codePage = kUtf8CodePage;
        }
    }
    // Zero bytes go; most files have none and are not copied.
    const std::uint8_t* rest = bytes + markLength;
    std::size_t restSize = size - markLength;
    std::vector<std::uint8_t> kept;
    if (std::memchr(rest, 0, restSize) != nullptr) {
        kept.reserve(restSize);
        std::copy_if(rest, rest + restSize, std::back_inserter(kept),
                     [](std::uint8_t b) { return b != 0; });
        rest = kept.data();
        restSize = kept.size();
    }
    if (!named)
        codePage = PassesUtf8Check(rest, restSize) ? kUtf8CodePage : kAnsiCodePage;
    return Convert(codePage, rest, restSize, codePages, text);
}

} // namespace k47
