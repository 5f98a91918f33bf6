// SPDX-License-Identifier: MIT
#include "emu/virtual_bus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>

#include "config/win_errors.h"
#include "device/usb_driver.h"
#include "fakes/fake_clock.h"

namespace k47 {
namespace {

HidValueCaps Value(std::uint16_t page, std::uint16_t usage, std::uint8_t id, std::uint16_t count)
{
    HidValueCaps caps;
    caps.usagePage = page;
    caps.usage = usage;
    caps.reportId = id;
    caps.reportCount = count;
    caps.bitSize = 8;
    return caps;
}

// The mouse's vendor collection again, on an interface of its own, carrying
// the feature values given: a decoy the search must pass over.
VirtualInterface Decoy(std::vector<HidValueCaps> values, std::uint32_t instance = 7)
{
    VirtualInterface iface = ForeignInterface(0xE7A3, 0x6B18, instance);
    iface.caps.usagePage = 0xFF01;
    iface.caps.usage = 0x01;
    iface.featureValueCaps = std::move(values);
    iface.ofMouse = true;
    return iface;
}

std::string Joined(const std::vector<std::string>& texts)
{
    std::string out;
    for (const auto& t : texts)
        out += t + "; ";
    return out;
}

class VirtualBusTest : public ::testing::Test {
protected:
    void Start()
    {
        bus = std::make_unique<VirtualBus>(options, clock);
        link = std::make_unique<CUSBDriver>(*bus, clock);
        bus->SetEventHandler([this](BusEvent event, TextView name) {
            events.push_back(event);
            names.emplace_back(name);
        });
    }

    // Sends a command through the link: bytes 1 onward of the feature report.
    bool Command(std::initializer_list<std::uint8_t> bytes)
    {
        link->ClearOutFeature();
        std::copy(bytes.begin(), bytes.end(), link->m_OutFeature + 1);
        return link->SendFeature();
    }

    // Nothing held that the link should have given back, no rule broken.
    void ExpectTidy(std::size_t handles)
    {
        EXPECT_EQ(bus->OpenHandleCount(), handles);
        EXPECT_EQ(bus->OutstandingPreparsed(), 0u);
        EXPECT_FALSE(bus->InterfaceListOpen());
        EXPECT_TRUE(bus->Misuse().empty()) << Joined(bus->Misuse());
    }

    std::vector<TraceEntry> Lines(std::string_view dir)
    {
        std::vector<TraceEntry> out;
        for (auto& entry : bus->TraceEntries()) {
            if (entry.dir == dir)
                out.push_back(entry);
        }
        return out;
    }

