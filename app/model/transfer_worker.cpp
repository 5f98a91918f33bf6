// SPDX-License-Identifier: MIT
#include "app/model/transfer_worker.h"

#include "app/model/input_hooks.h"
#include "config/button_setting.h"
#include "config/buttons.h"
#include "config/function_catalogue.h"
#include "config/function_types.h"
#include "config/macro_table.h"
#include "config/settings_image.h"
#include "device/device_commands.h"

namespace k47 {
namespace {

// Holds the transfer mutex and lets it go on every way out.
class TransferLock {
public:
    explicit TransferLock(ITransferSurroundings& s) : m_s(s) { m_s.LockTransfer(); }
    ~TransferLock() { Unlock(); }
    TransferLock(const TransferLock&) = delete;
    TransferLock& operator=(const TransferLock&) = delete;
    void Unlock()
    {
        if (m_held)
            m_s.UnlockTransfer();
        m_held = false;
    }

private:
    ITransferSurroundings& m_s;
    bool m_held = true;
};

// The macro a button plays: by the id kept beside the settings, or, when that
// is 0 (as after every profile switch), by the id in the button's record.
// Only a used slot with that id counts, so an id of 0 never finds a free slot.
const MacroRecord* MacroOfButton(int button)
{
    std::uint32_t id = g_ButtonMacroIds[button];
    if (id == 0)
        id = g_ButtonSettings[button].nMacroId;
    if (id == 0)
        return nullptr;
    const int slot = FindMacro(id);
    if (slot < 0 || g_MacroTable[slot].Size == 0)
        return nullptr;
    return &g_MacroTable[slot];
}

} // namespace

bool TransferButtonCode(CUSBDriver& usb, int button, std::uint32_t& slot, std::uint32_t& code)
{
    const ButtonSetting& setting = g_ButtonSettings[button];
    code = 0;
    if (setting.nType == kTypeMacro) {
        // A missing or empty macro leaves the button without a function rather
        // than with the code of the button before it.
        if (const MacroRecord* macro = MacroOfButton(button)) {
            const std::uint32_t units = UploadMacro(usb, slot, *macro);
            usb.Clock().Sleep(50);
            code = MacroFunctionCode(slot, units);
            ++slot;
        }
        return true;
    }
    if (!HasFunctionCode(setting.nType))
        return false;
    code = ButtonFunctionCode(setting, button);
    if (setting.nType == kTypeAdvanced)
        AddMouseFilter(kButtons[button].filterCode);
    return true;
}

void TransferWorker(CUSBDriver& usb, ITransferSurroundings& surroundings,
                    IWindowsMouseSettings& mouseSettings)
{
    std::uint8_t state = 0;
    ReadDeviceState(usb, state);
    if (!surroundings.MainWindowExists())
        return;
    usb.Clock().Sleep(50);
    surroundings.TakeDialogWindow();

    TransferLock lock(surroundings);
    ButtonTable table{};
    ClearMouseFilter();
    std::uint32_t slot = 1;
    for (int button = 0; button < int(kButtonCount); ++button) {
        surroundings.PostProgress(std::uint32_t(7 * button));
        std::uint32_t code = 0;
        if (!TransferButtonCode(usb, button, slot, code))
            continue;
        table[kButtons[button].deviceSlot] = code;
        usb.Clock().Sleep(50);
    }
    table[3] = kFixedSlot3Code;
    if (!WriteButtonTable(usb, table)) {
        lock.Unlock();
        surroundings.CloseDialog();
        return;
    }

    surroundings.PostProgress(60);
    bool ok = SetLightColour(usb, g_LightColour);
    ok =
        SetLightMode(usb, LightModeFor(std::uint32_t(g_LightMode), std::uint32_t(g_LightBrightness),
                                       std::uint32_t(g_LightFrequency))) &&
        ok;

    surroundings.PostProgress(70);
    ok = SetLightSwitch(usb, std::uint32_t(g_LightSwitch), std::uint32_t(g_LightMode)) && ok;

    surroundings.PostProgress(75);
    const std::uint32_t levels[3] = {std::uint32_t(g_DpiLevels[0]), std::uint32_t(g_DpiLevels[1]),
                                     std::uint32_t(g_DpiLevels[2])};
    ok = WriteSensitivityTable(usb, BuildSensitivityTable(levels)) && ok;

    surroundings.PostProgress(80);
    mouseSettings.Apply(g_PointerPrecision, g_PointerSpeed, g_WheelScrollLines);

    surroundings.PostProgress(85);
    surroundings.SetExpectReconnect();
    SetReportRate(usb, std::uint32_t(g_ReportRate));

    surroundings.PostProgress(90);
    lock.Unlock();

    if (ok) {
        surroundings.PostProgress(100);
        usb.Clock().Sleep(300);
        surroundings.PostResult(true);
    } else {
        surroundings.PostResult(false);
    }
    surroundings.CloseDialog();
}

} // namespace k47
