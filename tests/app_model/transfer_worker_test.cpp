// SPDX-License-Identifier: MIT
// The transfer sequence against the virtual K47, with a clock that never waits
// and surroundings that record what the main window and the dialog would get.
#include "app/model/transfer_worker.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/model/input_hooks.h"
#include "config/button_setting.h"
#include "config/buttons.h"
#include "config/function_types.h"
#include "config/macro_table.h"
#include "config/settings_image.h"
#include "device/device_commands.h"
#include "emu/virtual_bus.h"
#include "fakes/fake_clock.h"

namespace k47 {
namespace {

struct RecordingSurroundings : ITransferSurroundings {
    std::vector<std::string> log; // the calls in order
    std::vector<std::uint32_t> progress;
    bool windowExists = true;
    int locks = 0;
    VirtualBus* bus = nullptr;

    bool MainWindowExists() override { return windowExists; }
    void TakeDialogWindow() override { log.push_back("dialog"); }
    void PostProgress(std::uint32_t value) override { progress.push_back(value); }
    void CloseDialog() override { log.push_back("close"); }
    void PostResult(bool ok) override { log.push_back(ok ? "done" : "failed"); }
    void LockTransfer() override
    {
        ++locks;
        log.push_back("lock");
    }
    void UnlockTransfer() override
    {
        --locks;
        log.push_back("unlock");
    }
    void SetExpectReconnect() override
    {
        // Set before the report-rate command reaches the mouse.
        log.push_back("expect " + std::to_string(bus->State().reportRateWrites));
    }
};

struct RecordingMouseSettings : IWindowsMouseSettings {
    std::vector<std::int32_t> applied;
    void Apply(std::int32_t precision, std::int32_t speed, std::int32_t lines) override
    {
        applied = {precision, speed, lines};
    }
};

class TransferWorkerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillDefaults();
        std::memset(g_MacroTable, 0, sizeof g_MacroTable);
        std::memset(g_ButtonMacroIds, 0, sizeof g_ButtonMacroIds);
        ClearMouseFilter();
    }
    void TearDown() override { SetUp(); }

    void Run()
    {
        bus = std::make_unique<VirtualBus>(options, clock);
        link = std::make_unique<CUSBDriver>(*bus, clock);
        ASSERT_TRUE(link->OpenDevice());
        surroundings.bus = bus.get();
        TransferWorker(*link, surroundings, mouseSettings);
        EXPECT_EQ(surroundings.locks, 0) << "the mutex is let go on every way out";
    }

    // Stores a macro of n key strokes in the table and returns its id.
    std::uint32_t StoreMacro(std::size_t slot, std::uint32_t id, std::uint32_t key)
    {
        MacroRecord& m = g_MacroTable[slot];
        m.Size = 116;
        m.Tag = kMacroTag;
        m.Id = id;
        m.Repeat = 1;
        m.EventCount = 2;
        m.Events[0] = MacroEvent(kMacroEventPress, key);
        m.Events[1] = MacroEvent(kMacroEventRelease, key);
        return id;
    }

    void AssignMacro(int button, std::uint32_t id, bool keptBeside = true)
    {
        g_ButtonSettings[button].nType = kTypeMacro;
        g_ButtonSettings[button].nMacroId = id;
        g_ButtonMacroIds[button] = keptBeside ? id : 0;
    }

    test::FakeClock clock;
    VirtualBusOptions options;
    std::unique_ptr<VirtualBus> bus;
    std::unique_ptr<CUSBDriver> link;
    RecordingSurroundings surroundings;
    RecordingMouseSettings mouseSettings;
};

TEST_F(TransferWorkerTest, DefaultsReachTheMouseInOrder)
{
    Run();
    const K47DeviceState state = bus->State();
    const std::array<std::uint32_t, 16> table = {
        0x00F00001, 0x00F10001, 0x00F20001, 0x00030007, 0x00F30001, 0x00F40001, 0,         0, 0,
        0,          0,          0,          0,          0,          0x00010004, 0x00020004};
    EXPECT_EQ(state.buttonTable, table);
    EXPECT_EQ(state.sensitivity[0], 0x04);
    EXPECT_EQ(state.sensitivity[1], 0x06);
    EXPECT_EQ(state.sensitivity[2], 0x08);
    EXPECT_EQ(state.reportRateWrites, 1u);
    EXPECT_EQ(state.lightColourWrites, 1u);
    EXPECT_EQ(state.lightModeWrites, 1u);
    EXPECT_EQ(state.lightSwitchWrites, 1u);
    EXPECT_EQ(surroundings.progress,
              (std::vector<std::uint32_t>{0, 7, 14, 21, 28, 35, 42, 60, 70, 75, 80, 85, 90, 100}));
    EXPECT_EQ(surroundings.log,
              (std::vector<std::string>{"dialog", "lock", "expect 0", "unlock", "done", "close"}));
    EXPECT_EQ(mouseSettings.applied,
              (std::vector<std::int32_t>{g_PointerPrecision, g_PointerSpeed, g_WheelScrollLines}));

    // The commands go in the fixed order, the report rate last.
    std::vector<std::string> order;
    for (const auto& e : bus->TraceEntries()) {
        if (e.dir == "set_feature" && (order.empty() || order.back() != e.cmd))
            order.push_back(e.cmd);
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"state_query", "button_table", "light_colour", "light_mode",
                                        "light_switch", "sensitivity", "report_rate"}));
}

