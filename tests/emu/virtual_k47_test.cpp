// SPDX-License-Identifier: MIT
#include "emu/virtual_k47.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace k47 {
namespace {

class VirtualK47Test : public ::testing::Test {
protected:
    // A feature report of the default length: ID 7, then bytes.
    static std::vector<std::uint8_t> Feature(std::initializer_list<std::uint8_t> bytes)
    {
        std::vector<std::uint8_t> report(65, 0);
        report[0] = 7;
        std::copy(bytes.begin(), bytes.end(), report.begin() + 1);
        return report;
    }
    static std::vector<std::uint8_t> Output(const std::uint8_t* data)
    {
        std::vector<std::uint8_t> report(33, 0);
        report[0] = 7;
        std::copy(data, data + 32, report.begin() + 1);
        return report;
    }
    FirmwareReply Set(std::vector<std::uint8_t> report)
    {
        return mouse.SetFeature(report.data(), std::uint32_t(report.size()));
    }
    std::vector<std::uint8_t> Get()
    {
        std::vector<std::uint8_t> report(65, 0);
        report[0] = 7;
        EXPECT_TRUE(mouse.GetFeature(report.data(), 65).ok);
        return report;
    }
    FirmwareReply Send(const std::uint8_t* data)
    {
        auto report = Output(data);
        return mouse.Output(report.data(), 33);
    }

    VirtualK47 mouse{FirmwareOptions{}};
};

TEST_F(VirtualK47Test, QueriesAreAnswered)
{
    ASSERT_TRUE(Set(Feature({0x80})).ok);
    auto answer = Get();
    EXPECT_EQ(answer[1], 0x80);
    EXPECT_EQ(answer[2], 2);
    EXPECT_EQ(answer[3], 5);
    // The answer stays until the next command.
    EXPECT_EQ(Get(), answer);

    ASSERT_TRUE(Set(Feature({0x8B, 0x01})).ok);
    answer = Get();
    EXPECT_EQ(answer[1], 0x8B);
    EXPECT_EQ(answer[2], 0x01);
    EXPECT_EQ(answer[3], 1);

    ASSERT_TRUE(Set(Feature({0x03, 0x90, 0x80})).ok);
    EXPECT_EQ(Get(), Feature({}));
}

TEST_F(VirtualK47Test, ConfigurationCommandsReachTheState)
{
    EXPECT_TRUE(Set(Feature({0x03, 0x90, 0x80})).ok);
    EXPECT_TRUE(Set(Feature({0x0C, 0x01, 0x20, 0x10, 0x30})).ok);
    EXPECT_TRUE(Set(Feature({0x0D, 0x01, 2, 7, 1})).ok);
    FirmwareReply rate = Set(Feature({0x01, 0x08}));
    EXPECT_TRUE(rate.ok);
    EXPECT_TRUE(rate.leaveBus);

    const K47DeviceState& state = mouse.State();
    EXPECT_EQ(state.lightSwitch, 0x80);
    EXPECT_EQ(state.lightColour.red, 0x10);
    EXPECT_EQ(state.lightColour.green, 0x20);
    EXPECT_EQ(state.lightColour.blue, 0x30);
    EXPECT_EQ(state.lightMode, (std::array<std::uint8_t, 3>{2, 7, 1}));
    EXPECT_EQ(state.reportRate, 8);
    EXPECT_EQ(state.commands, 4u);
}

TEST_F(VirtualK47Test, MalformedReportsAreRefused)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> report;
    };
    std::vector<std::uint8_t> wrongId = Feature({0x80});
    wrongId[0] = 8;
    std::vector<std::uint8_t> padded = Feature({0x80});
    padded[64] = 1;
    std::vector<std::uint8_t> shorter = Feature({0x80});
    shorter.pop_back();
    const Case cases[] = {
        {"short", shorter},
        {"other report ID", wrongId},
        {"unknown command", Feature({0x42})},
        {"stale byte after the command", padded},
        {"state query selector", Feature({0x8B, 0x02})},
        {"report rate 3", Feature({0x01, 0x03})},
        {"light switch value", Feature({0x03, 0x90, 0x40})},
        {"light switch selector", Feature({0x03, 0x91, 0x80})},
        {"colour selector", Feature({0x0C, 0x00, 1, 2, 3})},
        {"sensitivity byte 3", Feature({0x11, 0x01, 0x00, 0x10})},
        {"sensitivity length", Feature({0x11, 0x01, 0x03, 0x20})},
        {"button table length", Feature({0x12, 0x01, 0x00, 0x20})},
        {"macro slot 8", Feature({0x13, 0x01, 0x08, 0x00, 0x02})},
        {"macro length", Feature({0x13, 0x01, 0x01, 0x00, 0x01})},
    };
    std::uint32_t rejected = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FirmwareReply reply = Set(c.report);
        EXPECT_FALSE(reply.ok);
        EXPECT_NE(reply.fields.Text().find("\"error\""), std::string::npos);
        EXPECT_EQ(mouse.State().rejectedReports, ++rejected);
    }
    EXPECT_EQ(mouse.State().commands, 0u);
}

