// SPDX-License-Identifier: MIT
// The command set end to end: the link and its commands against the virtual
// K47, checked in the state the mouse ends up with.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "config/buttons.h"
#include "config/function_catalogue.h"
#include "device/device_commands.h"
#include "emu/virtual_bus.h"
#include "fakes/fake_clock.h"

namespace k47 {
namespace {

constexpr std::uint32_t Press(std::uint32_t key)
{
    return MacroEvent(kMacroEventPress, key);
}
constexpr std::uint32_t Release(std::uint32_t key)
{
    return MacroEvent(kMacroEventRelease, key);
}
constexpr std::uint32_t Pause(std::uint32_t ms)
{
    return MacroEvent(kMacroEventPause, ms);
}

std::unique_ptr<MacroRecord> Macro(std::uint32_t repeat, std::vector<std::uint32_t> events)
{
    auto record = std::make_unique<MacroRecord>();
    std::memset(record.get(), 0, sizeof(MacroRecord));
    record->Tag = kMacroTag;
    record->Repeat = repeat;
    record->EventCount = std::uint32_t(events.size());
    std::copy(events.begin(), events.end(), record->Events);
    return record;
}

ButtonTable DefaultButtonTable()
{
    std::array<std::uint32_t, 7> codes{};
    for (std::size_t button = 0; button < kButtonCount; ++button)
        codes[button] = FunctionCodeOfType(kButtons[button].defaultType);
    return BuildButtonTable(codes);
}

class CommandSetTest : public ::testing::Test {
protected:
    bool Start()
    {
        link.reset();
        bus = std::make_unique<VirtualBus>(options, clock);
        link = std::make_unique<CUSBDriver>(*bus, clock);
        return link->OpenDevice();
    }

    std::vector<std::string> Commands(std::string_view dir)
    {
        std::vector<std::string> out;
        for (const auto& entry : bus->TraceEntries()) {
            if (entry.dir == dir)
                out.push_back(entry.cmd);
        }
        return out;
    }

    void ExpectNoLeak()
    {
        link->CloseDevice();
        EXPECT_EQ(bus->OpenHandleCount(), 0u);
        EXPECT_EQ(bus->OutstandingPreparsed(), 0u);
        EXPECT_TRUE(bus->Misuse().empty());
    }

    test::FakeClock clock;
    VirtualBusOptions options;
    std::unique_ptr<VirtualBus> bus;
    std::unique_ptr<CUSBDriver> link;
};

TEST_F(CommandSetTest, TheQueriesReadTheFirmwaresAnswers)
{
    for (std::uint32_t version : {25u, 0u, 109u, 2559u}) {
        SCOPED_TRACE(version);
        options.firmware.firmwareVersion = version;
        options.firmware.stateValue = std::uint8_t(version);
        ASSERT_TRUE(Start());
        int read = -1;
        ASSERT_TRUE(ReadFirmwareVersion(*link, read));
        EXPECT_EQ(read, int(version));
        std::uint8_t state = 0;
        ASSERT_TRUE(ReadDeviceState(*link, state));
        EXPECT_EQ(state, std::uint8_t(version));
    }
    auto gets = bus->TraceEntries();
    ASSERT_EQ(gets.size(), 4u);
    EXPECT_EQ(HexBytes(gets[1].raw.data(), 4), "0780ff09");
}

TEST_F(CommandSetTest, TheDefaultButtonTableArrives)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WriteButtonTable(*link, DefaultButtonTable()));
    K47DeviceState state = bus->State();
    const std::array<std::uint32_t, 16> expected = {
        0x00F00001, 0x00F10001, 0x00F20001, 0x00030007, 0x00F30001, 0x00F40001, 0,         0, 0,
        0,          0,          0,          0,          0,          0x00010004, 0x00020004};
    EXPECT_EQ(state.buttonTable, expected);
    EXPECT_EQ(state.buttonTableWrites, 1u);
    EXPECT_EQ(Commands(trace_dir::kOutput),
              (std::vector<std::string>{"button_table", "button_table"}));
    auto entries = bus->TraceEntries();
    EXPECT_NE(entries.back().line.find("\"buttons\":[\"0x00f00001\",\"0x00f10001\""),
              std::string::npos);
    ExpectNoLeak();
}