    test::FakeClock clock;
    VirtualBusOptions options;
    std::unique_ptr<VirtualBus> bus;
    std::unique_ptr<CUSBDriver> link;
    std::vector<BusEvent> events;
    std::vector<Text> names;
};

TEST_F(VirtualBusTest, OpenDeviceFindsTheVendorCollectionAmongTheOthers)
{
    options.interfaces = K47Interfaces(options.firmware, 0x6B18);
    options.interfaces.insert(options.interfaces.begin(), ForeignInterface(0x046A, 0x0011, 1));
    options.interfaces.push_back(ForeignInterface(0x0B05, 0x1866, 2));
    options.firmware.reportId = 0x2D;
    options.interfaces[3].featureValueCaps[0].reportId = 0x2D;
    Start();

    ASSERT_TRUE(link->OpenDevice());
    EXPECT_EQ(link->m_nReportId, 0x2Du);
    EXPECT_EQ(link->m_nFeatureLength, 64u);
    EXPECT_EQ(link->m_Caps.usagePage, 0xFF01);
    EXPECT_EQ(bus->PrepareOverlappedCalls(), 1u);
    ExpectTidy(2);

    // Opening again closes the pair it holds first.
    ASSERT_TRUE(link->OpenDevice());
    ExpectTidy(2);
    link->CloseDevice();
    ExpectTidy(0);
    EXPECT_EQ(link->m_hRead, kInvalidHidHandle);
    EXPECT_EQ(link->m_hWrite, kInvalidHidHandle);
}

TEST_F(VirtualBusTest, TheSearchPassesOverInterfacesThatDoNotCarryTheReport)
{
    const HidValueCaps good = Value(0xFF01, 0x22, 9, 32);
    struct Case {
        const char* name;
        std::vector<VirtualInterface> decoys; // listed before the mouse's vendor collection
    };
    std::vector<Case> cases;
    {
        VirtualInterface v = Decoy({good});
        v.attributes.vendorId = 0x1234;
        cases.push_back({"wrong vendor", {v}});
        v = Decoy({good});
        v.attributes.productId = 0x6B19;
        cases.push_back({"wrong product", {v}});
    }
    cases.push_back({"no feature values", {Decoy({})}});
    cases.push_back({"other usage page", {Decoy({Value(0xFF00, 0x22, 9, 32)})}});
    cases.push_back({"other usage", {Decoy({Value(0xFF01, 0x21, 9, 32)})}});
    cases.push_back({"report longer than 254", {Decoy({Value(0xFF01, 0x22, 9, 255)})}});
    {
        VirtualInterface v = Decoy({good});
        v.queryOpenFails = true;
        cases.push_back({"cannot be opened", {v}});
        v = Decoy({good});
        v.readOpenFails = true;
        cases.push_back({"cannot be opened for reading", {v}});
        v = Decoy({good});
        v.writeOpenFails = true;
        cases.push_back({"cannot be opened for writing", {v}});
        v = Decoy({good});
        v.preparsedFails = true;
        cases.push_back({"no preparsed data", {v}});
        v = Decoy({good});
        v.capsStatus = kHidpStatusInvalidPreparsedData;
        cases.push_back({"caps refused", {v}});
        v = Decoy({good});
        v.valueCapsStatus = kHidpStatusInvalidPreparsedData;
        cases.push_back({"value caps refused", {v}});
    }
    cases.push_back({"several decoys", {Decoy({}, 1), Decoy({Value(1, 0x48, 2, 1)}, 2)}});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        options.interfaces = K47Interfaces(options.firmware, 0x6B18);
        options.interfaces.insert(options.interfaces.begin(), c.decoys.begin(), c.decoys.end());
        Start();
        ASSERT_TRUE(link->OpenDevice());
        EXPECT_EQ(link->m_nReportId, 7u);
        EXPECT_EQ(link->m_nFeatureLength, 64u);
        EXPECT_TRUE(Command({0x80}));
        ExpectTidy(2);
        link.reset();

        // Without the real one nothing opens, and nothing stays open.
        options.interfaces = c.decoys;
        Start();
        EXPECT_FALSE(link->OpenDevice());
        EXPECT_EQ(link->m_hRead, kInvalidHidHandle);
        EXPECT_EQ(link->m_hWrite, kInvalidHidHandle);
        ExpectTidy(0);
        link.reset();
    }
}

TEST_F(VirtualBusTest, TheFirstMatchingValueSuppliesReportIdAndLength)
{
    struct Case {
        const char* name;
        std::vector<HidValueCaps> values;
    };
    std::vector<HidValueCaps> many(11, Value(0xFF01, 0x23, 3, 16));
    many.push_back(Value(0xFF01, 0x22, 7, 64));
    many.push_back(Value(0xFF01, 0x22, 9, 32));
    const Case cases[] = {
        {"two matches", {Value(0xFF01, 0x22, 7, 64), Value(0xFF01, 0x22, 9, 32)}},
        {"other values first",
         {Value(0xFF01, 0x21, 3, 8), Value(0xFF00, 0x22, 4, 8), Value(0xFF01, 0x22, 7, 64),
          Value(0xFF01, 0x22, 9, 32)}},
        {"an oversized match first", {Value(0xFF01, 0x22, 9, 255), Value(0xFF01, 0x22, 7, 64)}},
        {"more than ten values", many},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        options.interfaces = K47Interfaces(options.firmware, 0x6B18);
        options.interfaces[2].featureValueCaps = c.values;
        Start();
        ASSERT_TRUE(link->OpenDevice());
        EXPECT_EQ(link->m_nReportId, 7u);
        EXPECT_EQ(link->m_nFeatureLength, 64u);
        EXPECT_TRUE(Command({0x80}));
        ExpectTidy(2);
        link.reset();
    }
}

TEST_F(VirtualBusTest, FeatureReportsFollowTheDevicesIdAndLength)
{
    options.firmware.reportId = 0x11;
    options.firmware.reportCount = 200;
    options.firmware.firmwareVersion = 37;
    Start();
    ASSERT_TRUE(link->OpenDevice());
    ASSERT_TRUE(Command({0x80}));
    ASSERT_TRUE(link->QueryFeature());
    EXPECT_EQ(link->m_InFeature[0], 0x11);
    EXPECT_EQ(link->m_InFeature[1], 0x80);
    EXPECT_EQ(link->m_InFeature[2], 3);
    EXPECT_EQ(link->m_InFeature[3], 7);

    auto sets = Lines(trace_dir::kSetFeature);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].raw.size(), 201u);
    EXPECT_EQ(sets[0].raw[0], 0x11);
    auto gets = Lines(trace_dir::kGetFeature);
    ASSERT_EQ(gets.size(), 1u);
    EXPECT_EQ(gets[0].cmd, "version_query");
    EXPECT_NE(gets[0].line.find("\"version\":37"), std::string::npos);
}

