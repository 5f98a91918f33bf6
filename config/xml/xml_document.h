// SPDX-License-Identifier: MIT
#pragma once
// A tolerant, read-only XML document: the file decoded once to UTF-16, an
// index of element offsets into that text, and a position for lookups by
// element name. Malformed markup still yields an index; nothing is reported.

#include <cstddef>
#include <cstdint>

#include "config/text.h"
#include "config/xml/element_index.h"

namespace k47 {

class IFileReader;

class XmlDocument {
public:
    static constexpr std::uint32_t kNoCodePage = 0xFFFFFFFF;

    // An empty document that reads its files through StdFileReader().
    XmlDocument();
    // An empty document that reads its files through reader, which outlives it.
    explicit XmlDocument(IFileReader& reader);
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Reads, decodes and indexes the file, and resets the position. True when
    // the file was opened and read (an empty file too); false when it could
    // not be, and the document is then empty.
    bool LoadDocument(const Text& path);
    // As LoadDocument, for a file's bytes already in memory. False, with the
    // document empty, for content beyond 2 GiB, which the offsets cannot span.
    bool LoadBytes(const std::uint8_t* bytes, std::size_t size);

    // Parent, current and child become none.
    void ResetPosition();
    // Moves current to the next element among the parent's children (the
    // top-level elements without a parent) whose name matches: the query
    // begins with the name, case-sensitive, and ends there or goes on with
    // ' ', '=', '/', '[' or ']'; an empty query matches any. False, with the
    // position unchanged, when there is none.
    bool FindElement(TextView name);
    // Moves child to the next matching element among the current element's
    // children; without a current element the first top-level element becomes
    // current first. Repeated calls find successive matches.
    bool FindChildElement(TextView name);
    // Steps down: the current element becomes the parent, the child current.
    void EnterChild();
    // The data of the current child: its text with character references
    // decoded and CDATA sections kept; empty for an element with child
    // elements, an empty-element tag or an unended element.
    Text GetChildText() const;

    // The whole decoded text, and the index (entry 0 is the document).
    TextView DocumentText() const { return m_text; }
    const ElementIndex& Elements() const { return m_index; }
    // The name of element i as it stands in the text.
    TextView ElementName(std::uint32_t i) const;
    // The code page the last load converted with (kAnsiCodePage included), or
    // 1200 / 1201 for a file with a UTF-16 mark; kNoCodePage when nothing was
    // converted (no file, or an empty one).
    std::uint32_t LoadedCodePage() const { return m_codePage; }

    // Position, for tests and diagnostics: element indexes, 0 for none.
    std::uint32_t ParentElement() const { return m_parent; }
    std::uint32_t CurrentElement() const { return m_current; }
    std::uint32_t ChildElement() const { return m_child; }
    bool OnElement() const { return m_onElement; }

private:
    void Clear();
    // The next element after `after` (or from first when after is 0) among the
    // children of parent whose name matches.
    std::uint32_t FindAmongChildren(std::uint32_t parent, std::uint32_t after, TextView name) const;

    IFileReader* m_reader;
    Text m_text;
    ElementIndex m_index;
    std::uint32_t m_codePage = kNoCodePage;
    std::uint32_t m_parent = 0;
    std::uint32_t m_current = 0;
    std::uint32_t m_child = 0;
    bool m_onElement = false;
};

// The one document the language texts and the update checks load in turn.
extern XmlDocument g_XmlDocument;

} // namespace k47
