// SPDX-License-Identifier: MIT
#include "platform/win32/win_hid_host.h"

#include <memory>
#include <new>
#include <string>

#include "platform/win32/wide_text.h"

extern "C" {
#include <hidsdi.h>
}

namespace k47 {
namespace {

HANDLE ToHandle(HidHandle h)
{
    return reinterpret_cast<HANDLE>(h);
}

HidHandle FromHandle(HANDLE h)
{
    return reinterpret_cast<HidHandle>(h);
}

} // namespace

WinHidHost::WinHidHost()
{
    ::HidD_GetHidGuid(&m_hidGuid);
}

WinHidHost::~WinHidHost() = default;

bool WinHidHost::OpenInterfaceList()
{
    m_interfaces.Reset(::SetupDiGetClassDevsW(&m_hidGuid, nullptr, nullptr,
                                              DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    return m_interfaces.Valid();
}

InterfaceResult WinHidHost::GetInterface(std::uint32_t index, Text& path)
{
    path.clear();
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    if (!::SetupDiEnumDeviceInterfaces(m_interfaces.Get(), nullptr, &m_hidGuid, index, &data))
        return InterfaceResult::NoMore;

    DWORD required = 0;
    ::SetupDiGetDeviceInterfaceDetailW(m_interfaces.Get(), &data, nullptr, 0, &required, nullptr);
    if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
        required = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[required + 2]());
    if (!buffer)
        return InterfaceResult::OutOfMemory;
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.get());
    // The size field is that of the fixed part on this platform (8 on x64, 6 on
    // 32-bit Windows); any other value is refused with ERROR_INVALID_USER_BUFFER.
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (::SetupDiGetDeviceInterfaceDetailW(m_interfaces.Get(), &data, detail, required, nullptr,
                                           nullptr)) {
        path = FromWide(detail->DevicePath);
    }
    return InterfaceResult::Found;
}

void WinHidHost::CloseInterfaceList()
{
    m_interfaces.Reset();
}

HidHandle WinHidHost::OpenPath(TextView path, HidOpenMode mode)
{
    if (path.empty())
        return kInvalidHidHandle;
    DWORD access = 0;
    DWORD flags = FILE_FLAG_BACKUP_SEMANTICS;
    if (mode == HidOpenMode::Read) {
        access = GENERIC_READ;
        flags = FILE_FLAG_OVERLAPPED;
    } else if (mode == HidOpenMode::Write) {
        access = GENERIC_WRITE;
        flags = FILE_FLAG_OVERLAPPED;
    }
    HANDLE h = ::CreateFileW(WideText(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, flags, nullptr);
    return h == INVALID_HANDLE_VALUE ? kInvalidHidHandle : FromHandle(h);
}

void WinHidHost::CloseHandle(HidHandle handle)
{
    if (handle != kInvalidHidHandle && handle != 0)
        ::CloseHandle(ToHandle(handle));
}

bool WinHidHost::GetAttributes(HidHandle handle, HidAttributes& attributes)
{
    HIDD_ATTRIBUTES a{};
    a.Size = sizeof a;
    if (!::HidD_GetAttributes(ToHandle(handle), &a))
        return false;
    attributes.vendorId = a.VendorID;
    attributes.productId = a.ProductID;
    attributes.versionNumber = a.VersionNumber;
    return true;
}

bool WinHidHost::GetPreparsedData(HidHandle handle, HidPreparsed& data)
{
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!::HidD_GetPreparsedData(ToHandle(handle), &preparsed))
        return false;
    data = reinterpret_cast<HidPreparsed>(preparsed);
    return true;
}

void WinHidHost::FreePreparsedData(HidPreparsed data)
{
    if (data)
        ::HidD_FreePreparsedData(reinterpret_cast<PHIDP_PREPARSED_DATA>(data));
}

std::int32_t WinHidHost::GetCaps(HidPreparsed data, HidCaps& caps)
{
    HIDP_CAPS c{};
    NTSTATUS status = ::HidP_GetCaps(reinterpret_cast<PHIDP_PREPARSED_DATA>(data), &c);
    caps.usage = c.Usage;
    caps.usagePage = c.UsagePage;
    caps.inputReportByteLength = c.InputReportByteLength;
    caps.outputReportByteLength = c.OutputReportByteLength;
    caps.featureReportByteLength = c.FeatureReportByteLength;
    caps.numberFeatureValueCaps = c.NumberFeatureValueCaps;
    return status;
}

std::int32_t WinHidHost::GetFeatureValueCaps(HidPreparsed data, HidValueCaps* list,
                                             std::uint16_t& count)
{
    std::unique_ptr<HIDP_VALUE_CAPS[]> caps(new (std::nothrow)
                                                HIDP_VALUE_CAPS[count ? count : 1]());
    if (!caps) {
        count = 0;
        return kHidpStatusBufferTooSmall;
    }
    USHORT length = count;
    NTSTATUS status = ::HidP_GetSpecificValueCaps(HidP_Feature, 0, 0, 0, caps.get(), &length,
                                                  reinterpret_cast<PHIDP_PREPARSED_DATA>(data));
    if (length > count)
        length = count;
    for (USHORT i = 0; i < length; ++i) {
        const HIDP_VALUE_CAPS& c = caps[i];
        list[i].usagePage = c.UsagePage;
        list[i].reportId = c.ReportID;
        list[i].isRange = c.IsRange != FALSE;
        list[i].usage = c.IsRange ? c.Range.UsageMin : c.NotRange.Usage;
        list[i].reportCount = c.ReportCount;
        list[i].bitSize = c.BitSize;
    }
    count = length;
    return status;
}

void WinHidHost::PrepareOverlapped()
{
    m_writeOverlapped.Offset = m_writeOverlapped.OffsetHigh = 0;
    m_readOverlapped.Offset = m_readOverlapped.OffsetHigh = 0;
    // An event of that name that exists already is opened as it is.
    m_writeEvent.Reset(::CreateEventW(nullptr, TRUE, FALSE, L"WriteDataOverLappedEvent"));
    m_readEvent.Reset(::CreateEventW(nullptr, TRUE, FALSE, L"ReadDataOverLappedEvent"));
    m_writeOverlapped.hEvent = m_writeEvent.Get();
    m_readOverlapped.hEvent = m_readEvent.Get();
}

bool WinHidHost::SetFeature(HidHandle handle, const std::uint8_t* report, std::uint32_t length)
{
    return ::HidD_SetFeature(ToHandle(handle), const_cast<std::uint8_t*>(report), length) != FALSE;
}

bool WinHidHost::GetFeature(HidHandle handle, std::uint8_t* report, std::uint32_t length)
{
    return ::HidD_GetFeature(ToHandle(handle), report, length) != FALSE;
}

bool WinHidHost::WriteOutput(HidHandle handle, const std::uint8_t* data, std::uint32_t length,
                             std::uint32_t& written, std::int32_t& lastError)
{
    DWORD n = 0;
    BOOL ok = ::WriteFile(ToHandle(handle), data, length, &n, &m_writeOverlapped);
    lastError = ok ? 0 : std::int32_t(::GetLastError());
    written = n;
    return ok != FALSE;
}

PendingWriteEnd WinHidHost::FinishPendingWrite(HidHandle handle, std::uint32_t timeoutMs,
                                               std::uint32_t& written)
{
    // The kernel writes into the OVERLAPPED and the byte count until the
    // request ends, so a request still in flight after the wait is cancelled
    // and its end awaited before either is used again.
    bool timedOut = true;
    if (m_writeOverlapped.hEvent)
        timedOut = ::WaitForSingleObject(m_writeOverlapped.hEvent, timeoutMs) != WAIT_OBJECT_0;
    if (timedOut)
        ::CancelIoEx(ToHandle(handle), &m_writeOverlapped);
    DWORD n = 0;
    BOOL ok = ::GetOverlappedResult(ToHandle(handle), &m_writeOverlapped, &n, TRUE);
    if (m_writeOverlapped.hEvent)
        ::ResetEvent(m_writeOverlapped.hEvent);
    written = n;
    if (timedOut && (!ok && ::GetLastError() == ERROR_OPERATION_ABORTED))
        return PendingWriteEnd::Cancelled;
    return ok ? PendingWriteEnd::Completed : PendingWriteEnd::Failed;
}

std::vector<Text> WinHidHost::UsbHardwareIds()
{
    std::vector<Text> ids;
    DevInfoList list(
        ::SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES));
    if (!list.Valid())
        return ids;
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA info{};
        info.cbSize = sizeof info;
        if (!::SetupDiEnumDeviceInfo(list.Get(), index, &info))
            break;
        // 260 bytes as the probe has always read, one more unit kept for the NUL.
        wchar_t buffer[131] = {};
        if (!::SetupDiGetDeviceRegistryPropertyW(list.Get(), &info, SPDRP_HARDWAREID, nullptr,
                                                 reinterpret_cast<BYTE*>(buffer), 260, nullptr))
            continue;
        ids.push_back(FromWide(buffer));
    }
    return ids;
}

} // namespace k47