TEST_F(CommandSetTest, UploadedMacrosDecodeToTheEventsSent)
{
    struct Case {
        const char* name;
        std::uint32_t slot;
        std::uint32_t repeat;
        std::vector<std::uint32_t> sent;
        std::vector<std::uint32_t> decoded; // pauses come back in the unit they were sent in
    };
    const Case cases[] = {
        {"first pause of 1500 ms", 1, 1, {Pause(1500)}, {Pause(1500)}},
        {"press A, 50 ms, release A",
         2,
         3,
         {Press(0x41), Pause(50), Release(0x41)},
         {Press(0x41), Pause(50), Release(0x41)}},
        {"1271 ms after a key",
         7,
         kMacroSinglePress,
         {Press(0x41), Pause(1271), Release(0x41)},
         {Press(0x41), Pause(1260), Release(0x41)}},
        {"long pauses in 50 and 100 ms",
         3,
         2,
         {Press(0x0D), Pause(2000000), Release(0x0D), Pause(4000000)},
         {Press(0x0D), Pause(2000000), Release(0x0D), Pause(4000000)}},
        // Pauses that cannot ride on the key before them stand alone, so the
        // press stays a press and no other pause grows.
        {"1270 ms after a press",
         4,
         1,
         {Press(0x41), Pause(1270), Release(0x41)},
         {Press(0x41), Pause(1260), Release(0x41)}},
        {"a short pause after a long one",
         5,
         1,
         {Press(0x41), Pause(2000), Pause(50), Release(0x41)},
         {Press(0x41), Pause(2000), Pause(40), Release(0x41)}},
        {"short pauses that overflow together",
         6,
         1,
         {Release(0x41), Pause(700), Pause(700), Press(0x42)},
         {Release(0x41), Pause(700), Pause(700), Press(0x42)}},
        {"a first pause over a minute",
         1,
         1,
         {Pause(70000), Press(0x41)},
         {Pause(70000), Press(0x41)}},
    };
    ASSERT_TRUE(Start());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto macro = Macro(c.repeat, c.sent);
        bool sent = false;
        std::uint32_t units = UploadMacro(*link, c.slot, *macro, &sent);
        ASSERT_TRUE(sent);
        const K47DeviceState state = bus->State();
        const MacroSlotState& slot = state.macros[c.slot];
        ASSERT_TRUE(slot.written);
        EXPECT_EQ(slot.decoded.events, c.decoded);
        EXPECT_EQ(slot.decoded.repeat, std::uint16_t(c.repeat));
        EXPECT_EQ(slot.decoded.units, units);
    }
    EXPECT_EQ(bus->State().macroWrites, 8u);
    ExpectNoLeak();
}

TEST_F(CommandSetTest, AWholeTransferLeavesItsStateAndTraceInOrder)
{
    ASSERT_TRUE(Start());
    auto macro = Macro(1, {Press(0x41), Pause(50), Release(0x41)});
    std::array<std::uint32_t, 7> codes{};
    for (std::size_t button = 0; button < kButtonCount; ++button)
        codes[button] = kButtons[button].nativeCode;
    codes[kButtonForward] = MacroFunctionCode(1, UploadMacro(*link, 1, *macro));
    EXPECT_TRUE(WriteButtonTable(*link, BuildButtonTable(codes)));
    EXPECT_TRUE(SetLightSwitch(*link, 1, 2));
    EXPECT_TRUE(SetLightColour(*link, 0x00302010));
    EXPECT_TRUE(SetLightMode(*link, LightModeFor(2, 0, 6)));
    const std::uint32_t levels[3] = {500, 800, 3000};
    EXPECT_TRUE(WriteSensitivityTable(*link, BuildSensitivityTable(levels)));
    EXPECT_TRUE(SetReportRate(*link, 3));

    K47DeviceState state = bus->State();
    EXPECT_EQ(state.buttonTable[5], 0x03010009u);
    EXPECT_EQ(state.lightSwitch, 0x80);
    EXPECT_EQ(state.lightColour.red, 0x10);
    EXPECT_EQ(state.lightColour.green, 0x20);
    EXPECT_EQ(state.lightColour.blue, 0x30);
    EXPECT_EQ(state.lightMode, (std::array<std::uint8_t, 3>{2, 6, 1}));
    const std::array<std::uint8_t, 16> table = {0x02, 0x80, 0x26, 0x80, 0x01, 0x80, 0x80, 0x80,
                                                0x02, 0x80, 0x26, 0x80, 0x01, 0x80, 0x80, 0x80};
    EXPECT_EQ(state.sensitivity, table);
    EXPECT_EQ(state.reportRate, 2);
    EXPECT_EQ(state.rejectedReports, 0u);
    EXPECT_EQ(state.strayOutputs, 0u);
    EXPECT_EQ(state.abandonedTransfers, 0u);

    EXPECT_EQ(Commands(trace_dir::kSetFeature),
              (std::vector<std::string>{"macro", "button_table", "light_switch", "light_colour",
                                        "light_mode", "sensitivity", "report_rate"}));
    auto entries = bus->TraceEntries();
    EXPECT_EQ(entries.size(), 7u + 16 + 2 + 1 + 1);
    EXPECT_EQ(entries.back().dir, "removed");
    for (const auto& entry : entries) {
        EXPECT_TRUE(entry.ok) << entry.line;
        if (!entry.raw.empty()) {
            EXPECT_EQ(entry.raw[0], 7) << entry.line;
        }
    }
    ExpectNoLeak();
}