TEST_F(TransferWorkerTest, ButtonTypesBecomeTheirCodes)
{
    g_ButtonSettings[kButtonBack].nType = kTypeAdvanced;
    g_ButtonSettings[kButtonMiddle].nType = kTypeDisable;
    g_ButtonSettings[kButtonRight].nType = kTypeSnipe;
    g_ButtonSettings[kButtonForward].nType = kTypeCombo;
    g_ButtonSettings[kButtonForward].dwComboCode = 0x00060100;
    Run();
    const auto& table = bus->State().buttonTable;
    EXPECT_EQ(table[kButtons[kButtonBack].deviceSlot], 0x00F30001u) << "its own code";
    EXPECT_TRUE(IsInMouseFilter(kFilterBack));
    EXPECT_EQ(table[kButtons[kButtonMiddle].deviceSlot], 0u);
    EXPECT_EQ(table[kButtons[kButtonRight].deviceSlot], 0u);
    EXPECT_EQ(table[kButtons[kButtonForward].deviceSlot], 0x00060100u);
    EXPECT_FALSE(IsInMouseFilter(kFilterLeft));
}

TEST_F(TransferWorkerTest, MacroButtonsTakeSlotsInButtonOrder)
{
    AssignMacro(kButtonBack, StoreMacro(40, 0x15000123, 'A'));
    AssignMacro(kButtonRight, StoreMacro(3, 0x15000456, 'B'));
    Run();
    const K47DeviceState state = bus->State();
    EXPECT_EQ(state.buttonTable[kButtons[kButtonRight].deviceSlot], MacroFunctionCode(1, 3));
    EXPECT_EQ(state.buttonTable[kButtons[kButtonBack].deviceSlot], MacroFunctionCode(2, 3));
    ASSERT_TRUE(state.macros[1].written && state.macros[2].written);
    EXPECT_EQ(state.macros[1].decoded.events[0], MacroEvent(kMacroEventPress, 'B'));
    EXPECT_EQ(state.macros[2].decoded.events[0], MacroEvent(kMacroEventPress, 'A'));
}

TEST_F(TransferWorkerTest, AfterAProfileSwitchMacrosAreFoundByTheirRecord)
{
    // A switch zeroes the ids kept beside the settings; the records keep theirs.
    AssignMacro(kButtonForward, StoreMacro(7, 0x03000777, 'C'), false);
    Run();
    const K47DeviceState state = bus->State();
    EXPECT_EQ(state.buttonTable[kButtons[kButtonForward].deviceSlot], MacroFunctionCode(1, 3));
    EXPECT_TRUE(state.macros[1].written);
}

TEST_F(TransferWorkerTest, AMissingOrEmptyMacroLeavesItsSlotEmpty)
{
    AssignMacro(kButtonRight, StoreMacro(0, 0x15000001, 'A'));
    AssignMacro(kButtonForward, 0x15009999);                  // not in the table
    AssignMacro(kButtonBack, StoreMacro(9, 0x15000002, 'B')); // then emptied
    g_MacroTable[9].Size = 0;
    g_ButtonSettings[kButtonMiddle].nType = kTypeMacro; // no id at all
    Run();
    const auto& table = bus->State().buttonTable;
    EXPECT_EQ(table[kButtons[kButtonRight].deviceSlot], MacroFunctionCode(1, 3));
    // Never the code of the button before.
    EXPECT_EQ(table[kButtons[kButtonForward].deviceSlot], 0u);
    EXPECT_EQ(table[kButtons[kButtonBack].deviceSlot], 0u);
    EXPECT_EQ(table[kButtons[kButtonMiddle].deviceSlot], 0u);
    EXPECT_EQ(bus->State().macroWrites, 1u);
}

TEST_F(TransferWorkerTest, AFailedButtonTableEndsTheTransferQuietly)
{
    // Feature reports: 1 the state query set, 2 its get, 3 the button table.
    options.faults.failFeatureReports = {3};
    Run();
    const K47DeviceState state = bus->State();
    EXPECT_EQ(state.lightColourWrites + state.sensitivityWrites + state.reportRateWrites, 0u);
    EXPECT_EQ(surroundings.log, (std::vector<std::string>{"dialog", "lock", "unlock", "close"}));
    EXPECT_TRUE(mouseSettings.applied.empty());
}

TEST_F(TransferWorkerTest, ALightingFailureFailsTheTransferButTheRestIsSent)
{
    options.faults.failFeatureReports = {4}; // the colour, after the table
    Run();
    const K47DeviceState state = bus->State();
    EXPECT_EQ(state.lightColourWrites, 0u);
    EXPECT_EQ(state.lightModeWrites, 1u);
    EXPECT_EQ(state.sensitivityWrites, 1u);
    EXPECT_EQ(state.reportRateWrites, 1u);
    EXPECT_EQ(surroundings.log.at(surroundings.log.size() - 2), "failed");
    EXPECT_EQ(surroundings.progress.back(), 90u);
}

TEST_F(TransferWorkerTest, NothingHappensWhenTheMainWindowIsGone)
{
    surroundings.windowExists = false;
    Run();
    EXPECT_TRUE(surroundings.log.empty());
    EXPECT_EQ(bus->State().buttonTableWrites, 0u);
}

} // namespace
} // namespace k47
