// SPDX-License-Identifier: MIT
#pragma once
// The link to the mouse's configuration interface: finds it among the HID
// interfaces, holds a read and a write handle on it, and moves feature reports
// and 33-byte output reports. Invariant: both handles valid, or both
// kInvalidHidHandle.

#include <cstddef>
#include <cstdint>

#include "config/clock.h"
#include "config/text.h"
#include "device/hid_host.h"

namespace k47 {

constexpr std::uint16_t kK47VendorId = 0xE7A3;
constexpr std::uint16_t kK47ProductId = 0x6B18;
constexpr std::uint16_t kConfigUsagePage = 0xFF01;
constexpr std::uint16_t kConfigUsage = 0x22;
constexpr std::size_t kFeatureBufferSize = 255;
constexpr std::size_t kOutputReportSize = 33;
constexpr std::size_t kOutputChunk = 32;
constexpr std::uint32_t kPendingWriteWaitMs = 1500;

class CUSBDriver {
public:
    CUSBDriver(IHidHost& host, IClock& clock);
    ~CUSBDriver();
    CUSBDriver(const CUSBDriver&) = delete;
    CUSBDriver& operator=(const CUSBDriver&) = delete;

    // Closes whatever is open, then searches the HID interfaces for the
    // configuration report and opens it twice. True when both handles are open.
    bool OpenDevice();
    void CloseDevice();
    bool IsOpen() const { return m_hRead != kInvalidHidHandle && m_hWrite != kInvalidHidHandle; }

    // Sends m_OutFeature (bytes 1 onward filled by the caller) as the feature
    // report, byte 0 set to the report ID.
    bool SendFeature();
    // Reads the feature report into m_InFeature, cleared first.
    bool QueryFeature();
    // Writes one 33-byte output report from buffer; byte 0 becomes the report ID.
    bool WriteReport(std::uint8_t* buffer);
    // Writes length bytes (a multiple of 32) as consecutive output reports.
    bool WriteBlocks(const std::uint8_t* data, std::size_t length);

    // Clears m_OutFeature for the next command.
    void ClearOutFeature();

    IClock& Clock() { return m_clock; }
    IHidHost& Host() { return m_host; }

    HidCaps m_Caps{};
    HidHandle m_hRead = kInvalidHidHandle;
    HidHandle m_hWrite = kInvalidHidHandle;
    std::uint32_t m_dwWritten = 0;
    std::uint8_t m_OutFeature[kFeatureBufferSize] = {};
    std::uint8_t m_InFeature[kFeatureBufferSize] = {};
    std::uint16_t m_wVendorId = 0;
    std::uint16_t m_wProductId = 0;
    std::uint32_t m_nReportId = 0;
    std::uint32_t m_nFeatureLength = 0;

private:
    enum class InterfaceOutcome { Opened, Skipped, Abort };
    InterfaceOutcome TryInterface(const Text& path);
    bool SelectConfigCaps(HidPreparsed preparsed);
    bool FinishWrite(bool completed, std::int32_t lastError);

    IHidHost& m_host;
    IClock& m_clock;
};

// True when a present USB device has a hardware ID that contains text, compared
// without regard to case.
bool IsUsbDevicePresent(IHidHost& host, TextView text);

// Parses a hexadecimal text as "%X" does: leading blanks, an optional 0x, then
// hexadecimal digits up to the first other character.
std::uint16_t ParseHex16(const char* text);

} // namespace k47