TEST_F(VirtualK47Test, DataBlocksAreCollectedFromTheirOutputReports)
{
    std::uint8_t table[64] = {};
    table[0] = 0x01;
    table[2] = 0xF0;
    table[60] = 0x04;
    table[62] = 0x02;
    ASSERT_TRUE(Set(Feature({0x12, 0x01, 0x00, 0x40})).ok);
    FirmwareReply first = Send(table);
    EXPECT_EQ(first.cmd, "button_table");
    EXPECT_EQ(mouse.State().buttonTableWrites, 0u);
    FirmwareReply last = Send(table + 32);
    EXPECT_NE(last.fields.Text().find("\"chunk\":2,\"of\":2,\"buttons\":[\"0x00f00001\""),
              std::string::npos);
    EXPECT_EQ(mouse.State().buttonTable[0], 0x00F00001u);
    EXPECT_EQ(mouse.State().buttonTable[15], 0x00020004u);
    EXPECT_EQ(mouse.State().buttonTableWrites, 1u);

    // Once the block is complete further reports have no command.
    EXPECT_TRUE(Send(table).ok);
    EXPECT_EQ(mouse.State().strayOutputs, 1u);

    std::uint8_t levels[32] = {0x02, 0x04, 0x26, 0x80, 0x01, 0x80, 0x80, 0x80,
                               0x02, 0x04, 0x26, 0x80, 0x01, 0x80, 0x80, 0x80};
    ASSERT_TRUE(Set(Feature({0x11, 0x01, 0x03, 0x10})).ok);
    FirmwareReply sensitivity = Send(levels);
    EXPECT_NE(sensitivity.fields.Text().find("\"cpi\":[500,1000,3000]"), std::string::npos);
    EXPECT_EQ(mouse.State().sensitivity[2], 0x26);
    EXPECT_EQ(mouse.State().sensitivity[15], 0x80);
}

TEST_F(VirtualK47Test, ANewCommandAbandonsAnUnfinishedBlock)
{
    std::uint8_t macro[32] = {0x00, 0x01, 0x06, 0x04, 0x81, 0x04};
    ASSERT_TRUE(Set(Feature({0x13, 0x01, 0x03, 0x00, 0x02})).ok);
    for (int i = 0; i < 15; ++i)
        Send(macro);
    ASSERT_TRUE(Set(Feature({0x80})).ok);
    Send(macro);
    EXPECT_EQ(mouse.State().abandonedTransfers, 1u);
    EXPECT_EQ(mouse.State().macroWrites, 0u);
    EXPECT_FALSE(mouse.State().macros[3].written);

    ASSERT_TRUE(Set(Feature({0x13, 0x01, 0x03, 0x00, 0x02})).ok);
    std::uint8_t zeros[32] = {};
    FirmwareReply first = Send(macro);
    for (int i = 1; i < 16; ++i)
        Send(zeros);
    EXPECT_EQ(first.cmd, "macro");
    const MacroSlotState& slot = mouse.State().macros[3];
    ASSERT_TRUE(slot.written);
    EXPECT_EQ(slot.raw[2], 0x06);
    EXPECT_EQ(slot.decoded.units, 3u);
    EXPECT_EQ(slot.decoded.events.size(), 3u);
}

TEST_F(VirtualK47Test, ARestartForgetsTheAnswerButKeepsTheConfiguration)
{
    ASSERT_TRUE(Set(Feature({0x0C, 0x01, 9, 9, 9})).ok);
    ASSERT_TRUE(Set(Feature({0x80})).ok);
    mouse.Restart();
    EXPECT_EQ(Get(), Feature({}));
    EXPECT_EQ(mouse.State().lightColour.blue, 9);
}

TEST(VirtualK47, VersionsBeyondTheAnswerBytesAreCapped)
{
    FirmwareOptions options;
    options.firmwareVersion = 99999;
    options.reportCount = 2; // too short for the commands: raised to the minimum
    VirtualK47 mouse(options);
    EXPECT_EQ(mouse.Options().reportCount, kMinReportCount);
    std::vector<std::uint8_t> report(kMinReportCount + 1, 0);
    report[0] = 7;
    report[1] = 0x80;
    ASSERT_TRUE(mouse.SetFeature(report.data(), std::uint32_t(report.size())).ok);
    ASSERT_TRUE(mouse.GetFeature(report.data(), std::uint32_t(report.size())).ok);
    EXPECT_EQ(report[2], 255);
    EXPECT_EQ(report[3], 9);
}

} // namespace
} // namespace k47
