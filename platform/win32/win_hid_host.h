// SPDX-License-Identifier: MIT
#pragma once
// The HID stack of Windows behind the link's seam.

#include <windows.h>

#include "device/hid_host.h"
#include "platform/win32/unique_handle.h"

namespace k47 {

class WinHidHost : public IHidHost {
public:
    WinHidHost();
    ~WinHidHost() override;

    bool OpenInterfaceList() override;
    InterfaceResult GetInterface(std::uint32_t index, Text& path) override;
    void CloseInterfaceList() override;
    HidHandle OpenPath(TextView path, HidOpenMode mode) override;
    void CloseHandle(HidHandle handle) override;
    bool GetAttributes(HidHandle handle, HidAttributes& attributes) override;
    bool GetPreparsedData(HidHandle handle, HidPreparsed& data) override;
    void FreePreparsedData(HidPreparsed data) override;
    std::int32_t GetCaps(HidPreparsed data, HidCaps& caps) override;
    std::int32_t GetFeatureValueCaps(HidPreparsed data, HidValueCaps* list,
                                     std::uint16_t& count) override;
    void PrepareOverlapped() override;
    bool SetFeature(HidHandle handle, const std::uint8_t* report, std::uint32_t length) override;
    bool GetFeature(HidHandle handle, std::uint8_t* report, std::uint32_t length) override;
    bool WriteOutput(HidHandle handle, const std::uint8_t* data, std::uint32_t length,
                     std::uint32_t& written, std::int32_t& lastError) override;
    PendingWriteEnd FinishPendingWrite(HidHandle handle, std::uint32_t timeoutMs,
                                       std::uint32_t& written) override;
    std::vector<Text> UsbHardwareIds() override;

private:
    GUID m_hidGuid{};
    DevInfoList m_interfaces{INVALID_HANDLE_VALUE};
    // The OVERLAPPED records every link shares, with their named events.
    OVERLAPPED m_writeOverlapped{};
    OVERLAPPED m_readOverlapped{};
    UniqueHandle m_writeEvent;
    UniqueHandle m_readEvent;
};

} // namespace k47
