// SPDX-License-Identifier: MIT
#pragma once
// The seven mouse inputs. The index is the same everywhere a button is
// numbered: records, tabs, markers, hint codes, filter codes.

#include <array>
#include <cstddef>
#include <cstdint>

#include "config/function_types.h"

namespace k47 {

constexpr int kButtonLeft = 0;
constexpr int kButtonMiddle = 1; // wheel press
constexpr int kButtonRight = 2;
constexpr int kButtonForward = 3; // forward side button
constexpr int kButtonBack = 4;    // back side button
constexpr int kButtonWheelForward = 5;
constexpr int kButtonWheelBackward = 6;
constexpr std::size_t kButtonCount = 7;

// How the input hook names a button event seen on the PC: the mouse message of
// the left, right and middle buttons; WM_XBUTTONDOWN plus 0x10000 or 0x20000
// for the side buttons; 0x20A00 plus 1 for a positive wheel delta.
constexpr std::uint32_t kFilterLeft = 0x201;
constexpr std::uint32_t kFilterRight = 0x204;
constexpr std::uint32_t kFilterMiddle = 0x207;
constexpr std::uint32_t kFilterBack = 0x1020B;
constexpr std::uint32_t kFilterForward = 0x2020B;
constexpr std::uint32_t kFilterWheelForward = 0x20A01;
constexpr std::uint32_t kFilterWheelBackward = 0x20A00;

struct ButtonInfo {
    std::int32_t defaultType; // function type after restoring defaults
    std::uint32_t nativeCode; // function code of the button's own function
    std::uint32_t filterCode; // the input hook's name for its events
    std::uint8_t deviceSlot;  // slot in the device's 16-slot button table
};

constexpr std::array<ButtonInfo, kButtonCount> kButtons = {{
    {kTypeClick, 0x00F00001, kFilterLeft, 0},
    {kTypeMiddle, 0x00F20001, kFilterMiddle, 2},
    {kTypeMenu, 0x00F10001, kFilterRight, 1},
    {kTypeForward, 0x00F40001, kFilterForward, 5},
    {kTypeBack, 0x00F30001, kFilterBack, 4},
    {kTypeScrollUp, 0x00010004, kFilterWheelForward, 14},
    {kTypeScrollDown, 0x00020004, kFilterWheelBackward, 15},
}};

// The button whose events the hook names by filterCode, or -1 for none.
int ButtonFromFilterCode(std::uint32_t filterCode);

} // namespace k47
