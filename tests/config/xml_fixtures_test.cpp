// SPDX-License-Identifier: MIT
// Files the reader must load: the language-like fixture, and hostile inputs
// with every input the fuzz target found a fault with
// (tests/fixtures/xml/regressions).

#include <gtest/gtest.h>

#include <filesystem>

#include "config/seams.h"
#include "config/xml/xml_document.h"
#include "fakes/system_code_pages.h"
#include "fakes/xml_walk.h"

namespace k47 {
namespace {

namespace fs = std::filesystem;

fs::path Fixtures()
{
    return fs::path(K47_SOURCE_DIR) / "tests" / "fixtures" / "xml";
}

TEST(XmlFixtures, LanguageLikeFileHasAllItsKeys)
{
    ScopedSeam<ICodePages> pages(&Seams::codePages, &test::SystemCodePages());
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadDocument((Fixtures() / "language_like.xml").u16string()));
    EXPECT_EQ(test::IndexProblem(doc), "");
    EXPECT_EQ(test::LookUpEverything(doc), 180);
    doc.ResetPosition();
    ASSERT_TRUE(doc.FindChildElement(u"config"));
    doc.EnterChild();
    ASSERT_TRUE(doc.FindChildElement(u"str_default_game"));
    EXPECT_EQ(doc.GetChildText(), u"Macro version <23>");
}

TEST(XmlFixtures, RegressionInputsLoad)
{
    ScopedSeam<ICodePages> pages(&Seams::codePages, &test::SystemCodePages());
    XmlDocument doc;
    int files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(Fixtures() / "regressions")) {
        if (!entry.is_regular_file())
            continue;
        ++files;
        SCOPED_TRACE(entry.path().filename().string());
        ASSERT_TRUE(doc.LoadDocument(entry.path().u16string()));
        EXPECT_EQ(test::IndexProblem(doc), "");
        EXPECT_EQ(test::IndexTree(doc), test::ReferenceTree(doc.DocumentText()));
        test::LookUpEverything(doc);
    }
    EXPECT_GT(files, 0);
}

} // namespace
} // namespace k47
