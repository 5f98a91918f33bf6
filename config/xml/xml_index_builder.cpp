// SPDX-License-Identifier: MIT
#include "config/xml/xml_index_builder.h"

#include <vector>

#include "config/xml/xml_tokenizer.h"

namespace k47 {
namespace {

class IndexBuilder {
public:
    IndexBuilder(TextView text, ElementIndex& index) : m_text(text), m_index(index)
    {
        m_open.reserve(6);
    }

    void Run()
    {
        m_index.Reset(static_cast<std::uint32_t>(m_text.size()));
        for (std::size_t pos = 0; pos < m_text.size();) {
            const XmlNode node = NextXmlNode(m_text, pos);
            pos = node.end;
            switch (node.kind) {
            case XmlNodeKind::StartTag:
            case XmlNodeKind::EmptyElementTag:
                OnStartTag(node);
                break;
            case XmlNodeKind::EndTag:
                OnEndTag(node);
                break;
            case XmlNodeKind::Error:
                MarkErrorInside(Innermost());
                break;
            default:
                break;
            }
        }
        CloseUnended(0, 0);
        SetLevelsAndMarks();
    }

private:
    std::uint32_t Innermost() const { return m_open.empty() ? 0 : m_open.back(); }

    void MarkErrorInside(std::uint32_t i) { m_index[i].marks |= ElementEntry::kErrorInsideMark; }

    std::size_t StartOf(std::uint32_t i) const
    {
        return static_cast<std::size_t>(m_index[i].start);
    }

    void AppendChild(std::uint32_t parent, std::uint32_t child)
    {
        ElementEntry& p = m_index[parent];
        ElementEntry& c = m_index[child];
        c.parent = parent;
        c.nextSibling = 0;
        if (p.firstChild == 0) {
            p.firstChild = child;
            c.previousSibling = child;
            return;
        }
        ElementEntry& first = m_index[p.firstChild];
        m_index[first.previousSibling].nextSibling = child;
        c.previousSibling = first.previousSibling;
        first.previousSibling = child;
    }

    void OnStartTag(const XmlNode& node)
    {
        const std::size_t length = node.end - node.start;
        if (length > ElementEntry::kMaxStartTagLength) {
            MarkErrorInside(Innermost());
            return;
        }
        const std::uint32_t i = m_index.Add();
        ElementEntry& e = m_index[i];
        e.start = static_cast<std::int32_t>(node.start);
        e.length = static_cast<std::int32_t>(length);
        e.SetTagLengths(static_cast<std::uint32_t>(length), 0);
        AppendChild(Innermost(), i);
        if (node.kind == XmlNodeKind::StartTag) {
            if (m_open.size() == m_open.capacity())
                m_open.reserve(m_open.size() * 2 + 6);
            m_open.push_back(i);
        }
    }

    void OnEndTag(const XmlNode& node)
    {
        const std::size_t length = node.end - node.start;
        std::size_t match = m_open.size();
        if (length <= ElementEntry::kMaxEndTagLength) {
            while (match > 0 &&
                   !XmlNamesEqual(m_text, StartOf(m_open[match - 1]) + 1, node.start + 2))
                --match;
        } else {
            match = 0;
        }
        if (match == 0) {
            MarkErrorInside(Innermost());
            return;
        }
        const std::uint32_t element = m_open[match - 1];
        CloseUnended(match, element);
        ElementEntry& e = m_index[element];
        e.length = static_cast<std::int32_t>(node.end - static_cast<std::size_t>(e.start));
        e.SetTagLengths(e.StartTagLength(), static_cast<std::uint32_t>(length));
        m_open.pop_back();
    }

    // Closes the open elements from stack position `from` up as unended. Their
    // children follow them, in order, as children of `owner`, which holds the
    // first of them as its last child. Each child moves once.
    void CloseUnended(std::size_t from, std::uint32_t owner)
    {
        if (from >= m_open.size())
            return;
        MarkErrorInside(owner);
        for (std::size_t k = from; k < m_open.size(); ++k) {
            const std::uint32_t closing = m_open[k];
            ElementEntry& e = m_index[closing];
            e.length = static_cast<std::int32_t>(e.StartTagLength());
            e.SetTagLengths(e.StartTagLength(), 0);
            e.marks |= ElementEntry::kUnendedMark;
            const std::uint32_t first = e.firstChild;
            if (first == 0)
                continue;
            e.firstChild = 0;
            ElementEntry& ownerEntry = m_index[owner];
            ElementEntry& head = m_index[first];
            const std::uint32_t last = head.previousSibling;
            // closing is the owner's last child: the moved children follow it.
            e.nextSibling = first;
            head.previousSibling = closing;
            m_index[ownerEntry.firstChild].previousSibling = last;
            for (std::uint32_t c = first; c != 0; c = m_index[c].nextSibling)
                m_index[c].parent = owner;
        }
        m_open.resize(from);
    }

    // Entries come in text order and parents before their children, so one
    // pass settles every level.
    void SetLevelsAndMarks()
    {
        const std::uint32_t mask = ElementEntry::kLevelMask | ElementEntry::kFirstChildMark;
        m_index[0].marks &= ~mask;
        for (std::uint32_t i = 1; i < m_index.Count(); ++i) {
            ElementEntry& e = m_index[i];
            const ElementEntry& p = m_index[e.parent];
            std::uint32_t level = p.Level() + 1;
            if (level > ElementEntry::kLevelMask)
                level = ElementEntry::kLevelMask;
            e.marks =
                (e.marks & ~mask) | level | (p.firstChild == i ? ElementEntry::kFirstChildMark : 0);
        }
    }

    TextView m_text;
    ElementIndex& m_index;
    std::vector<std::uint32_t> m_open;
};

} // namespace

void BuildElementIndex(TextView text, ElementIndex& index)
{
    IndexBuilder(text, index).Run();
}

} // namespace k47
