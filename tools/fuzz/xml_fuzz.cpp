// SPDX-License-Identifier: MIT
// libFuzzer target: loads the input as a file, checks the index against the
// text, and runs the lookups the language texts make.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "config/seams.h"
#include "config/xml/xml_document.h"
#include "fakes/iconv_code_pages.h"
#include "fakes/xml_walk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static k47::test::IconvCodePages pages;
    // One document for every input, as the program has one.
    static k47::XmlDocument doc;
    k47::ProcessSeams().codePages = &pages;
    doc.LoadBytes(data, size);
    const std::string problem = k47::test::IndexProblem(doc);
    if (!problem.empty()) {
        std::fprintf(stderr, "index: %s\n", problem.c_str());
        std::abort();
    }
    if (k47::test::IndexTree(doc) != k47::test::ReferenceTree(doc.DocumentText())) {
        std::fprintf(stderr, "index: the tree differs from the reference\n");
        std::abort();
    }
    k47::test::LookUpEverything(doc);
    return 0;
}
