// SPDX-License-Identifier: MIT
#include "app/model/transfer_done.h"

#include "config/button_setting.h"
#include "config/settings_key.h"
#include "config/win_errors.h"
#include "fakes/settings_world.h"

namespace k47 {
namespace {

class TransferDoneTest : public test::SettingsWorld {
protected:
    void SetUp() override
    {
        SettingsWorld::SetUp();
        files.AddFolder(u"C:\\K47\\Profile");
        for (std::size_t i = 0; i < kProfileCount; ++i) {
            g_ProfileList[i].Marker = kProfileMarker;
            CopyToField(ProfilePath(i), g_ProfileList[i].Path, kProfileTextUnits);
        }
        g_ProfileList[1].Active = 1;
        g_CurrentProfile = &g_ProfileList[1];
        FillDefaults();
        for (std::uint32_t i = 0; i < kButtonCount; ++i)
            g_ButtonMacroIds[i] = 0x1500 + i;
    }
};

TEST_F(TransferDoneTest, WritesTheListAndTheCurrentProfile)
{
    RegHandle key = 0;
    ASSERT_EQ(registry.CreateKey(kKey, kSettingsKeyAccess, key), win::kSuccess);
    registry.CloseKey(key);

    EXPECT_TRUE(SaveAfterTransfer());

    for (std::uint32_t i = 0; i < kButtonCount; ++i)
        EXPECT_EQ(g_ProfileList[1].MacroIds[i], 0x1500 + i);
    const auto* list = registry.Find(kKey, kConfigInfoValue);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->type, win::kRegBinary);
    EXPECT_EQ(list->data, Bytes(g_ProfileList, sizeof g_ProfileList));
    const auto* file = files.Contents(ProfilePath(1));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(*file, Bytes(&g_Settings, sizeof g_Settings));
}

TEST_F(TransferDoneTest, AMissingKeyStillSavesTheProfile)
{
    EXPECT_TRUE(SaveAfterTransfer());
    EXPECT_EQ(registry.Find(kKey, kConfigInfoValue), nullptr);
    EXPECT_TRUE(files.Exists(ProfilePath(1)));
}

} // namespace
} // namespace k47