TEST_F(VirtualBusTest, TransfersOnAClosedLinkFail)
{
    options.faults.absentAtStart = true;
    Start();
    EXPECT_FALSE(link->OpenDevice());
    EXPECT_FALSE(Command({0x80}));
    EXPECT_FALSE(link->QueryFeature());
    std::uint8_t report[kOutputReportSize] = {};
    // A write on an invalid handle fails with a non-zero error, which the
    // link lets pass; the firmware never sees it.
    link->WriteReport(report);
    EXPECT_EQ(bus->State().strayOutputs, 0u);
    ExpectTidy(0);
}

TEST_F(VirtualBusTest, PresenceFollowsTheProductTheMouseShows)
{
    struct Case {
        const char* name;
        std::uint16_t product;
        bool absent;
        bool present6B18;
        bool present6B01;
        bool opens;
    };
    const Case cases[] = {
        {"normal", 0x6B18, false, true, false, true},
        {"other mode", 0x6B01, false, false, true, false},
        {"absent", 0x6B18, true, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        options.productId = c.product;
        options.faults.absentAtStart = c.absent;
        Start();
        EXPECT_EQ(IsUsbDevicePresent(*bus, u"VID_E7A3&PID_6B18"), c.present6B18);
        EXPECT_EQ(IsUsbDevicePresent(*bus, u"vid_e7a3&pid_6b01"), c.present6B01);
        EXPECT_TRUE(IsUsbDevicePresent(*bus, u"ROOT_HUB30"));
        EXPECT_EQ(link->OpenDevice(), c.opens);
        ExpectTidy(c.opens ? 2 : 0);
        link.reset();
    }
}

TEST_F(VirtualBusTest, APluggedMouseArrivesAndIsAnnounced)
{
    options.faults.absentAtStart = true;
    Start();
    ASSERT_FALSE(link->OpenDevice());
    bus->Plug();
    EXPECT_TRUE(events.empty()); // announced by Poll only
    bus->Poll();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], BusEvent::Arrived);
    EXPECT_TRUE(ContainsNoCase(names[0], u"VID_E7A3&PID_6B18"));
    EXPECT_TRUE(link->OpenDevice());
    ExpectTidy(2);
}

TEST_F(VirtualBusTest, TheMouseLeavesAfterAReportRateCommandAndComesBack)
{
    options.reconnectDelayMs = 800;
    Start();
    ASSERT_TRUE(link->OpenDevice());
    ASSERT_TRUE(Command({0x01, 0x02}));
    EXPECT_EQ(bus->State().reportRate, 2);

    auto entries = bus->TraceEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].cmd, "report_rate");
    EXPECT_NE(entries[0].line.find("\"rate\":2,\"reports_per_second\":500"), std::string::npos);
    EXPECT_EQ(entries[1].dir, "removed");

    bus->Poll();
    ASSERT_EQ(events, std::vector<BusEvent>{BusEvent::Removed});
    EXPECT_TRUE(ContainsNoCase(names[0], u"VID_E7A3&PID_6B18"));
    EXPECT_EQ(bus->MillisecondsUntilNextEvent(), std::optional<std::uint32_t>(800));

    // The old handles are dead, and the mouse is not there to be opened.
    EXPECT_FALSE(Command({0x80}));
    EXPECT_FALSE(link->QueryFeature());
    EXPECT_FALSE(link->OpenDevice());
    EXPECT_FALSE(IsUsbDevicePresent(*bus, u"VID_E7A3&PID_6B18"));

    clock.Advance(799);
    bus->Poll();
    EXPECT_EQ(events.size(), 1u);
    EXPECT_EQ(bus->MillisecondsUntilNextEvent(), std::optional<std::uint32_t>(1));
    clock.Advance(1);
    EXPECT_EQ(bus->MillisecondsUntilNextEvent(), std::optional<std::uint32_t>(0));
    bus->Poll();
    ASSERT_EQ(events, (std::vector<BusEvent>{BusEvent::Removed, BusEvent::Arrived}));
    EXPECT_FALSE(bus->MillisecondsUntilNextEvent().has_value());
    EXPECT_EQ(Lines(trace_dir::kArrived).size(), 1u);

    ASSERT_TRUE(link->OpenDevice());
    EXPECT_TRUE(Command({0x80}));
    EXPECT_EQ(bus->State().reportRate, 2); // kept across the restart
    ExpectTidy(2);
}

