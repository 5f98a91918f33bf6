// SPDX-License-Identifier: MIT
#pragma once
// The settings of the current profile: one block that is at once the memory of
// g_Settings, a profile file and an exported file, byte for byte.

#include <cstddef>
#include <cstdint>

#include "config/button_setting.h"
#include "config/buttons.h"

namespace k47 {

constexpr std::uint32_t kSettingsMagic = 0x80800210;
constexpr std::size_t kDpiLevelCount = 7;

struct SettingsImage {
    std::uint32_t Magic;                    // kSettingsMagic
    ButtonSetting Buttons[kButtonCount];    // g_ButtonSettings, button order
    std::int32_t DpiLevels[kDpiLevelCount]; // chosen levels ascending, then zeros
    std::uint8_t Reserved[36];              // zero
    std::int32_t LiftOffHeight;             // slider value 84-111; stored only
    std::int32_t ReportRate;                // 1 = 1000, 2 = 500, 8 = 125 reports per second
    std::uint32_t LightColour;              // COLORREF 0x00BBGGRR
    std::int32_t LightCustom;               // 1 custom colour, 0 a preset
    std::int32_t LightSwitch;               // body lighting, 1 on
    std::int32_t LightPreset;               // preset colour 0-25
    std::int32_t LightMode;                 // 1-5
    std::int32_t PointerPrecision;          // Windows pointer precision enhancement, 0 or 1
    std::int32_t PointerSpeed;              // Windows pointer speed 1-20
    std::int32_t LightBrightness;           // first lighting level 0-10
    std::int32_t LightFrequency;            // second lighting level 0-5
    std::int32_t WheelScrollLines;          // 1-30, or -1 for one screen per notch
};

static_assert(sizeof(SettingsImage) == 22124);
static_assert(alignof(SettingsImage) == 4);
static_assert(offsetof(SettingsImage, Magic) == 0);
static_assert(offsetof(SettingsImage, Buttons) == 4);
static_assert(sizeof(SettingsImage::Buttons) == 22008);
static_assert(offsetof(SettingsImage, DpiLevels) == 22012);
static_assert(sizeof(SettingsImage::DpiLevels) == 28);
static_assert(offsetof(SettingsImage, Reserved) == 22040);
static_assert(offsetof(SettingsImage, LiftOffHeight) == 22076);
static_assert(offsetof(SettingsImage, ReportRate) == 22080);
static_assert(offsetof(SettingsImage, LightColour) == 22084);
static_assert(offsetof(SettingsImage, LightCustom) == 22088);
static_assert(offsetof(SettingsImage, LightSwitch) == 22092);
static_assert(offsetof(SettingsImage, LightPreset) == 22096);
static_assert(offsetof(SettingsImage, LightMode) == 22100);
static_assert(offsetof(SettingsImage, PointerPrecision) == 22104);
static_assert(offsetof(SettingsImage, PointerSpeed) == 22108);
static_assert(offsetof(SettingsImage, LightBrightness) == 22112);
static_assert(offsetof(SettingsImage, LightFrequency) == 22116);
static_assert(offsetof(SettingsImage, WheelScrollLines) == 22120);

// The settings of the current profile for the whole run. The pages edit it in
// place; it reaches the disk through the profile code and the export only.
extern SettingsImage g_Settings;

// The named settings are references into g_Settings, not copies: writing one
// changes the image that is saved and sent. g_ButtonSettings
// (button_setting.h) is g_Settings.Buttons in the same way.
inline std::int32_t (&g_DpiLevels)[kDpiLevelCount] = g_Settings.DpiLevels;
inline std::int32_t& g_LiftOffHeight = g_Settings.LiftOffHeight;
inline std::int32_t& g_ReportRate = g_Settings.ReportRate;
inline std::uint32_t& g_LightColour = g_Settings.LightColour;
inline std::int32_t& g_LightCustom = g_Settings.LightCustom;
inline std::int32_t& g_LightSwitch = g_Settings.LightSwitch;
inline std::int32_t& g_LightPreset = g_Settings.LightPreset;
inline std::int32_t& g_LightMode = g_Settings.LightMode;
inline std::int32_t& g_PointerPrecision = g_Settings.PointerPrecision;
inline std::int32_t& g_PointerSpeed = g_Settings.PointerSpeed;
inline std::int32_t& g_LightBrightness = g_Settings.LightBrightness;
inline std::int32_t& g_LightFrequency = g_Settings.LightFrequency;
inline std::int32_t& g_WheelScrollLines = g_Settings.WheelScrollLines;

// Sets g_Settings to the defaults: all zero, the magic word, each button its
// own function named in the language current now, DPI 1000/1500/2000, report
// rate 1000, red light in mode 4, pointer speed 10, 3 wheel lines.
void FillDefaults();

} // namespace k47
