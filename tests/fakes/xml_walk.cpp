// SPDX-License-Identifier: MIT
#include "fakes/xml_walk.h"

#include <vector>

#include "config/xml/xml_tokenizer.h"

namespace k47::test {
namespace {

void AppendIndexTree(const XmlDocument& doc, std::uint32_t parent, std::string& out)
{
    const ElementIndex& index = doc.Elements();
    bool first = true;
    for (std::uint32_t i = index[parent].firstChild; i != 0; i = index[i].nextSibling) {
        if (!first)
            out += ' ';
        first = false;
        out += ToUtf8(doc.ElementName(i));
        if (index[i].Has(ElementEntry::kUnendedMark))
            out += '!';
        if (index[i].firstChild != 0) {
            out += '(';
            AppendIndexTree(doc, i, out);
            out += ')';
        }
    }
}

struct ReferenceElement {
    Text name;
    bool unended = false;
    std::size_t parent = 0;
    std::vector<std::size_t> children;
};

void AppendReferenceTree(const std::vector<ReferenceElement>& elements, std::size_t parent,
                         std::string& out)
{
    bool first = true;
    for (std::size_t i : elements[parent].children) {
        if (!first)
            out += ' ';
        first = false;
        out += ToUtf8(elements[i].name);
        if (elements[i].unended)
            out += '!';
        if (!elements[i].children.empty()) {
            out += '(';
            AppendReferenceTree(elements, i, out);
            out += ')';
        }
    }
}

// Closes the innermost open element as unended: its children follow it.
void CloseInnermostUnended(std::vector<ReferenceElement>& elements, std::vector<std::size_t>& open)
{
    ReferenceElement& e = elements[open.back()];
    e.unended = true;
    ReferenceElement& parent = elements[e.parent];
    for (std::size_t child : e.children) {
        parent.children.push_back(child);
        elements[child].parent = e.parent;
    }
    e.children.clear();
    open.pop_back();
}

} // namespace

std::string IndexTree(const XmlDocument& doc)
{
    std::string out;
    AppendIndexTree(doc, 0, out);
    return out;
}

std::string ReferenceTree(TextView text)
{
    std::vector<ReferenceElement> elements(1);
    std::vector<std::size_t> open;
    for (std::size_t pos = 0; pos < text.size();) {
        const XmlNode node = NextXmlNode(text, pos);
        pos = node.end;
        const std::size_t length = node.end - node.start;
        if ((node.kind == XmlNodeKind::StartTag || node.kind == XmlNodeKind::EmptyElementTag) &&
            length <= ElementEntry::kMaxStartTagLength) {
            ReferenceElement e;
            e.name = Text(XmlNameAt(text, node.start + 1));
            e.parent = open.empty() ? 0 : open.back();
            elements.push_back(e);
            elements[e.parent].children.push_back(elements.size() - 1);
            if (node.kind == XmlNodeKind::StartTag)
                open.push_back(elements.size() - 1);
        } else if (node.kind == XmlNodeKind::EndTag && length <= ElementEntry::kMaxEndTagLength) {
            const TextView name = XmlNameAt(text, node.start + 2);
            std::size_t k = open.size();
            while (k > 0 && elements[open[k - 1]].name != name)
                --k;
            if (k == 0)
                continue;
            while (open.size() > k)
                CloseInnermostUnended(elements, open);
            open.pop_back();
        }
    }
    while (!open.empty())
        CloseInnermostUnended(elements, open);
    std::string out;
    AppendReferenceTree(elements, 0, out);
    return out;
}

std::string IndexProblem(const XmlDocument& doc)
{
    const TextView text = doc.DocumentText();
    if (text.find(u'\0') != TextView::npos)
        return "U+0000 in the text";
    const ElementIndex& index = doc.Elements();
    if (index.Count() < 1 || index[0].length != static_cast<std::int32_t>(text.size()))
        return "document entry";
    for (std::uint32_t i = 1; i < index.Count(); ++i) {
        const ElementEntry& e = index[i];
        const std::string at = " of entry " + std::to_string(i);
        if (e.start < 0 || e.length <= 0 ||
            static_cast<std::size_t>(e.start) + static_cast<std::size_t>(e.length) > text.size())
            return "extent" + at;
        if (e.StartTagLength() + e.EndTagLength() > static_cast<std::uint32_t>(e.length))
            return "tag lengths" + at;
        if (text[static_cast<std::size_t>(e.start)] != u'<')
            return "start" + at;
        if (e.parent >= i || e.firstChild >= index.Count() || e.nextSibling >= index.Count() ||
            e.previousSibling >= index.Count())
            return "links" + at;
    }
    return {};
}

int LookUpEverything(XmlDocument& doc)
{
    int found = 0;
    std::vector<Text> sections;
    doc.ResetPosition();
    while (sections.size() < 64 && doc.FindChildElement(u""))
        sections.emplace_back(doc.ElementName(doc.ChildElement()));
    for (const Text& section : sections) {
        doc.ResetPosition();
        doc.FindChildElement(section);
        doc.EnterChild();
        std::vector<Text> keys;
        while (keys.size() < 256 && doc.FindChildElement(u"")) {
            keys.emplace_back(doc.ElementName(doc.ChildElement()));
            doc.GetChildText();
        }
        for (const Text& key : keys) {
            doc.ResetPosition();
            doc.FindChildElement(section);
            doc.EnterChild();
            if (doc.FindChildElement(key) && !doc.GetChildText().empty())
                ++found;
            doc.EnterChild();
            if (doc.FindChildElement(u""))
                doc.GetChildText();
        }
    }
    doc.ResetPosition();
    while (doc.FindElement(u""))
        doc.GetChildText();
    return found;
}

} // namespace k47::test
