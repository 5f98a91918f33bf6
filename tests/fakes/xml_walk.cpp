// SPDX-License-Identifier: MIT
#include "fakes/xml_walk.h"

#include <vector>

namespace k47::test {

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
