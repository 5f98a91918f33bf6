// SPDX-License-Identifier: MIT
// The Windows HID host against the system's own HID interfaces. None of them is
// a K47, so the search must walk them all, read their details and attributes,
// match nothing and leave no handle behind.
#include "platform/win32/win_hid_host.h"

#include <gtest/gtest.h>

#include "device/device_commands.h"
#include "device/usb_driver.h"
#include "platform/win32/win_clock.h"

namespace k47 {
namespace {

DWORD HandleCount()
{
    DWORD count = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &count);
    return count;
}

TEST(WinHidHost, EnumeratesInterfacesWithTheirDetailsAndAttributes)
{
    WinHidHost host;
    ASSERT_TRUE(host.OpenInterfaceList());
    std::uint32_t count = 0;
    for (;; ++count) {
        Text path;
        InterfaceResult r = host.GetInterface(count, path);
        if (r == InterfaceResult::NoMore)
            break;
        ASSERT_EQ(r, InterfaceResult::Found);
        SCOPED_TRACE(ToUtf8(path));
        // The detail is fetched with the platform's own fixed-part size.
        EXPECT_FALSE(path.empty());
        HidHandle query = host.OpenPath(path, HidOpenMode::Query);
        if (query == kInvalidHidHandle)
            continue;
        HidAttributes attributes;
        EXPECT_TRUE(host.GetAttributes(query, attributes));
        EXPECT_FALSE(attributes.vendorId == kK47VendorId && attributes.productId == kK47ProductId);
        host.CloseHandle(query);
    }
    host.CloseInterfaceList();
    // Wine lists a couple of HID interfaces of its own; a run over none would
    // show nothing.
    EXPECT_GE(count, 1u);
}

TEST(WinHidHost, OpenDeviceFindsNoK47AndLeaksNoHandle)
{
    WinHidHost host;
    WinClock clock;
    CUSBDriver usb(host, clock);
    const DWORD before = HandleCount();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(usb.OpenDevice());
        EXPECT_EQ(usb.m_hRead, kInvalidHidHandle);
        EXPECT_EQ(usb.m_hWrite, kInvalidHidHandle);
    }
    EXPECT_EQ(HandleCount(), before);

    int version = 0;
    EXPECT_FALSE(ReadFirmwareVersion(usb, version));
    EXPECT_FALSE(WriteButtonTable(usb, BuildButtonTable({})));
}

TEST(WinHidHost, NoK47IsPresentOnTheUsbBus)
{
    WinHidHost host;
    EXPECT_FALSE(IsUsbDevicePresent(host, u"VID_E7A3&PID_6B18"));
    EXPECT_FALSE(IsUsbDevicePresent(host, u"VID_E7A3&PID_6B01"));
}

TEST(WinHidHost, WritesOnAClosedLinkFailWithAnErrorAndStayUnpending)
{
    WinHidHost host;
    host.PrepareOverlapped();
    std::uint8_t report[kOutputReportSize] = {};
    std::uint32_t written = 0;
    std::int32_t lastError = 0;
    EXPECT_FALSE(host.WriteOutput(kInvalidHidHandle, report, sizeof report, written, lastError));
    EXPECT_NE(lastError, 0);
    EXPECT_NE(lastError, ERROR_IO_PENDING);
}

} // namespace
} // namespace k47
