// SPDX-License-Identifier: MIT
#pragma once
// How the main window meets the mouse leaving and coming back, and the
// settling time after a transfer, decided apart from the window.

#include <cstdint>

#include "config/text.h"

namespace k47 {

// Device notifications about other devices are not the main window's concern.
bool IsK47DeviceName(TextView deviceName);

enum class ArrivalStep {
    Settle,        // the expected return after a report-rate command: start the settle timer
    AnnounceFound, // an unexpected arrival: tell the user the mouse is found
};

enum class RemovalStep {
    CloseLink,   // expected: the mouse restarts after a report-rate command
    AnnounceEnd, // unexpected: tell the user and end the application
};

// Both clear expectReconnect where the return is the awaited one.
ArrivalStep DecideArrival(std::uint32_t& expectReconnect);
RemovalStep DecideRemoval(std::uint32_t expectReconnect);

constexpr std::uint32_t kSettleTimer = 61442;
constexpr std::uint32_t kSettlePauseMs = 3000;
constexpr std::uint32_t kArrivalRetries = 10;
constexpr std::uint32_t kArrivalRetryMs = 2500;

// From a successful transfer until the mouse has been back for the settle
// pause: the apply button and the PC actions rest and the pointer is held
// where it was over the window.
struct SettleState {
    std::uint32_t settling = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
};
extern SettleState g_Settle;

// After WM_SETTING_DONE; hasCursor false when the cursor could not be read,
// which leaves the state as it was.
void BeginSettling(bool hasCursor, std::int32_t x, std::int32_t y);
void EndSettling();

} // namespace k47
