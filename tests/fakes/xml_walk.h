// SPDX-License-Identifier: MIT
#pragma once
// Checks and lookups shared by the XML reader's regression tests and its fuzz
// target.

#include <string>

#include "config/xml/xml_document.h"

namespace k47::test {

// Empty when every index entry lies inside the text, links point forward
// from parents and the text holds no U+0000; else what is wrong.
std::string IndexProblem(const XmlDocument& doc);

// The element tree as "name", "name!" for unended, "name(children)", from
// the document's index.
std::string IndexTree(const XmlDocument& doc);

// The same tree built from the text the slow, obvious way, with a linear
// search of the open elements and element by element reparenting: the
// oracle for the index.
std::string ReferenceTree(TextView text);

// Looks every key of every section up by name, as the language texts do, one
// level deeper for nested sections. Returns how many lookups found data.
int LookUpEverything(XmlDocument& doc);

} // namespace k47::test
