// SPDX-License-Identifier: MIT
#pragma once
// What the device link needs of the operating system's HID stack. The Win32
// host maps each call onto SetupDi*, HidD_*, HidP_* and overlapped file I/O;
// the virtual K47 implements the same calls over its emulated bus. Handles are
// opaque numbers with the Win32 conventions: kInvalidHidHandle is
// INVALID_HANDLE_VALUE, and 0 is a null handle.

#include <cstdint>
#include <vector>

#include "config/text.h"

namespace k47 {

using HidHandle = std::uintptr_t;
constexpr HidHandle kInvalidHidHandle = ~HidHandle(0);
using HidPreparsed = std::uintptr_t;

// HIDD_ATTRIBUTES.
struct HidAttributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0;
};

// The fields of HIDP_CAPS the link reads.
struct HidCaps {
    std::uint16_t usage = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t inputReportByteLength = 0;
    std::uint16_t outputReportByteLength = 0;
    std::uint16_t featureReportByteLength = 0;
    std::uint16_t numberFeatureValueCaps = 0;
};

// The fields of one HIDP_VALUE_CAPS the link reads. usage is NotRange.Usage,
// or Range.UsageMin when isRange is set.
struct HidValueCaps {
    std::uint16_t usagePage = 0;
    std::uint8_t reportId = 0;
    bool isRange = false;
    std::uint16_t usage = 0;
    std::uint16_t reportCount = 0;
    std::uint16_t bitSize = 0;
};

// NTSTATUS values of the HidP_* calls.
constexpr std::int32_t kHidpStatusSuccess = 0x00110000;
constexpr std::int32_t kHidpStatusInvalidPreparsedData = std::int32_t(0xC0110001u);
constexpr std::int32_t kHidpStatusBufferTooSmall = std::int32_t(0xC0110007u);

enum class HidOpenMode {
    Query, // no access rights, FILE_FLAG_BACKUP_SEMANTICS: attributes and caps only
    Read,  // GENERIC_READ, FILE_FLAG_OVERLAPPED
    Write, // GENERIC_WRITE, FILE_FLAG_OVERLAPPED
};

enum class InterfaceResult {
    Found,       // path holds the interface's device path
    NoMore,      // the enumeration is at its end
    OutOfMemory, // the detail buffer could not be allocated
};

// How a write that went pending ended.
enum class PendingWriteEnd {
    Completed, // finished within the wait
    Failed,    // finished with an error (the device went away, for example)
    Cancelled, // still in flight after the wait: cancelled and its completion awaited
};

class IHidHost {
public:
    virtual ~IHidHost() = default;

    // The present HID interfaces (SetupDiGetClassDevsW over the HID class GUID,
    // DIGCF_PRESENT | DIGCF_DEVICEINTERFACE). False when no list can be had.
    virtual bool OpenInterfaceList() = 0;
    // Interface number index of the open list and its device path.
    virtual InterfaceResult GetInterface(std::uint32_t index, Text& path) = 0;
    virtual void CloseInterfaceList() = 0;

    // CreateFileW on a device path with the mode's rights, sharing read and
    // write, OPEN_EXISTING. kInvalidHidHandle on failure.
    virtual HidHandle OpenPath(TextView path, HidOpenMode mode) = 0;
    virtual void CloseHandle(HidHandle handle) = 0;

    virtual bool GetAttributes(HidHandle handle, HidAttributes& attributes) = 0;
    virtual bool GetPreparsedData(HidHandle handle, HidPreparsed& data) = 0;
    virtual void FreePreparsedData(HidPreparsed data) = 0;
    virtual std::int32_t GetCaps(HidPreparsed data, HidCaps& caps) = 0;
    // HidP_GetSpecificValueCaps(HidP_Feature, 0, 0, 0, ...): on entry count is
    // the capacity of list, on return the number of entries written.
    virtual std::int32_t GetFeatureValueCaps(HidPreparsed data, HidValueCaps* list,
                                             std::uint16_t& count) = 0;

    // Sets the offsets of the shared OVERLAPPED records to 0 and (re)creates
    // their named events "WriteDataOverLappedEvent" and "ReadDataOverLappedEvent".
    virtual void PrepareOverlapped() = 0;

    // HidD_SetFeature / HidD_GetFeature of length bytes, report ID first.
    virtual bool SetFeature(HidHandle handle, const std::uint8_t* report, std::uint32_t length) = 0;
    virtual bool GetFeature(HidHandle handle, std::uint8_t* report, std::uint32_t length) = 0;

    // WriteFile(handle, data, length) with the shared write OVERLAPPED. True when
    // it completed at once; otherwise lastError holds the thread's last error.
    virtual bool WriteOutput(HidHandle handle, const std::uint8_t* data, std::uint32_t length,
                             std::uint32_t& written, std::int32_t& lastError) = 0;
    // After WriteOutput reported ERROR_IO_PENDING: waits up to timeoutMs on the
    // write event. A write still in flight then is cancelled and its completion
    // awaited, so that the OVERLAPPED and the byte count are free for the next
    // write. Resets the event in every case.
    virtual PendingWriteEnd FinishPendingWrite(HidHandle handle, std::uint32_t timeoutMs,
                                               std::uint32_t& written) = 0;

    // The first hardware ID of every present device of the "USB" enumerator.
    virtual std::vector<Text> UsbHardwareIds() = 0;
};

} // namespace k47
