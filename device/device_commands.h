// SPDX-License-Identifier: MIT
#pragma once
// Everything the utility tells the mouse, and the two things it asks. Each
// command clears the feature report, fills it, and keeps the protocol's pauses
// through the link's clock. A command stops at its first failed step.

#include <array>
#include <cstdint>

#include "config/macro_record.h"
#include "device/usb_driver.h"

namespace k47 {

enum : std::uint8_t {
    kCmdReportRate = 0x01,
    kCmdLightSwitch = 0x03,
    kCmdLightColour = 0x0C,
    kCmdLightMode = 0x0D,
    kCmdSensitivity = 0x11,
    kCmdButtonTable = 0x12,
    kCmdMacro = 0x13,
    kCmdVersion = 0x80,
    kCmdState = 0x8B,
};

// Version query: version = answer byte 2 x 10 + byte 3 when byte 1 echoes 0x80.
bool ReadFirmwareVersion(CUSBDriver& usb, int& version);
// State query 0x8B 0x01: value = answer byte 3 when the answer echoes both bytes.
bool ReadDeviceState(CUSBDriver& usb, std::uint8_t& value);

// The report rate as sent: the stored value when it is 1, 2, 4 or 8, else 2.
std::uint8_t ReportRateCode(std::uint32_t storedRate);
bool SetReportRate(CUSBDriver& usb, std::uint32_t storedRate);

// 0x80 when the light is switched on and the mode is not 5 (off), else 0.
std::uint8_t LightSwitchCode(std::uint32_t lightSwitch, std::uint32_t lightMode);
bool SetLightSwitch(CUSBDriver& usb, std::uint32_t lightSwitch, std::uint32_t lightMode);

// colour is a COLORREF (red in the low byte); the device takes green, red, blue.
bool SetLightColour(CUSBDriver& usb, std::uint32_t colour);

struct LightModeBytes {
    std::uint8_t a, b, c;
};
// The mode command's three bytes for a lighting mode and its two levels.
LightModeBytes LightModeFor(std::uint32_t mode, std::uint32_t firstLevel,
                            std::uint32_t secondLevel);
bool SetLightMode(CUSBDriver& usb, LightModeBytes bytes);

using SensitivityTable = std::array<std::uint8_t, 16>;
// The device code of a counts-per-inch value; 0x80 for a value it does not know.
std::uint8_t SensitivityCode(std::uint32_t countsPerInch);
// Two identical halves: L1, L2, L3, 0x80, 0x01, 0x80, 0x80, 0x80.
SensitivityTable BuildSensitivityTable(const std::uint32_t (&dpiLevels)[3]);
bool WriteSensitivityTable(CUSBDriver& usb, const SensitivityTable& table);

constexpr std::size_t kButtonTableSlots = 16;
constexpr std::uint32_t kFixedSlot3Code = 0x00030007;
using ButtonTable = std::array<std::uint32_t, kButtonTableSlots>;
// Places the seven buttons' function codes in their slots, slot 3 fixed, the rest 0.
ButtonTable BuildButtonTable(const std::array<std::uint32_t, 7>& codes);
bool WriteButtonTable(CUSBDriver& usb, const ButtonTable& table);

// Encodes and sends a macro to slot (1-7); a slot above 7 sends nothing. Returns
// the encoding's unit count whether or not the transfer succeeded; sent tells
// whether it did.
std::uint32_t UploadMacro(CUSBDriver& usb, std::uint32_t slot, const MacroRecord& macro,
                          bool* sent = nullptr);
// The function code of a button that plays the macro in slot.
constexpr std::uint32_t MacroFunctionCode(std::uint32_t slot, std::uint32_t units)
{
    return 0x09u | ((slot & 0xFF) << 16) | ((units & 0xFF) << 24);
}

} // namespace k47