TEST_F(VirtualBusTest, TheArrivalHandlerMayReopenTheLink)
{
    options.reconnectDelayMs = 0;
    Start();
    bool reopened = false;
    bus->SetEventHandler([&](BusEvent event, TextView) {
        if (event == BusEvent::Removed)
            link->CloseDevice();
        else
            reopened = link->OpenDevice();
    });
    ASSERT_TRUE(link->OpenDevice());
    ASSERT_TRUE(Command({0x01, 0x08}));
    bus->Poll();
    EXPECT_TRUE(reopened);
    ExpectTidy(2);
}

TEST_F(VirtualBusTest, AMouseThatDoesNotComeBackStaysAway)
{
    options.faults.noReconnect = true;
    Start();
    ASSERT_TRUE(link->OpenDevice());
    ASSERT_TRUE(Command({0x01, 0x01}));
    clock.Advance(600000);
    bus->Poll();
    EXPECT_EQ(events, std::vector<BusEvent>{BusEvent::Removed});
    EXPECT_FALSE(bus->MillisecondsUntilNextEvent().has_value());
    EXPECT_FALSE(link->OpenDevice());
    ExpectTidy(0);
}

TEST_F(VirtualBusTest, AnInjectedFeatureFaultFailsThatReportOnly)
{
    options.faults.failFeatureReports = {2, 4};
    Start();
    ASSERT_TRUE(link->OpenDevice());
    EXPECT_TRUE(Command({0x80}));
    EXPECT_FALSE(link->QueryFeature());
    EXPECT_TRUE(Command({0x0C, 0x01, 1, 2, 3}));
    EXPECT_FALSE(Command({0x0C, 0x01, 4, 5, 6}));
    EXPECT_TRUE(link->QueryFeature());

    K47DeviceState state = bus->State();
    EXPECT_EQ(state.lightColourWrites, 1u);
    EXPECT_EQ(state.lightColour.green, 1);
    auto sets = Lines(trace_dir::kSetFeature);
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_FALSE(sets[2].ok);
    EXPECT_NE(sets[2].line.find("injected fault"), std::string::npos);
    ExpectTidy(2);
}

TEST_F(VirtualBusTest, AStalledWriteIsCancelledAfterTheWait)
{
    options.faults.stalledOutputs = {1};
    Start();
    ASSERT_TRUE(link->OpenDevice());
    ASSERT_TRUE(Command({0x11, 0x01, 0x03, 0x10}));
    std::uint8_t report[kOutputReportSize] = {};
    report[1] = 0x02;
    clock.ClearSleeps();
    // The link passes a timed-out write as written.
    EXPECT_TRUE(link->WriteReport(report));
    EXPECT_EQ(clock.Sleeps(), (std::vector<std::uint32_t>{50, 1500}));
    EXPECT_EQ(link->m_dwWritten, 0u);
    EXPECT_EQ(bus->State().sensitivityWrites, 0u);
    auto outputs = Lines(trace_dir::kOutput);
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_FALSE(outputs[0].ok);
    EXPECT_NE(outputs[0].line.find("\"waited_ms\":1500"), std::string::npos);

    // The next write goes through, and the firmware still waits for its data.
    EXPECT_TRUE(link->WriteReport(report));
    EXPECT_EQ(bus->State().sensitivityWrites, 1u);
    ExpectTidy(2);
}

TEST_F(VirtualBusTest, PendingWritesCompleteWithinTheWait)
{
    options.pendingWrites = true;
    Start();
    ASSERT_TRUE(link->OpenDevice());
    ASSERT_TRUE(Command({0x12, 0x01, 0x00, 0x40}));
    std::uint8_t table[64] = {};
    table[0] = 0x01;
    clock.ClearSleeps();
    EXPECT_TRUE(link->WriteBlocks(table, sizeof table));
    EXPECT_EQ(clock.TotalSlept(), 200u);
    EXPECT_EQ(link->m_dwWritten, 33u);
    EXPECT_EQ(bus->State().buttonTable[0], 1u);
    ExpectTidy(2);
}

