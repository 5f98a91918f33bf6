// SPDX-License-Identifier: MIT
#include "device/device_commands.h"

#include <cstring>

#include "config/buttons.h"
#include "device/macro_encoder.h"

namespace k47 {
namespace {

// Clears the feature report, puts the command bytes at byte 1 onward, sends it.
bool Send(CUSBDriver& usb, std::initializer_list<std::uint8_t> bytes)
{
    usb.ClearOutFeature();
    std::size_t i = 1;
    for (std::uint8_t b : bytes)
        usb.m_OutFeature[i++] = b;
    return usb.SendFeature();
}

// A query: the command, the protocol's 50 ms, then the answer on the read handle.
bool Ask(CUSBDriver& usb, std::initializer_list<std::uint8_t> bytes)
{
    if (!Send(usb, bytes))
        return false;
    usb.Clock().Sleep(50);
    return usb.QueryFeature();
}

} // namespace

bool ReadFirmwareVersion(CUSBDriver& usb, int& version)
{
    if (!Ask(usb, {kCmdVersion}) || usb.m_InFeature[1] != kCmdVersion)
        return false;
    version = usb.m_InFeature[2] * 10 + usb.m_InFeature[3];
    return true;
}

bool ReadDeviceState(CUSBDriver& usb, std::uint8_t& value)
{
    if (!Ask(usb, {kCmdState, 0x01}) || usb.m_InFeature[1] != kCmdState ||
        usb.m_InFeature[2] != 0x01)
        return false;
    value = usb.m_InFeature[3];
    return true;
}

std::uint8_t ReportRateCode(std::uint32_t storedRate)
{
    switch (storedRate) {
    case 1:
    case 2:
    case 4:
    case 8:
        return std::uint8_t(storedRate);
    default:
        return 2;
    }
}

bool SetReportRate(CUSBDriver& usb, std::uint32_t storedRate)
{
    return Send(usb, {kCmdReportRate, ReportRateCode(storedRate)});
}

std::uint8_t LightSwitchCode(std::uint32_t lightSwitch, std::uint32_t lightMode)
{
    return lightSwitch == 1 && lightMode != 5 ? 0x80 : 0x00;
}

bool SetLightSwitch(CUSBDriver& usb, std::uint32_t lightSwitch, std::uint32_t lightMode)
{
    return Send(usb, {kCmdLightSwitch, 0x90, LightSwitchCode(lightSwitch, lightMode)});
}

bool SetLightColour(CUSBDriver& usb, std::uint32_t colour)
{
    const auto red = std::uint8_t(colour);
    const auto green = std::uint8_t(colour >> 8);
    const auto blue = std::uint8_t(colour >> 16);
    return Send(usb, {kCmdLightColour, 0x01, green, red, blue});
}

LightModeBytes LightModeFor(std::uint32_t mode, std::uint32_t firstLevel, std::uint32_t secondLevel)
{
    switch (mode) {
    case 1:
        if (firstLevel != 0)
            return {1, std::uint8_t(firstLevel), 1};
        return {0, 0, 0};
    case 2:
        return {2, std::uint8_t(secondLevel), 1};
    case 3:
        return {3, 2, 3};
    case 4:
        return {4, 10, 2};
    default:
        return {0, 0, 0};
    }
}

bool SetLightMode(CUSBDriver& usb, LightModeBytes bytes)
{
    return Send(usb, {kCmdLightMode, 0x01, bytes.a, bytes.b, bytes.c});
}

std::uint8_t SensitivityCode(std::uint32_t countsPerInch)
{
    struct Row {
        std::uint32_t cpi;
        std::uint8_t code;
    };
    static constexpr Row kRows[] = {{250, 0x01},  {500, 0x02},  {750, 0x03},  {1000, 0x04},
                                    {1250, 0x05}, {1500, 0x06}, {1750, 0x07}, {2000, 0x08},
                                    {2500, 0x25}, {3000, 0x26}};
    for (const Row& row : kRows) {
        if (row.cpi == countsPerInch)
            return row.code;
    }
    return 0x80;
}

SensitivityTable BuildSensitivityTable(const std::uint32_t (&dpiLevels)[3])
{
    SensitivityTable table{};
    for (std::size_t half = 0; half < 2; ++half) {
        std::uint8_t* p = table.data() + half * 8;
        p[0] = SensitivityCode(dpiLevels[0]);
        p[1] = SensitivityCode(dpiLevels[1]);
        p[2] = SensitivityCode(dpiLevels[2]);
        p[3] = 0x80;
        p[4] = 0x01;
        p[5] = 0x80;
        p[6] = 0x80;
        p[7] = 0x80;
    }
    return table;
}

bool WriteSensitivityTable(CUSBDriver& usb, const SensitivityTable& table)
{
    if (!Send(usb, {kCmdSensitivity, 0x01, 0x03, 0x10, 0x00}))
        return false;
    usb.Clock().Sleep(50);
    std::uint8_t report[kOutputReportSize] = {};
    std::memcpy(report + 1, table.data(), table.size());
    return usb.WriteReport(report);
}

ButtonTable BuildButtonTable(const std::array<std::uint32_t, 7>& codes)
{
    ButtonTable table{};
    for (std::size_t button = 0; button < codes.size(); ++button)
        table[kButtons[button].deviceSlot] = codes[button];
    table[3] = kFixedSlot3Code;
    return table;
}

bool WriteButtonTable(CUSBDriver& usb, const ButtonTable& table)
{
    if (!Send(usb, {kCmdButtonTable, 0x01, 0x00, 0x40, 0x00}))
        return false;
    usb.Clock().Sleep(100);
    std::uint8_t bytes[kButtonTableSlots * 4];
    for (std::size_t slot = 0; slot < kButtonTableSlots; ++slot) {
        for (std::size_t b = 0; b < 4; ++b)
            bytes[slot * 4 + b] = std::uint8_t(table[slot] >> (8 * b));
    }
    return usb.WriteBlocks(bytes, sizeof bytes);
}

std::uint32_t UploadMacro(CUSBDriver& usb, std::uint32_t slot, const MacroRecord& macro, bool* sent)
{
    MacroBuffer buffer;
    const std::uint32_t units = EncodeMacro(macro, buffer);
    bool ok = false;
    if (slot <= 7 && Send(usb, {kCmdMacro, 0x01, std::uint8_t(slot), 0x00, 0x02})) {
        usb.Clock().Sleep(100);
        ok = usb.WriteBlocks(buffer.data(), buffer.size());
    }
    if (sent)
        *sent = ok;
    return units;
}

} // namespace k47
