// SPDX-License-Identifier: MIT
// The link's transfer rules against a host that answers each write as told.
#include "device/usb_driver.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "config/win_errors.h"
#include "fakes/fake_clock.h"

namespace k47 {
namespace {

class ScriptedHost : public IHidHost {
public:
    struct WriteAnswer {
        bool completed;
        std::int32_t lastError;
    };
    std::deque<WriteAnswer> answers; // empty: complete at once
    std::vector<std::vector<std::uint8_t>> writes;
    std::vector<std::uint32_t> pendingWaits;
    std::vector<std::vector<std::uint8_t>> features;

    bool OpenInterfaceList() override { return false; }
    InterfaceResult GetInterface(std::uint32_t, Text&) override { return InterfaceResult::NoMore; }
    void CloseInterfaceList() override {}
    HidHandle OpenPath(TextView, HidOpenMode) override { return kInvalidHidHandle; }
    void CloseHandle(HidHandle) override {}
    bool GetAttributes(HidHandle, HidAttributes&) override { return false; }
    bool GetPreparsedData(HidHandle, HidPreparsed&) override { return false; }
    void FreePreparsedData(HidPreparsed) override {}
    std::int32_t GetCaps(HidPreparsed, HidCaps&) override { return kHidpStatusSuccess; }
    std::int32_t GetFeatureValueCaps(HidPreparsed, HidValueCaps*, std::uint16_t&) override
    {
        return kHidpStatusSuccess;
    }
    void PrepareOverlapped() override {}
    bool SetFeature(HidHandle handle, const std::uint8_t* report, std::uint32_t length) override
    {
        if (handle == kInvalidHidHandle)
            return false;
        features.emplace_back(report, report + length);
        return true;
    }
    bool GetFeature(HidHandle handle, std::uint8_t*, std::uint32_t) override
    {
        return handle != kInvalidHidHandle;
    }
    bool WriteOutput(HidHandle handle, const std::uint8_t* data, std::uint32_t length,
                     std::uint32_t& written, std::int32_t& lastError) override
    {
        if (handle == kInvalidHidHandle) {
            lastError = win::kInvalidHandle;
            return false;
        }
        writes.emplace_back(data, data + length);
        WriteAnswer a = answers.empty() ? WriteAnswer{true, 0} : answers.front();
        if (!answers.empty())
            answers.pop_front();
        written = a.completed ? length : 0;
        lastError = a.lastError;
        return a.completed;
    }
    PendingWriteEnd FinishPendingWrite(HidHandle, std::uint32_t timeoutMs, std::uint32_t&) override
    {
        pendingWaits.push_back(timeoutMs);
        return PendingWriteEnd::Cancelled;
    }
    std::vector<Text> UsbHardwareIds() override
    {
        return {u"USB\\VID_046D&PID_C077&REV_7200", u"usb\\vid_e7a3&pid_6b01&rev_0100"};
    }
};

class UsbDriverTest : public ::testing::Test {
protected:
    ScriptedHost host;
    test::FakeClock clock;
    CUSBDriver usb{host, clock};