TEST_F(CommandSetTest, FaultsGiveFalseResultsAndLeakNothing)
{
    struct Case {
        const char* name;
        VirtualFaults faults;
        std::uint16_t product;
        bool opens;
        bool version;      // ReadFirmwareVersion after opening
        bool buttonTable;  // WriteButtonTable's result
        bool tableArrives; // the table reaches the state
        bool afterwards;   // a later version query
    };
    VirtualFaults none;
    VirtualFaults failSet;
    failSet.failFeatureReports = {1, 2};
    VirtualFaults failGet;
    failGet.failFeatureReports = {2};
    VirtualFaults vanish;
    vanish.vanishAfterCommands = 2;
    VirtualFaults vanishInWrite;
    vanishInWrite.vanishDuringOutput = 1;
    VirtualFaults stall;
    stall.stalledOutputs = {2};
    VirtualFaults absent;
    absent.absentAtStart = true;
    const Case cases[] = {
        {"none", none, 0x6B18, true, true, true, true, true},
        {"a failing set", failSet, 0x6B18, true, false, false, false, true},
        {"a failing get", failGet, 0x6B18, true, false, true, true, true},
        // The writes after the vanishing pass as the link has it; the
        // feature reports tell.
        {"vanishes after two commands", vanish, 0x6B18, true, true, true, false, false},
        {"vanishes during a write", vanishInWrite, 0x6B18, true, true, true, false, false},
        {"a write stays pending", stall, 0x6B18, true, true, true, false, true},
        {"absent", absent, 0x6B18, false, false, false, false, false},
        {"other product", none, 0x6B01, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        options.faults = c.faults;
        options.productId = c.product;
        EXPECT_EQ(Start(), c.opens);
        int version = -1;
        EXPECT_EQ(ReadFirmwareVersion(*link, version), c.version);
        EXPECT_EQ(WriteButtonTable(*link, DefaultButtonTable()), c.buttonTable);
        EXPECT_EQ(bus->State().buttonTableWrites, c.tableArrives ? 1u : 0u);
        EXPECT_EQ(ReadFirmwareVersion(*link, version), c.afterwards);
        ExpectNoLeak();
    }
}

TEST_F(CommandSetTest, AfterTheReportRateTheLinkReopensOnArrival)
{
    options.reconnectDelayMs = 1200;
    ASSERT_TRUE(Start());
    int arrivals = 0;
    bus->SetEventHandler([&](BusEvent event, TextView name) {
        ASSERT_TRUE(ContainsNoCase(name, u"VID_E7A3&PID_6B18"));
        if (event == BusEvent::Removed) {
            link->CloseDevice();
            return;
        }
        ++arrivals;
        int version = 0;
        EXPECT_TRUE(link->OpenDevice());
        EXPECT_TRUE(ReadFirmwareVersion(*link, version));
    });
    EXPECT_TRUE(SetReportRate(*link, 8));
    // A poll timer of the window, driven by the clock.
    for (int tick = 0; tick < 20 && arrivals == 0; ++tick) {
        bus->Poll();
        clock.Advance(100);
    }
    EXPECT_EQ(arrivals, 1);
    EXPECT_EQ(bus->State().reportRate, 8);
    ExpectNoLeak();
}

} // namespace
} // namespace k47
