// SPDX-License-Identifier: MIT
#include "config/settings_image.h"

#include <cstring>

#include "config/function_catalogue.h"

namespace k47 {

SettingsImage g_Settings = {};

// Bound at compile time, so the records are in place before any code runs.
ButtonSetting (&g_ButtonSettings)[kButtonCount] = g_Settings.Buttons;

void FillDefaults()
{
    std::memset(&g_Settings, 0, sizeof g_Settings);
    g_Settings.Magic = kSettingsMagic;
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        ButtonSetting& button = g_Settings.Buttons[i];
        button.nType = kButtons[i].defaultType;
        CopyToField(GetFunctionName(button.nType), button.szName, kButtonNameUnits);
    }
    g_Settings.DpiLevels[0] = 1000;
    g_Settings.DpiLevels[1] = 1500;
    g_Settings.DpiLevels[2] = 2000;
    g_Settings.LiftOffHeight = 96;
    g_Settings.ReportRate = 1;
    g_Settings.LightColour = 0x000000FF;
    g_Settings.LightCustom = 1;
    g_Settings.LightSwitch = 1;
    g_Settings.LightPreset = 0;
    g_Settings.LightMode = 4;
    g_Settings.PointerPrecision = 0;
    g_Settings.PointerSpeed = 10;
    g_Settings.LightBrightness = 5;
    g_Settings.LightFrequency = 3;
    g_Settings.WheelScrollLines = 3;
}

} // namespace k47
