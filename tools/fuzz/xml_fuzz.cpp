// SPDX-License-Identifier: MIT
// libFuzzer target: loads the input as a file and runs the lookups the
// language texts make, checking that every index entry stays inside the text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "config/seams.h"
#include "config/xml/xml_document.h"
#include "fakes/iconv_code_pages.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckIndex(const k47::XmlDocument& doc)
{
    const k47::TextView text = doc.DocumentText();
    Check(text.find(u'\0') == k47::TextView::npos);
    const k47::ElementIndex& index = doc.Elements();
    Check(index.Count() >= 1 && index[0].length == static_cast<std::int32_t>(text.size()));
    for (std::uint32_t i = 1; i < index.Count(); ++i) {
        const k47::ElementEntry& e = index[i];
        Check(e.start >= 0 && e.length > 0);
        Check(static_cast<std::size_t>(e.start) + e.length <= text.size());
        Check(e.StartTagLength() + e.EndTagLength() <= static_cast<std::uint32_t>(e.length));
        Check(text[e.start] == u'<');
        Check(e.parent < i && e.firstChild < index.Count() && e.nextSibling < index.Count());
    }
}

// Every key of every section, found by name as the language loader asks for
// them, and one level deeper for nested sections.
void LookUpEverything(k47::XmlDocument& doc)
{
    std::vector<k47::Text> sections;
    doc.ResetPosition();
    while (sections.size() < 64 && doc.FindChildElement(u""))
        sections.emplace_back(doc.ElementName(doc.ChildElement()));
    for (const k47::Text& section : sections) {
        doc.ResetPosition();
        doc.FindChildElement(section);
        doc.EnterChild();
        std::vector<k47::Text> keys;
        while (keys.size() < 256 && doc.FindChildElement(u"")) {
            keys.emplace_back(doc.ElementName(doc.ChildElement()));
            doc.GetChildText();
        }
        for (const k47::Text& key : keys) {
            doc.ResetPosition();
            doc.FindChildElement(section);
            doc.EnterChild();
            doc.FindChildElement(key);
            doc.GetChildText();
            doc.EnterChild();
            if (doc.FindChildElement(u""))
                doc.GetChildText();
        }
    }
    doc.ResetPosition();
    while (doc.FindElement(u""))
        doc.GetChildText();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static k47::test::IconvCodePages pages;
    static k47::XmlDocument doc;
    k47::ProcessSeams().codePages = &pages;
    doc.LoadBytes(data, size);
    CheckIndex(doc);
    LookUpEverything(doc);
    return 0;
}
