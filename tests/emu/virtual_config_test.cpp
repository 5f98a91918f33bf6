// SPDX-License-Identifier: MIT
#include "emu/virtual_config.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>

#include "device/device_commands.h"
#include "fakes/fake_clock.h"

namespace k47 {
namespace {

struct Environment {
    std::map<std::string, std::string> values;
    EnvLookup Lookup() const
    {
        return [this](const char* name) -> const char* {
            auto it = values.find(name);
            return it == values.end() ? nullptr : it->second.c_str();
        };
    }
};

TEST(VirtualConfig, OffUnlessTheSwitchIsSet)
{
    Environment env{{{"K47_VIRTUAL_MOUSE_FIRMWARE", "31"}}};
    VirtualMouseConfig config = ReadVirtualMouseConfig(env.Lookup());
    EXPECT_FALSE(config.enabled);
    EXPECT_TRUE(config.warnings.empty());
}

TEST(VirtualConfig, TheSwitchAloneGivesTheStandardMouse)
{
    Environment env{{{"K47_VIRTUAL_MOUSE", " /tmp/trace.jsonl "}}};
    VirtualMouseConfig config = ReadVirtualMouseConfig(env.Lookup());
    ASSERT_TRUE(config.enabled);
    EXPECT_EQ(config.bus.tracePath, "/tmp/trace.jsonl");
    EXPECT_EQ(config.bus.firmware.firmwareVersion, 25u);
    EXPECT_EQ(config.bus.productId, 0x6B18);
    EXPECT_TRUE(config.warnings.empty());

    // Foreign interfaces around the mouse's own; the link still finds it.
    test::FakeClock clock;
    VirtualBus bus(VirtualBusOptions(config.bus), clock);
    CUSBDriver link(bus, clock);
    EXPECT_GT(config.bus.interfaces.size(), 3u);
    EXPECT_TRUE(link.OpenDevice());
}

TEST(VirtualConfig, VariablesSetFirmwareAndFaults)
{
    Environment env{{
        {"K47_VIRTUAL_MOUSE", ""},
        {"K47_VIRTUAL_MOUSE_FIRMWARE", "3.1"},
        {"K47_VIRTUAL_MOUSE_STATE", "4"},
        {"K47_VIRTUAL_MOUSE_REPORT_ID", "9"},
        {"K47_VIRTUAL_MOUSE_REPORT_COUNT", "32"},
        {"K47_VIRTUAL_MOUSE_PRODUCT", "0x6b01"},
        {"K47_VIRTUAL_MOUSE_RECONNECT_MS", "2500"},
        {"K47_VIRTUAL_MOUSE_PENDING_WRITES", "yes"},
        {"K47_VIRTUAL_MOUSE_FAIL_FEATURE", "3, 7"},
        {"K47_VIRTUAL_MOUSE_STALL_OUTPUT", "2"},
        {"K47_VIRTUAL_MOUSE_VANISH_AFTER", "5"},
        {"K47_VIRTUAL_MOUSE_VANISH_DURING_OUTPUT", "6"},
        {"K47_VIRTUAL_MOUSE_NO_RECONNECT", "1"},
        {"K47_VIRTUAL_MOUSE_ABSENT", "TRUE"},
    }};
    VirtualMouseConfig config = ReadVirtualMouseConfig(env.Lookup());
    ASSERT_TRUE(config.enabled);
    EXPECT_TRUE(config.warnings.empty());
    EXPECT_EQ(config.bus.tracePath, "");
    EXPECT_EQ(config.bus.firmware.firmwareVersion, 31u);
    EXPECT_EQ(config.bus.firmware.stateValue, 4);
    EXPECT_EQ(config.bus.firmware.reportId, 9);
    EXPECT_EQ(config.bus.firmware.reportCount, 32);
    EXPECT_EQ(config.bus.productId, 0x6B01);
    EXPECT_EQ(config.bus.reconnectDelayMs, 2500u);
    EXPECT_TRUE(config.bus.pendingWrites);
    EXPECT_EQ(config.bus.faults.failFeatureReports, (std::vector<std::uint32_t>{3, 7}));
    EXPECT_EQ(config.bus.faults.stalledOutputs, (std::vector<std::uint32_t>{2}));
    EXPECT_EQ(config.bus.faults.vanishAfterCommands, 5u);
    EXPECT_EQ(config.bus.faults.vanishDuringOutput, 6u);
    EXPECT_TRUE(config.bus.faults.noReconnect);
    EXPECT_TRUE(config.bus.faults.absentAtStart);
    // The vendor collection carries the configured report.
    bool found = false;
    for (const auto& iface : config.bus.interfaces) {
        for (const auto& value : iface.featureValueCaps)
            found = found || (value.usagePage == 0xFF01 && value.reportId == 9 &&
                              value.reportCount == 32 && iface.attributes.productId == 0x6B01);
    }
    EXPECT_TRUE(found);
}

TEST(VirtualConfig, UnusableValuesAreReportedAndTheDefaultKept)
{
    struct Case {
        const char* variable;
        const char* value;
    };
    const Case cases[] = {
        {"K47_VIRTUAL_MOUSE_FIRMWARE", "two"},       {"K47_VIRTUAL_MOUSE_FIRMWARE", "2.55"},
        {"K47_VIRTUAL_MOUSE_FIRMWARE", "2560"},      {"K47_VIRTUAL_MOUSE_STATE", "256"},
        {"K47_VIRTUAL_MOUSE_REPORT_ID", "0"},        {"K47_VIRTUAL_MOUSE_REPORT_COUNT", "4"},
        {"K47_VIRTUAL_MOUSE_PRODUCT", "6B1G"},       {"K47_VIRTUAL_MOUSE_RECONNECT_MS", "-1"},
        {"K47_VIRTUAL_MOUSE_FAIL_FEATURE", "1,x"},   {"K47_VIRTUAL_MOUSE_STALL_OUTPUT", "0"},
        {"K47_VIRTUAL_MOUSE_NO_RECONNECT", "maybe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.variable) + "=" + c.value);
        Environment env{{{"K47_VIRTUAL_MOUSE", "t.jsonl"}, {c.variable, c.value}}};
        VirtualMouseConfig config = ReadVirtualMouseConfig(env.Lookup());
        ASSERT_EQ(config.warnings.size(), 1u);
        EXPECT_EQ(config.warnings[0].rfind(c.variable, 0), 0u) << config.warnings[0];
        VirtualMouseConfig defaults =
            ReadVirtualMouseConfig(Environment{{{"K47_VIRTUAL_MOUSE", "t.jsonl"}}}.Lookup());
        EXPECT_EQ(config.bus.firmware.firmwareVersion, defaults.bus.firmware.firmwareVersion);
        EXPECT_EQ(config.bus.firmware.reportId, defaults.bus.firmware.reportId);
        EXPECT_EQ(config.bus.firmware.reportCount, defaults.bus.firmware.reportCount);
        EXPECT_EQ(config.bus.productId, defaults.bus.productId);
        EXPECT_EQ(config.bus.reconnectDelayMs, defaults.bus.reconnectDelayMs);
        EXPECT_TRUE(config.bus.faults.failFeatureReports.empty());
        EXPECT_TRUE(config.bus.faults.stalledOutputs.empty());
        EXPECT_FALSE(config.bus.faults.noReconnect);
    }
}

TEST(VirtualConfig, TheTraceFileGetsTheTraffic)
{
    const std::string path = ::testing::TempDir() + "k47_virtual_config_test.jsonl";
    std::remove(path.c_str());
    Environment env{{{"K47_VIRTUAL_MOUSE", path}, {"K47_VIRTUAL_MOUSE_FIRMWARE", "4.2"}}};
    test::FakeClock clock;
    {
        auto bus = MakeVirtualBus(ReadVirtualMouseConfig(env.Lookup()), clock);
        CUSBDriver link(*bus, clock);
        ASSERT_TRUE(link.OpenDevice());
        int version = 0;
        ASSERT_TRUE(ReadFirmwareVersion(link, version));
        EXPECT_EQ(version, 42);
    }
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("{\"dir\":\"set_feature\",\"raw\":\"0780", 0), 0u) << lines[0];
    EXPECT_NE(lines[1].find("\"version\":42"), std::string::npos) << lines[1];
    in.close();
    std::remove(path.c_str());
}

TEST(VirtualConfig, TheBusTracesWarningsAndAnUnopenableFile)
{
    Environment env{{{"K47_VIRTUAL_MOUSE", ::testing::TempDir() + "missing/dir/t.jsonl"},
                     {"K47_VIRTUAL_MOUSE_STATE", "x"}}};
    VirtualMouseConfig config = ReadVirtualMouseConfig(env.Lookup());
    test::FakeClock clock;
    auto bus = MakeVirtualBus(config, clock);
    auto entries = bus->TraceEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].dir, "config_warning");
    EXPECT_NE(entries[0].line.find("cannot be opened"), std::string::npos);
    EXPECT_NE(entries[1].line.find("K47_VIRTUAL_MOUSE_STATE"), std::string::npos);
}

} // namespace
} // namespace k47