    void OpenAs(std::uint8_t reportId, std::uint32_t length)
    {
        usb.m_hRead = 1;
        usb.m_hWrite = 2;
        usb.m_nReportId = reportId;
        usb.m_nFeatureLength = length;
    }
};

TEST_F(UsbDriverTest, WriteReportOutcomes)
{
    struct Case {
        const char* name;
        ScriptedHost::WriteAnswer answer;
        bool result;
        std::size_t waits;
    } cases[] = {
        {"completed at once", {true, 0}, true, 0},
        {"pending is waited for, then passes", {false, win::kIoPending}, true, 1},
        {"another error passes", {false, win::kGenFailure}, true, 0},
        {"a last error of 0 fails", {false, 0}, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host = ScriptedHost{};
        clock.ClearSleeps();
        OpenAs(7, 64);
        host.answers.push_back(c.answer);
        std::uint8_t report[kOutputReportSize] = {0xEE, 1, 2, 3};
        EXPECT_EQ(usb.WriteReport(report), c.result);
        ASSERT_EQ(host.writes.size(), 1u);
        EXPECT_EQ(host.writes[0].size(), kOutputReportSize);
        EXPECT_EQ(host.writes[0][0], 7) << "byte 0 is the report ID";
        EXPECT_EQ(host.pendingWaits.size(), c.waits);
        if (c.waits) {
            EXPECT_EQ(host.pendingWaits[0], kPendingWriteWaitMs);
        }
        EXPECT_EQ(clock.Sleeps(), std::vector<std::uint32_t>{50});
    }
}

TEST_F(UsbDriverTest, WriteBlocksSendsChunksWithTheirPauses)
{
    OpenAs(5, 64);
    std::uint8_t data[96];
    for (std::size_t i = 0; i < sizeof data; ++i)
        data[i] = std::uint8_t(i);
    EXPECT_TRUE(usb.WriteBlocks(data, sizeof data));
    ASSERT_EQ(host.writes.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(host.writes[k][0], 5);
        EXPECT_EQ(host.writes[k][1], std::uint8_t(32 * k));
        EXPECT_EQ(host.writes[k][32], std::uint8_t(32 * k + 31));
    }
    EXPECT_EQ(clock.TotalSlept(), 300u);
}

TEST_F(UsbDriverTest, WriteBlocksLengthRules)
{
    OpenAs(5, 64);
    std::uint8_t data[64] = {};
    EXPECT_TRUE(usb.WriteBlocks(data, 0));
    EXPECT_FALSE(usb.WriteBlocks(data, 33));
    EXPECT_FALSE(usb.WriteBlocks(nullptr, 32));
    EXPECT_TRUE(host.writes.empty());
}

TEST_F(UsbDriverTest, WriteBlocksStopsAtAFailedChunk)
{
    OpenAs(5, 64);
    host.answers = {{true, 0}, {false, 0}, {true, 0}};
    std::uint8_t data[96] = {};
    EXPECT_FALSE(usb.WriteBlocks(data, sizeof data));
    EXPECT_EQ(host.writes.size(), 2u);
}

TEST_F(UsbDriverTest, FeatureTransfersMoveTheReportLengthPlusId)
{
    OpenAs(9, 20);
    usb.ClearOutFeature();
    usb.m_OutFeature[1] = 0x80;
    EXPECT_TRUE(usb.SendFeature());
    ASSERT_EQ(host.features.size(), 1u);
    EXPECT_EQ(host.features[0].size(), 21u);
    EXPECT_EQ(host.features[0][0], 9);
    EXPECT_EQ(host.features[0][1], 0x80);
}

TEST_F(UsbDriverTest, AClosedLinkFailsEveryTransfer)
{
    EXPECT_FALSE(usb.IsOpen());
    EXPECT_FALSE(usb.SendFeature());
    EXPECT_FALSE(usb.QueryFeature());
    std::uint8_t report[kOutputReportSize] = {};
    // Writes on INVALID_HANDLE_VALUE fail with an error other than 0, which the
    // protocol passes as success; the feature transfers tell of a lost device.
    EXPECT_TRUE(usb.WriteReport(report));
    EXPECT_FALSE(usb.WriteReport(nullptr));
    EXPECT_FALSE(usb.OpenDevice());
    EXPECT_EQ(usb.m_hRead, kInvalidHidHandle);
    EXPECT_EQ(usb.m_hWrite, kInvalidHidHandle);
}

TEST_F(UsbDriverTest, NullHandlesFailWithoutCallingTheHost)
{
    usb.m_hRead = 0;
    usb.m_hWrite = 0;
    std::uint8_t report[kOutputReportSize] = {};
    EXPECT_FALSE(usb.SendFeature());
    EXPECT_FALSE(usb.QueryFeature());
    EXPECT_FALSE(usb.WriteReport(report));
    EXPECT_FALSE(usb.WriteBlocks(report, 32));
    EXPECT_TRUE(host.writes.empty());
    usb.m_hRead = usb.m_hWrite = kInvalidHidHandle;
}

TEST(UsbDevicePresence, MatchesHardwareIdsWithoutRegardToCase)
{
    ScriptedHost host;
    EXPECT_TRUE(IsUsbDevicePresent(host, u"VID_E7A3&PID_6B01"));
    EXPECT_FALSE(IsUsbDevicePresent(host, u"VID_E7A3&PID_6B18"));
}

TEST(ParseHex16, ReadsAsPercentX)
{
    EXPECT_EQ(ParseHex16("e7a3"), 0xE7A3);
    EXPECT_EQ(ParseHex16("6B18"), 0x6B18);
    EXPECT_EQ(ParseHex16(" 0x1fz"), 0x1F);
}

} // namespace
} // namespace k47
