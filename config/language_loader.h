// SPDX-License-Identifier: MIT
#pragma once
// Reading a language file into LangText, and the keyed lookup that the update
// checks share with it.

#include "config/text.h"

namespace k47 {

class XmlDocument;

// The file the application loads from its folder before the main window exists.
constexpr TextView kStartupLanguageFile = u"language\\sc.xml";

// The text of key inside the first element named section below the root. When
// that element lacks key, a section element nested in it is searched next, and
// so on down. Empty when nothing matches. Moves the document's position.
Text LookupText(XmlDocument& document, TextView section, TextView key);
Text LookupText(TextView section, TextView key); // on g_XmlDocument

// Loads the file at path (a full path) into g_XmlDocument and replaces every
// entry of LangText with its text in the "config" section. A missing or
// unreadable file empties them all; nothing is reported.
void LoadLanguage(const Text& path);

} // namespace k47
