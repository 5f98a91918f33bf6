// SPDX-License-Identifier: MIT
#include "config/advanced_action.h"

#include <gtest/gtest.h>

#include "config/buttons.h"

namespace k47 {
namespace {

TEST(AdvancedAction, WordRoundTripsEveryButtonAndAction)
{
    const AdvancedAction actions[] = {AdvancedAction::PlaySound, AdvancedAction::LaunchProgram,
                                      AdvancedAction::OpenFile, AdvancedAction::OpenFolder};
    for (int button = 0; button < static_cast<int>(kButtonCount); ++button) {
        for (AdvancedAction action : actions) {
            SCOPED_TRACE(testing::Message() << button << " " << int(action));
            const std::uint32_t word = MakeAdvancedActionWord(button, action);
            AdvancedAction decoded{};
            ASSERT_TRUE(DecodeAdvancedAction(word, &decoded));
            EXPECT_EQ(decoded, action);
            EXPECT_EQ(AdvancedActionButton(word), button);
        }
    }
    EXPECT_EQ(MakeAdvancedActionWord(kButtonBack, AdvancedAction::OpenFolder), 0x00F40006u);
}

TEST(AdvancedAction, WordsNoPageBuildsRunNothing)
{
    for (std::uint32_t word : {0x00000000u, 0x00B00006u, 0x00D00007u, 0x01D00006u, 0x00D0FFFFu}) {
        SCOPED_TRACE(word);
        AdvancedAction action = AdvancedAction::OpenFile;
        EXPECT_FALSE(DecodeAdvancedAction(word, &action));
        EXPECT_EQ(action, AdvancedAction::OpenFile);
    }
}

} // namespace
} // namespace k47
