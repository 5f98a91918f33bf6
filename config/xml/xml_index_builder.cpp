// SPDX-License-Identifier: MIT
#include "config/xml/xml_index_builder.h"

#include <chrono>
#include <vector>

#include "config/xml/xml_tokenizer.h"

namespace k47 {
namespace {

// An end tag looks for its match among the innermost open elements one by
// one. Past that many, the open elements are chained by a hash of their names
// instead, so that a deep stack is not walked for every end tag that matches
// nothing. The seed differs between runs, so no file can aim its names at one
// chain.
constexpr std::size_t kLinearSearch = 32;
constexpr std::size_t kNameBuckets = 1024;

std::uint64_t NameSeed()
{
    static const std::uint64_t seed =
        0x9E3779B97F4A7C15ull ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return seed;
}

// FNV-1a over the name that starts at from.
std::uint64_t NameHash(TextView text, std::size_t from, std::uint64_t seed)
{
    const std::size_t n = text.size();
    while (from < n && IsXmlSpace(text[from]))
        ++from;
    std::uint64_t h = 0xCBF29CE484222325ull ^ seed;
    for (; from < n && !IsXmlNameDelimiter(text[from]); ++from)
        h = (h ^ text[from]) * 0x100000001B3ull;
    return h;
}

struct OpenElement {
    std::uint32_t element;
    // Stack position of the next open element below in the same bucket, -1 for none.
    std::int32_t below;
    std::uint64_t hash;
};

class IndexBuilder {
public:
    IndexBuilder(TextView text, ElementIndex& index)
        : m_text(text), m_index(index), m_seed(NameSeed()), m_bucketTop(kNameBuckets, -1)
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
    std::uint32_t Innermost() const { return m_open.empty() ? 0 : m_open.back().element; }

    static std::size_t Bucket(std::uint64_t hash) { return (hash >> 32) % kNameBuckets; }

    void Push(std::uint32_t element)
    {
        if (m_open.size() == m_open.capacity())
            m_open.reserve(m_open.size() * 2 + 6);
        m_open.push_back({element, -1, 0});
        if (m_hashed)
            Link(m_open.size() - 1);
    }

    void Link(std::size_t k)
    {
        OpenElement& open = m_open[k];
        open.hash = NameHash(m_text, StartOf(open.element) + 1, m_seed);
        std::int32_t& top = m_bucketTop[Bucket(open.hash)];
        open.below = top;
        top = static_cast<std::int32_t>(k);
    }

    // Pops the stack down to size elements.
    void PopTo(std::size_t size)
    {
        while (m_open.size() > size) {
            if (m_hashed)
                m_bucketTop[Bucket(m_open.back().hash)] = m_open.back().below;
            m_open.pop_back();
        }
    }

    // One past the stack position of the innermost open element named as the
    // end tag at pos, 0 when none is.
    std::size_t Match(std::size_t pos)
    {
        if (!m_hashed) {
            const std::size_t last =
                m_open.size() > kLinearSearch ? m_open.size() - kLinearSearch : 0;
            for (std::size_t k = m_open.size(); k > last; --k)
                if (XmlNamesEqual(m_text, StartOf(m_open[k - 1].element) + 1, pos + 2))
                    return k;
            if (last == 0)
                return 0;
            m_hashed = true;
            for (std::size_t k = 0; k < m_open.size(); ++k)
                Link(k);
        }
        const std::uint64_t hash = NameHash(m_text, pos + 2, m_seed);
        for (std::int32_t k = m_bucketTop[Bucket(hash)]; k >= 0;
             k = m_open[static_cast<std::size_t>(k)].below) {
            const OpenElement& open = m_open[static_cast<std::size_t>(k)];
            if (open.hash == hash && XmlNamesEqual(m_text, StartOf(open.element) + 1, pos + 2))
                return static_cast<std::size_t>(k) + 1;
        }
        return 0;
    }

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
        if (node.kind == XmlNodeKind::StartTag)
            Push(i);
    }

    void OnEndTag(const XmlNode& node)
    {
        const std::size_t length = node.end - node.start;
        const std::size_t match = length <= ElementEntry::kMaxEndTagLength ? Match(node.start) : 0;
        if (match == 0) {
            MarkErrorInside(Innermost());
            return;
        }
        const std::uint32_t element = m_open[match - 1].element;
        CloseUnended(match, element);
        ElementEntry& e = m_index[element];
        e.length = static_cast<std::int32_t>(node.end - static_cast<std::size_t>(e.start));
        e.SetTagLengths(e.StartTagLength(), static_cast<std::uint32_t>(length));
        PopTo(match - 1);
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
            const std::uint32_t closing = m_open[k].element;
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
        PopTo(from);
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
    std::uint64_t m_seed;
    bool m_hashed = false;
    std::vector<OpenElement> m_open;
    std::vector<std::int32_t> m_bucketTop;
};

} // namespace

void BuildElementIndex(TextView text, ElementIndex& index)
{
    IndexBuilder(text, index).Run();
}

} // namespace k47
