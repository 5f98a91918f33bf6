// SPDX-License-Identifier: MIT
#include "device/usb_driver.h"

#include <cstring>
#include <vector>

#include "config/win_errors.h"

namespace k47 {

CUSBDriver::CUSBDriver(IHidHost& host, IClock& clock) : m_host(host), m_clock(clock) {}

CUSBDriver::~CUSBDriver()
{
    CloseDevice();
}

std::uint16_t ParseHex16(const char* text)
{
    unsigned value = 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
        p += 2;
    for (; *p; ++p) {
        int digit;
        if (*p >= '0' && *p <= '9')
            digit = *p - '0';
        else if (*p >= 'a' && *p <= 'f')
            digit = *p - 'a' + 10;
        else if (*p >= 'A' && *p <= 'F')
            digit = *p - 'A' + 10;
        else
            break;
        value = value * 16 + unsigned(digit);
    }
    return std::uint16_t(value);
}

void CUSBDriver::CloseDevice()
{
    if (m_hRead != kInvalidHidHandle)
        m_host.CloseHandle(m_hRead);
    if (m_hWrite != kInvalidHidHandle)
        m_host.CloseHandle(m_hWrite);
    m_hRead = kInvalidHidHandle;
    m_hWrite = kInvalidHidHandle;
}

bool CUSBDriver::OpenDevice()
{
    CloseDevice();
    m_wVendorId = ParseHex16("e7a3");
    m_wProductId = ParseHex16("6B18");
    std::memset(m_InFeature, 0, sizeof m_InFeature);

    if (!m_host.OpenInterfaceList())
        return false;
    for (std::uint32_t index = 0;; ++index) {
        Text path;
        InterfaceResult found = m_host.GetInterface(index, path);
        if (found == InterfaceResult::NoMore)
            break;
        if (found == InterfaceResult::OutOfMemory) {
            m_host.CloseInterfaceList();
            return false;
        }
        InterfaceOutcome outcome = TryInterface(path);
        if (outcome == InterfaceOutcome::Opened) {
            m_host.CloseInterfaceList();
            return true;
        }
    }
    m_host.CloseInterfaceList();
    return IsOpen();
}

CUSBDriver::InterfaceOutcome CUSBDriver::TryInterface(const Text& path)
{
    HidHandle query = m_host.OpenPath(path, HidOpenMode::Query);
    if (query == kInvalidHidHandle)
        return InterfaceOutcome::Skipped;

    HidAttributes attributes;
    attributes.vendorId = 0;
    if (!m_host.GetAttributes(query, attributes) || attributes.vendorId != m_wVendorId ||
        attributes.productId != m_wProductId) {
        m_host.CloseHandle(query);
        return InterfaceOutcome::Skipped;
    }

    HidPreparsed preparsed = 0;
    if (!m_host.GetPreparsedData(query, preparsed)) {
        m_host.CloseHandle(query);
        return InterfaceOutcome::Skipped;
    }
    bool matched = SelectConfigCaps(preparsed);
    m_host.CloseHandle(query);
    m_host.FreePreparsedData(preparsed);
    if (!matched)
        return InterfaceOutcome::Skipped;

    m_hRead = m_host.OpenPath(path, HidOpenMode::Read);
    m_hWrite = m_host.OpenPath(path, HidOpenMode::Write);
    m_host.PrepareOverlapped();
    if (m_hRead == kInvalidHidHandle || m_hWrite == kInvalidHidHandle) {
        CloseDevice();
        return InterfaceOutcome::Skipped;
    }
    return InterfaceOutcome::Opened;
}

// Finds the configuration report among the interface's feature values. Every
// value capability is read (the count comes from the device, so no fixed list
// can overflow), and one whose report would not fit the 255-byte buffers with
// its ID byte is passed over.
bool CUSBDriver::SelectConfigCaps(HidPreparsed preparsed)
{
    if (m_host.GetCaps(preparsed, m_Caps) == kHidpStatusInvalidPreparsedData)
        return false;
    if (m_Caps.numberFeatureValueCaps == 0)
        return false;

    std::vector<HidValueCaps> list(m_Caps.numberFeatureValueCaps);
    std::uint16_t count = m_Caps.numberFeatureValueCaps;
    std::int32_t status = m_host.GetFeatureValueCaps(preparsed, list.data(), count);
    if (status == kHidpStatusInvalidPreparsedData)
        return false;
    if (count > list.size())
        count = std::uint16_t(list.size());

    for (std::uint16_t i = 0; i < count; ++i) {
        const HidValueCaps& caps = list[i];
        if (caps.usagePage != kConfigUsagePage || caps.usage != kConfigUsage)
            continue;
        if (caps.reportCount > kFeatureBufferSize - 1)
            continue;
        m_nReportId = caps.reportId;
        m_nFeatureLength = caps.reportCount;
        return true;
    }
    return false;
}

void CUSBDriver::ClearOutFeature()
{
    std::memset(m_OutFeature, 0, sizeof m_OutFeature);
}

bool CUSBDriver::SendFeature()
{
    if (m_hWrite == 0)
        return false;
    m_OutFeature[0] = std::uint8_t(m_nReportId);
    return m_host.SetFeature(m_hWrite, m_OutFeature, m_nFeatureLength + 1);
}

bool CUSBDriver::QueryFeature()
{
    if (m_hRead == 0)
        return false;
    std::memset(m_InFeature, 0, sizeof m_InFeature);
    m_InFeature[0] = std::uint8_t(m_nReportId);
    return m_host.GetFeature(m_hRead, m_InFeature, m_nFeatureLength + 1);
}

// A write that went pending is waited for (and cancelled when it outlasts the
// wait) before the shared OVERLAPPED is used again; the result stays as the
// protocol has it: only a last error of 0 counts as a failed write.
bool CUSBDriver::FinishWrite(bool completed, std::int32_t lastError)
{
    if (completed)
        return true;
    if (lastError == win::kIoPending) {
        m_host.FinishPendingWrite(m_hWrite, kPendingWriteWaitMs, m_dwWritten);
        return true;
    }
    return lastError != 0;
}

bool CUSBDriver::WriteReport(std::uint8_t* buffer)
{
    if (m_hWrite == 0 || buffer == nullptr)
        return false;
    buffer[0] = std::uint8_t(m_nReportId);
    std::int32_t lastError = 0;
    bool completed =
        m_host.WriteOutput(m_hWrite, buffer, kOutputReportSize, m_dwWritten, lastError);
    m_clock.Sleep(50);
    return FinishWrite(completed, lastError);
}

bool CUSBDriver::WriteBlocks(const std::uint8_t* data, std::size_t length)
{
    if (data == nullptr || length % kOutputChunk != 0)
        return false;
    for (std::size_t offset = 0; offset < length; offset += kOutputChunk) {
        std::uint8_t report[kOutputReportSize];
        report[0] = std::uint8_t(m_nReportId);
        std::memcpy(report + 1, data + offset, kOutputChunk);
        m_clock.Sleep(50);
        if (m_hWrite == 0)
            return false;
        std::int32_t lastError = 0;
        bool completed =
            m_host.WriteOutput(m_hWrite, report, kOutputReportSize, m_dwWritten, lastError);
        m_clock.Sleep(50);
        if (!FinishWrite(completed, lastError))
            return false;
    }
    return true;
}

bool IsUsbDevicePresent(IHidHost& host, TextView text)
{
    for (const Text& id : host.UsbHardwareIds()) {
        if (ContainsNoCase(id, text))
            return true;
    }
    return false;
}

} // namespace k47
