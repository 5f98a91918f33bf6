// SPDX-License-Identifier: MIT
#include "app/model/pc_action.h"

#include <gtest/gtest.h>

#include <cstring>

#include "config/advanced_action.h"
#include "config/button_setting.h"
#include "config/buttons.h"
#include "config/function_types.h"

namespace k47 {
namespace {

class PcActionTest : public ::testing::Test {
protected:
    void SetUp() override { std::memset(&g_ButtonSettings, 0, sizeof(g_ButtonSettings)); }
    void TearDown() override { std::memset(&g_ButtonSettings, 0, sizeof(g_ButtonSettings)); }

    static void Assign(int button, AdvancedAction action, TextView path)
    {
        g_ButtonSettings[button].nType = kTypeAdvanced;
        g_ButtonSettings[button].dwAction = MakeAdvancedActionWord(button, action);
        CopyToField(path, g_ButtonSettings[button].szTarget, kButtonPathUnits);
    }
};

TEST_F(PcActionTest, QuotesFilesAndFoldersWithSpacesOnly)
{
    struct Case {
        AdvancedAction action;
        const char16_t* path;
        PcAction::Kind kind;
        const char16_t* expected;
    };
    const Case cases[] = {
        {AdvancedAction::OpenFolder, u"C:\\My Games", PcAction::Kind::Open, u"\"C:\\My Games\""},
        {AdvancedAction::OpenFile, u"C:\\a b.txt", PcAction::Kind::Open, u"\"C:\\a b.txt\""},
        {AdvancedAction::LaunchProgram, u"C:\\My Games", PcAction::Kind::Open, u"C:\\My Games"},
        {AdvancedAction::OpenFolder, u"C:\\Games", PcAction::Kind::Open, u"C:\\Games"},
        {AdvancedAction::PlaySound, u"C:\\s t.wav", PcAction::Kind::PlaySound, u"C:\\s t.wav"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.path));
        Assign(4, c.action, c.path);
        const PcAction a = DecidePcAction(kFilterBack);
        EXPECT_EQ(a.kind, c.kind);
        EXPECT_EQ(a.path, c.expected);
    }
}

TEST_F(PcActionTest, NothingWithoutAnAdvancedButtonOrPath)
{
    Assign(0, AdvancedAction::LaunchProgram, u"");
    EXPECT_EQ(DecidePcAction(kFilterLeft).kind, PcAction::Kind::None);
    Assign(0, AdvancedAction::LaunchProgram, u"C:\\x.exe");
    g_ButtonSettings[0].nType = kTypeClick;
    EXPECT_EQ(DecidePcAction(kFilterLeft).kind, PcAction::Kind::None);
    EXPECT_EQ(DecidePcAction(0x999).kind, PcAction::Kind::None);
    // An action word no page builds runs nothing.
    g_ButtonSettings[0].nType = kTypeAdvanced;
    g_ButtonSettings[0].dwAction = 0x00B00006;
    EXPECT_EQ(DecidePcAction(kFilterLeft).kind, PcAction::Kind::None);
}

TEST_F(PcActionTest, PathComesFromTheButtonTheWordNames)
{
    Assign(2, AdvancedAction::LaunchProgram, u"C:\\right.exe");
    g_ButtonSettings[5].nType = kTypeAdvanced;
    g_ButtonSettings[5].dwAction = MakeAdvancedActionWord(2, AdvancedAction::LaunchProgram);
    const PcAction a = DecidePcAction(kFilterWheelForward);
    EXPECT_EQ(a.kind, PcAction::Kind::Open);
    EXPECT_EQ(a.path, u"C:\\right.exe");
    // A word naming a button past the seventh runs nothing.
    g_ButtonSettings[5].dwAction = 0x00D90006;
    EXPECT_EQ(DecidePcAction(kFilterWheelForward).kind, PcAction::Kind::None);
}

} // namespace
} // namespace k47
