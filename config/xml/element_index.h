// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace k47 {

// One element of a document, by offsets into the document text (UTF-16 units).
// Links are element indexes; 0 (the document entry) means none.
struct ElementEntry {
    // Offset of the '<' of the start tag.
    std::int32_t start;
    // '<' of the start tag through '>' of the end tag; the start tag's length for
    // an empty-element tag and for an unended element.
    std::int32_t length;
    // Start-tag length in the low 22 bits, end-tag length (0 for none) in the
    // high 10 bits.
    std::uint32_t tagLengths;
    // Nesting level in the low 16 bits, and the k*Mark bits.
    std::uint32_t marks;
    std::uint32_t parent;
    std::uint32_t firstChild;
    std::uint32_t nextSibling;
    // For a first child: the last child of the same parent.
    std::uint32_t previousSibling;

    static constexpr std::uint32_t kMaxStartTagLength = 0x3FFFFF;
    static constexpr std::uint32_t kMaxEndTagLength = 0x3FF;
    static constexpr std::uint32_t kLevelMask = 0xFFFF;
    static constexpr std::uint32_t kFirstChildMark = 0x10000;
    static constexpr std::uint32_t kUnendedMark = 0x20000;
    static constexpr std::uint32_t kErrorInsideMark = 0x40000;

    std::uint32_t StartTagLength() const { return tagLengths & kMaxStartTagLength; }
    std::uint32_t EndTagLength() const { return tagLengths >> 22; }
    void SetTagLengths(std::uint32_t startTag, std::uint32_t endTag)
    {
        tagLengths = (startTag & kMaxStartTagLength) | (endTag << 22);
    }
    std::uint32_t Level() const { return marks & kLevelMask; }
    bool Has(std::uint32_t mark) const { return (marks & mark) != 0; }
};
static_assert(sizeof(ElementEntry) == 32, "entries are eight 32-bit words");
static_assert(offsetof(ElementEntry, tagLengths) == 8);
static_assert(offsetof(ElementEntry, marks) == 12);
static_assert(offsetof(ElementEntry, parent) == 16);
static_assert(offsetof(ElementEntry, previousSibling) == 28);

// The element entries in pages of 65,536: an index is page (high 16 bits) and
// slot (low 16 bits). Entries never move once their page is full.
class ElementIndex {
public:
    static constexpr std::uint32_t kPageSize = 0x10000;

    ElementIndex();

    // Only the document entry, spanning textLength units, with room for
    // textLength / 64 + 8 entries.
    void Reset(std::uint32_t textLength);
    // Appends a zeroed entry and returns its index; the room grows by half.
    std::uint32_t Add();

    std::uint32_t Count() const { return m_count; }
    std::uint32_t Capacity() const { return m_capacity; }
    std::size_t PageCount() const { return m_pages.size(); }

    ElementEntry& operator[](std::uint32_t i) { return m_pages[i >> 16][i & 0xFFFF]; }
    const ElementEntry& operator[](std::uint32_t i) const { return m_pages[i >> 16][i & 0xFFFF]; }

private:
    void Grow(std::uint32_t capacity);

    // Every page but the last holds kPageSize entries; the last holds the rest
    // of the capacity.
    std::vector<std::unique_ptr<ElementEntry[]>> m_pages;
    std::uint32_t m_lastPageSize = 0;
    std::uint32_t m_count = 0;
    std::uint32_t m_capacity = 0;
};

} // namespace k47
