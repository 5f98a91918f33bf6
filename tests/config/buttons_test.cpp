// SPDX-License-Identifier: MIT
#include "config/buttons.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(Buttons, FilterCodeNamesEachButtonOnce)
{
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ButtonFromFilterCode(kButtons[i].filterCode), static_cast<int>(i));
    }
    EXPECT_EQ(ButtonFromFilterCode(0x20B), -1); // a side button without its number
    EXPECT_EQ(ButtonFromFilterCode(0), -1);
}

TEST(Buttons, WheelCodesFollowTheDeltaSign)
{
    EXPECT_EQ(ButtonFromFilterCode(0x20A00 + 1), kButtonWheelForward);
    EXPECT_EQ(ButtonFromFilterCode(0x20A00 + 0), kButtonWheelBackward);
    EXPECT_EQ(ButtonFromFilterCode(0x20B + 0x10000), kButtonBack);
    EXPECT_EQ(ButtonFromFilterCode(0x20B + 0x20000), kButtonForward);
}

} // namespace
} // namespace k47
