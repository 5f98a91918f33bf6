// SPDX-License-Identifier: MIT
#include "config/xml/xml_document.h"

#include <cstdint>
#include <vector>

#include "config/seams.h"
#include "config/xml/char_references.h"
#include "config/xml/file_reader.h"
#include "config/xml/xml_encoding.h"
#include "config/xml/xml_index_builder.h"
#include "config/xml/xml_tokenizer.h"

namespace k47 {
namespace {

// Offsets and lengths are 32-bit signed.
constexpr std::size_t kMaxContent = 0x7FFFFFFF;

void AppendCData(TextView node, Text& out)
{
    const std::size_t open = sizeof("<![CDATA[") - 1;
    const std::size_t close = sizeof("]]>") - 1;
    const std::size_t end = node.size() - close;
    if (end > open)
        out.append(node.substr(open, end - open));
}

// A query that can match one name only: no characters that end a name or
// start a suffix. Start tags have their name right after the '<'.
bool IsPlainName(TextView query)
{
    if (query.empty())
        return false;
    for (char16_t c : query)
        if (IsXmlNameDelimiter(c) || c == u'[' || c == u']')
            return false;
    return true;
}

} // namespace

XmlDocument g_XmlDocument;

XmlDocument::XmlDocument() : m_reader(&StdFileReader()) {}

XmlDocument::XmlDocument(IFileReader& reader) : m_reader(&reader) {}

void XmlDocument::Clear()
{
    m_text.clear();
    m_text.shrink_to_fit();
    m_index.Reset(0);
    m_codePage = kNoCodePage;
    ResetPosition();
}

bool XmlDocument::LoadDocument(const Text& path)
{
    Clear();
    std::vector<std::uint8_t> bytes;
    if (!m_reader->ReadAll(path, bytes))
        return false;
    return LoadBytes(bytes.data(), bytes.size());
}

bool XmlDocument::LoadBytes(const std::uint8_t* bytes, std::size_t size)
{
    Clear();
    if (size > kMaxContent)
        return false;
    if (size > 0) {
        Text text;
        m_codePage = DecodeXmlFile(bytes, size, ProcessSeams().codePages, text);
        m_text = std::move(text);
        if (m_text.size() > kMaxContent) {
            Clear();
            return false;
        }
    }
    BuildElementIndex(m_text, m_index);
    return true;
}

void XmlDocument::ResetPosition()
{
    m_parent = 0;
    m_current = 0;
    m_child = 0;
    m_onElement = false;
}

TextView XmlDocument::ElementName(std::uint32_t i) const
{
    if (i == 0 || i >= m_index.Count())
        return {};
    return XmlNameAt(m_text, static_cast<std::size_t>(m_index[i].start) + 1);
}

std::uint32_t XmlDocument::FindAmongChildren(std::uint32_t parent, std::uint32_t after,
                                             TextView name) const
{
    std::uint32_t i = after != 0 ? m_index[after].nextSibling : m_index[parent].firstChild;
    if (IsPlainName(name)) {
        // Only the exact name matches: its end is checked first, which
        // rejects most siblings at one character.
        const std::size_t size = name.size();
        for (; i != 0; i = m_index[i].nextSibling) {
            const std::size_t from = static_cast<std::size_t>(m_index[i].start) + 1;
            if (from + size < m_text.size() && IsXmlNameDelimiter(m_text[from + size]) &&
                m_text.compare(from, size, name) == 0)
                return i;
        }
        return 0;
    }
    for (; i != 0; i = m_index[i].nextSibling)
        if (XmlQueryMatchesAt(name, m_text, static_cast<std::size_t>(m_index[i].start) + 1))
            return i;
    return 0;
}

bool XmlDocument::FindElement(TextView name)
{
    const std::uint32_t found = FindAmongChildren(m_parent, m_current, name);
    if (found == 0)
        return false;
    m_current = found;
    m_parent = m_index[found].parent;
    m_child = 0;
    m_onElement = true;
    return true;
}

bool XmlDocument::FindChildElement(TextView name)
{
    if (m_current == 0)
        FindElement(u"");
    if (m_current == 0)
        return false;
    const std::uint32_t found = FindAmongChildren(m_current, m_child, name);
    if (found == 0)
        return false;
    m_child = found;
    return true;
}

void XmlDocument::EnterChild()
{
    if (m_current == 0 || !m_onElement)
        return;
    m_parent = m_current;
    m_current = m_child;
    m_child = 0;
    m_onElement = m_current != 0;
}

Text XmlDocument::GetChildText() const
{
    Text out;
    if (m_child == 0)
        return out;
    const ElementEntry& e = m_index[m_child];
    if (static_cast<std::uint32_t>(e.length) == e.StartTagLength() || e.firstChild != 0)
        return out;
    const std::size_t begin = static_cast<std::size_t>(e.start) + e.StartTagLength();
    const std::size_t end = static_cast<std::size_t>(e.start) + e.length - e.EndTagLength();
    const TextView content = TextView(m_text).substr(begin, end - begin);
    if (content.find(u'<') == TextView::npos) {
        AppendDecodedText(content, out);
        return out;
    }
    for (std::size_t pos = 0; pos < content.size();) {
        const XmlNode node = NextXmlNode(content, pos);
        pos = node.end;
        const TextView part = content.substr(node.start, node.end - node.start);
        if (node.kind == XmlNodeKind::Text)
            AppendDecodedText(part, out);
        else if (node.kind == XmlNodeKind::CData)
            AppendCData(part, out);
    }
    return out;
}

} // namespace k47
