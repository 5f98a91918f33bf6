// SPDX-License-Identifier: MIT
// The XML reader against pugixml: a language file loaded and every key looked
// up, and parse throughput on a generated file of about 5 MB. Prints figures;
// never fails.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "config/seams.h"
#include "config/xml/xml_document.h"
#include "fakes/iconv_code_pages.h"

namespace {

using Clock = std::chrono::steady_clock;

// The best time of `rounds` runs of fn, in microseconds.
double BestMicros(int rounds, const std::function<void()>& fn)
{
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        fn();
        const std::chrono::duration<double, std::micro> took = Clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

std::string LanguageFile()
{
    const std::string root = K47_SOURCE_DIR;
    for (const char* candidate :
         {"/resources/Language/en.xml", "/tests/fixtures/xml/language_like.xml"}) {
        std::ifstream probe(root + candidate, std::ios::binary);
        if (probe)
            return root + candidate;
    }
    return {};
}

// A file of repeated sections shaped like a language file, with attributes,
// comments, references, CDATA and non-ASCII text, of about `bytes` bytes.
std::string GeneratedFile(std::size_t bytes)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<root>\r\n";
    for (int section = 0; out.size() < bytes; ++section) {
        out += "  <section id=\"" + std::to_string(section) + "\" kind='plain'>\r\n";
        out += "    <!-- section " + std::to_string(section) + " -->\r\n";
        for (int key = 0; key < 40; ++key) {
            const std::string name = "str_key_" + std::to_string(key);
            out += "    <" + name + ">Text number " + std::to_string(key) +
                   " &amp; caf\xC3\xA9 \xE4\xB8\xAD\xE6\x96\x87 for the pointer</" + name + ">\r\n";
        }
        out += "    <data><![CDATA[raw <text> here]]></data>\r\n    <empty a=\"1\" b=\"2\"/>\r\n";
        out += "  </section>\r\n";
    }
    return out + "</root>\r\n";
}

// The keys of the file's <config>, in order.
std::vector<std::string> KeysOf(const std::string& path)
{
    pugi::xml_document doc;
    doc.load_file(path.c_str());
    std::vector<std::string> keys;
    const pugi::xml_node config = doc.document_element().child("config");
    for (pugi::xml_node key : config.children())
        if (key.type() == pugi::node_element)
            keys.emplace_back(key.name());
    return keys;
}

void Row(const char* what, double ours, double theirs, const char* unit)
{
    std::printf("%-34s %12.1f %12.1f %s   ratio %.2f\n", what, ours, theirs, unit, ours / theirs);
}

} // namespace

int main()
{
    k47::test::IconvCodePages pages;
    k47::ProcessSeams().codePages = &pages;

    const std::string path = LanguageFile();
    if (path.empty()) {
        std::printf("xml_bench: no language file found\n");
        return 0;
    }
    const std::vector<std::string> keys = KeysOf(path);
    std::vector<k47::Text> wideKeys;
    for (const std::string& key : keys)
        wideKeys.push_back(k47::FromUtf8(key));

    std::printf("language file: %s, %zu keys\n", path.c_str(), keys.size());
    std::printf("%-34s %12s %12s\n", "", "k47", "pugixml");

    // The language loader's pattern: load the file, then look every key up.
    const k47::Text widePath = k47::FromUtf8(path);
    k47::XmlDocument ours;
    std::size_t oursFound = 0;
    const double oursLookup = BestMicros(200, [&] {
        ours.LoadDocument(widePath);
        oursFound = 0;
        for (const k47::Text& key : wideKeys) {
            ours.ResetPosition();
            ours.FindChildElement(u"config");
            ours.EnterChild();
            if (ours.FindChildElement(key) && !ours.GetChildText().empty())
                ++oursFound;
        }
    });
    std::size_t theirsFound = 0;
    const double theirsLookup = BestMicros(200, [&] {
        pugi::xml_document doc;
        doc.load_file(path.c_str());
        pugi::xml_node config = doc.document_element().child("config");
        theirsFound = 0;
        for (const std::string& key : keys) {
            // The texts are needed as UTF-16, as the reader gives them.
            const k47::Text text = k47::FromUtf8(config.child(key.c_str()).text().get());
            if (!text.empty())
                ++theirsFound;
        }
    });
    Row("load + all keys (us)", oursLookup, theirsLookup, "us");
    std::printf("%-34s %12zu %12zu\n", "keys found", oursFound, theirsFound);

    const std::string big = GeneratedFile(5 * 1024 * 1024);
    const double megabytes = static_cast<double>(big.size()) / (1024.0 * 1024.0);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(big.data());
    const double oursParse = BestMicros(10, [&] { ours.LoadBytes(bytes, big.size()); });
    const std::size_t oursElements = ours.Elements().Count() - 1;
    std::size_t theirsElements = 0;
    const double theirsParse = BestMicros(10, [&] {
        pugi::xml_document doc;
        doc.load_buffer(big.data(), big.size());
        theirsElements = 0;
        for (pugi::xml_node section : doc.document_element().children()) {
            ++theirsElements;
            for (pugi::xml_node key : section.children())
                theirsElements += key.type() == pugi::node_element ? 1 : 0;
        }
    });
    std::printf("generated file: %.2f MB, %zu elements (pugixml %zu)\n", megabytes, oursElements,
                theirsElements + 1);
    Row("parse time (ms)", oursParse / 1000.0, theirsParse / 1000.0, "ms");
    std::printf("%-34s %12.1f %12.1f MB/s\n", "parse throughput", megabytes / (oursParse / 1e6),
                megabytes / (theirsParse / 1e6));

    // A hostile file: a deep stack of open elements and end tags that match
    // none of them.
    const int depth = 200000;
    std::string hostile;
    for (int i = 0; i < depth; ++i)
        hostile += "<a>";
    for (int i = 0; i < depth; ++i)
        hostile += "</b" + std::to_string(i % 1000) + ">";
    const double hostileParse = BestMicros(3, [&] {
        ours.LoadBytes(reinterpret_cast<const std::uint8_t*>(hostile.data()), hostile.size());
    });
    std::printf("hostile file: %.2f MB, depth %d, %d stray end tags: %.1f ms\n",
                static_cast<double>(hostile.size()) / (1024.0 * 1024.0), depth, depth,
                hostileParse / 1000.0);
    return 0;
}