TEST_F(VirtualBusTest, AMouseThatVanishesAfterSomeCommandsFailsWhatFollows)
{
    options.faults.vanishAfterCommands = 2;
    Start();
    ASSERT_TRUE(link->OpenDevice());
    EXPECT_TRUE(Command({0x03, 0x90, 0x80}));
    EXPECT_TRUE(Command({0x12, 0x01, 0x00, 0x40}));
    std::uint8_t table[64] = {};
    // Writes to a device that is gone end with an error other than 0, which
    // the link lets pass; the feature reports tell.
    link->WriteBlocks(table, sizeof table);
    EXPECT_FALSE(Command({0x80}));
    EXPECT_FALSE(link->QueryFeature());

    EXPECT_EQ(bus->State().buttonTableWrites, 0u);
    auto outputs = Lines(trace_dir::kOutput);
    ASSERT_EQ(outputs.size(), 2u);
    EXPECT_FALSE(outputs[0].ok);
    EXPECT_NE(outputs[0].line.find("\"last_error\":1167"), std::string::npos);
    bus->Poll();
    EXPECT_EQ(events, std::vector<BusEvent>{BusEvent::Removed});
    clock.Advance(600000);
    EXPECT_FALSE(link->OpenDevice());
    ExpectTidy(0);

    // Plugged in again it stays.
    bus->Plug();
    ASSERT_TRUE(link->OpenDevice());
    EXPECT_TRUE(Command({0x80}));
    EXPECT_TRUE(Command({0x80}));
    ExpectTidy(2);
}

TEST_F(VirtualBusTest, AMouseThatVanishesDuringAWriteEndsItFailed)
{
    options.faults.vanishDuringOutput = 2;
    Start();
    ASSERT_TRUE(link->OpenDevice());
    ASSERT_TRUE(Command({0x13, 0x01, 0x01, 0x00, 0x02}));
    std::vector<std::uint8_t> macro(512, 0);
    link->WriteBlocks(macro.data(), macro.size());

    auto outputs = Lines(trace_dir::kOutput);
    ASSERT_EQ(outputs.size(), 16u);
    EXPECT_TRUE(outputs[0].ok);
    EXPECT_FALSE(outputs[1].ok);
    EXPECT_NE(outputs[1].line.find("left while the write was in flight"), std::string::npos);
    EXPECT_EQ(bus->State().macroWrites, 0u);
    EXPECT_EQ(bus->State().abandonedTransfers, 1u);
    EXPECT_FALSE(Command({0x80}));
    link->CloseDevice();
    ExpectTidy(0);
}

TEST_F(VirtualBusTest, HandlesOutliveTheMouseUntilClosed)
{
    Start();
    ASSERT_TRUE(link->OpenDevice());
    bus->Unplug();
    EXPECT_EQ(bus->OpenHandleCount(), 2u);
    EXPECT_FALSE(Command({0x80}));
    link->CloseDevice();
    ExpectTidy(0);
    bus->Plug();
    ASSERT_TRUE(link->OpenDevice());
    EXPECT_TRUE(Command({0x80}));
    bus->Poll();
    EXPECT_EQ(events, (std::vector<BusEvent>{BusEvent::Removed, BusEvent::Arrived}));
}

TEST_F(VirtualBusTest, HidRulesBrokenByACallerAreReported)
{
    Start();
    bus->CloseHandle(0x1234);
    bus->FreePreparsedData(0x99);
    std::uint32_t written = 0;
    EXPECT_EQ(bus->FinishPendingWrite(0x1234, 1500, written), PendingWriteEnd::Failed);
    EXPECT_EQ(bus->Misuse().size(), 3u);
}

TEST_F(VirtualBusTest, FeatureReportsNeedTheirHandle)
{
    Start();
    ASSERT_TRUE(link->OpenDevice());
    // A read handle cannot set, a write handle cannot get.
    link->ClearOutFeature();
    link->m_OutFeature[0] = 7;
    link->m_OutFeature[1] = 0x80;
    EXPECT_FALSE(bus->SetFeature(link->m_hRead, link->m_OutFeature, 65));
    EXPECT_FALSE(bus->GetFeature(link->m_hWrite, link->m_InFeature, 65));
    EXPECT_TRUE(bus->SetFeature(link->m_hWrite, link->m_OutFeature, 65));
    // A wrong length is refused.
    EXPECT_FALSE(bus->SetFeature(link->m_hWrite, link->m_OutFeature, 64));
}

} // namespace
} // namespace k47
