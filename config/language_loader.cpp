// SPDX-License-Identifier: MIT
#include "config/language_loader.h"

#include "config/lang_text.h"
#include "config/xml/xml_document.h"

namespace k47 {

Text LookupText(XmlDocument& document, TextView section, TextView key)
{
    document.ResetPosition();
    // Each pass steps one section deeper, so the walk ends at the deepest one.
    while (document.FindChildElement(section)) {
        document.EnterChild();
        if (document.FindChildElement(key))
            return document.GetChildText();
    }
    return Text();
}

Text LookupText(TextView section, TextView key)
{
    return LookupText(g_XmlDocument, section, key);
}

void LoadLanguage(const Text& path)
{
    // A failed read leaves the document empty, so every text becomes empty.
    g_XmlDocument.LoadDocument(path);
    for (std::size_t i = 0; i < kLangTextCount; ++i)
        LangText[i] = LookupText(u"config", FromAscii(kLangKeys[i]));
}

} // namespace k47
