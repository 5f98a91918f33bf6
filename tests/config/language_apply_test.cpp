// SPDX-License-Identifier: MIT
#include "config/language_apply.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/chinese_ui.h"
#include "config/code_pages.h"
#include "config/lang_text.h"
#include "config/language_registry.h"
#include "config/language_table.h"
#include "config/language_window.h"
#include "config/registry.h"
#include "config/seams.h"
#include "fakes/memory_registry.h"
#include "fakes/recording_message_box.h"
#include "fakes/scratch_folder.h"
#include "fakes/system_code_pages.h"

namespace k47 {
namespace {

class FakeLanguageWindow : public ILanguageWindow {
public:
    bool HasLanguageMenu() override { return menuOpen; }
    void ShowLanguagePicture(std::uint16_t flagBitmap) override { pictures.push_back(flagBitmap); }
    void CloseLanguageMenu() override
    {
        ++closeCalls;
        menuOpen = false;
    }

    bool menuOpen = false;
    std::vector<std::uint16_t> pictures;
    int closeCalls = 0;
};

// An application folder whose every language file names itself in its title.
class LanguageApplyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const LanguageRow& row : kLanguageTable) {
            std::string name = ToUtf8(row.file);
            ASSERT_TRUE(folder.Write(row.file, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                                               "<language><config><str_program_title>" +
                                                   name +
                                                   "</str_program_title></config></language>"));
        }
        g_ChineseUI = 1;
    }
    void TearDown() override
    {
        for (auto& text : LangText)
            text.clear();
        g_ChineseUI = 1;
    }

    const test::MemoryRegistry::Value* Saved() const
    {
        return registry.Find(kLanguageKeyPath, kLanguageValueName);
    }

    test::MemoryRegistry registry;
    test::RecordingMessageBox boxes;
    ScopedSeam<IRegistry> registrySeam{&Seams::registry, &registry};
    ScopedSeam<IMessageBox> boxSeam{&Seams::messages, &boxes};
    ScopedSeam<ICodePages> codePages{&Seams::codePages, &test::SystemCodePages()};
    test::ScratchFolder folder;
    FakeLanguageWindow window;
};

TEST_F(LanguageApplyTest, ChoosingFromTheMenuAppliesTheRow)
{
    struct Case {
        std::int32_t index;
        int chineseUI;
        Text title; // the file that was loaded
        std::uint16_t bitmap;
    } cases[] = {
        {1, 1, u"Language\\sc.xml", 173},   {2, 0, u"Language\\en.xml", 174},
        {3, 0, u"Language\\fre.xml", 175},  {4, 0, u"Language\\kor.xml", 176},
        {5, 0, u"Language\\ger.xml", 177},  {6, 0, u"Language\\ita.xml", 178},
        {7, 0, u"Language\\span.xml", 179}, {8, 0, u"Language\\dutch.xml", 180},
        {9, 0, u"Language\\pt.xml", 181},   {10, 0, u"Language\\rus.xml", 182},
        {11, 0, u"Language\\ukr.xml", 183}, {12, 1, u"Language\\tw.xml", 184},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        g_ChineseUI = 1 - c.chineseUI;
        window.menuOpen = true;
        window.pictures.clear();

        EXPECT_EQ(ApplyLanguage(window, folder.Path(), 0, c.index), 0);
        EXPECT_EQ(g_ChineseUI, c.chineseUI);
        EXPECT_EQ(LangTextOf("str_program_title"), c.title);
        EXPECT_EQ(window.pictures, std::vector<std::uint16_t>{c.bitmap});
        EXPECT_FALSE(window.menuOpen);
        EXPECT_EQ(ReadLanguageIndex(), c.index);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(LanguageApplyTest, StartUpAppliesTheSavedIndexWithoutAMenu)
{
    EXPECT_EQ(ApplyLanguage(window, folder.Path(), kApplyOnInitWParam, 10), 0);
    EXPECT_EQ(g_ChineseUI, 0);
    EXPECT_EQ(LangTextOf("str_program_title"), u"Language\\rus.xml");
    EXPECT_EQ(window.pictures, std::vector<std::uint16_t>{182});
    EXPECT_EQ(ReadLanguageIndex(), 10);
}

TEST_F(LanguageApplyTest, IgnoredWithoutMenuOrWithIndexZero)
{
    struct Case {
        const char* name;
        bool menuOpen;
        std::uintptr_t wParam;
        std::int32_t index;
    } cases[] = {
        {"no menu, sent by another", false, 0, 2},
        {"no menu, other wParam", false, 273, 2},
        {"index 0 from the menu", true, 0, 0},
        {"index 0 at start-up", false, kApplyOnInitWParam, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetLangText("str_program_title", u"start-up");
        window.menuOpen = c.menuOpen;
        EXPECT_EQ(ApplyLanguage(window, folder.Path(), c.wParam, c.index), 0);
        EXPECT_EQ(g_ChineseUI, 1);
        EXPECT_EQ(LangTextOf("str_program_title"), u"start-up");
        EXPECT_TRUE(window.pictures.empty());
        EXPECT_EQ(window.menuOpen, c.menuOpen);
        EXPECT_EQ(window.closeCalls, 0);
        EXPECT_EQ(Saved(), nullptr);
    }
}

TEST_F(LanguageApplyTest, IndexOutOfRangeClearsChineseAndIsSavedAsItIs)
{
    for (std::int32_t index : {13, -1, 272, 0x7FFFFFFF}) {
        SCOPED_TRACE(index);
        g_ChineseUI = 1;
        SetLangText("str_program_title", u"start-up");
        window.menuOpen = true;
        EXPECT_EQ(ApplyLanguage(window, folder.Path(), 0, index), 0);
        EXPECT_EQ(g_ChineseUI, 0);
        EXPECT_EQ(LangTextOf("str_program_title"), u"start-up");
        EXPECT_TRUE(window.pictures.empty());
        EXPECT_FALSE(window.menuOpen);
        EXPECT_EQ(ReadLanguageIndex(), index);
    }
}

TEST_F(LanguageApplyTest, MissingFileEmptiesTheTextsButStillApplies)
{
    ASSERT_TRUE(folder.Remove(u"Language\\fre.xml"));
    SetLangText("str_program_title", u"start-up");
    EXPECT_EQ(ApplyLanguage(window, folder.Path(), kApplyOnInitWParam, 3), 0);
    EXPECT_EQ(g_ChineseUI, 0);
    EXPECT_TRUE(LangTextOf("str_program_title").empty());
    EXPECT_EQ(window.pictures, std::vector<std::uint16_t>{175});
    EXPECT_EQ(ReadLanguageIndex(), 3);
}

TEST_F(LanguageApplyTest, UnsavableChoiceStaysAppliedForThisRun)
{
    registry.FailOpen(kLanguageKeyPath, win::kAccessDenied);
    registry.FailCreate(kLanguageKeyPath, win::kAccessDenied);
    window.menuOpen = true;
    EXPECT_EQ(ApplyLanguage(window, folder.Path(), 0, 12), 0);
    EXPECT_EQ(g_ChineseUI, 1);
    EXPECT_EQ(LangTextOf("str_program_title"), u"Language\\tw.xml");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, u"Reg_SaveData Create key failed, error: 0x5");
    EXPECT_EQ(Saved(), nullptr);
    EXPECT_FALSE(window.menuOpen);
}

} // namespace
} // namespace k47
