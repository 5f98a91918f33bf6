// SPDX-License-Identifier: MIT
#pragma once
// The HID stack as it looks with a virtual K47 plugged in: the mouse's HID
// interfaces (keyboard, mouse and the vendor collection that carries the
// configuration report) beside whatever foreign interfaces a test adds, the
// firmware behind the vendor collection, the trace of every report, the
// restart after a report-rate command, and the faults a test asks for.
//
// Time is the clock's: the mouse comes back once reconnectDelayMs have passed
// on it, noticed by the next call of any kind, so a fake clock makes every run
// the same and a real one makes the demo behave like a mouse. Arrival and
// removal are announced only from Poll, never from inside a HID call, so the
// handler may open and close the link; the product calls Poll from a timer of
// the user-interface thread (MillisecondsUntilNextEvent tells how soon).
//
// Every call may come from any thread; one lock guards the bus, and no
// handler or clock sleep runs under it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "config/clock.h"
#include "config/text.h"
#include "device/hid_host.h"
#include "emu/trace.h"
#include "emu/virtual_k47.h"

namespace k47 {

struct VirtualInterface {
    Text path; // lower-case device path, as the interface list gives it
    HidAttributes attributes;
    HidCaps caps; // numberFeatureValueCaps follows featureValueCaps
    std::vector<HidValueCaps> featureValueCaps;
    bool ofMouse = true;        // present while the mouse is on the bus
    bool configuration = false; // its feature and output reports reach the firmware
    bool queryOpenFails = false;
    bool readOpenFails = false;
    bool writeOpenFails = false;
    bool preparsedFails = false;
    std::int32_t capsStatus = kHidpStatusSuccess;
    std::int32_t valueCapsStatus = kHidpStatusSuccess;
};

// The mouse's three interfaces in the order the system lists them: keyboard
// (no feature report), mouse (a resolution-multiplier feature value) and the
// vendor collection with the configuration report of firmware.
std::vector<VirtualInterface> K47Interfaces(const FirmwareOptions& firmware,
                                            std::uint16_t productId);

// An interface of some other device, with no feature values.
VirtualInterface ForeignInterface(std::uint16_t vendorId, std::uint16_t productId,
                                  std::uint32_t instance);

struct VirtualFaults {
    // Ordinal numbers, from 1, of the feature reports (set or got, counted
    // together) that fail without reaching the firmware.
    std::vector<std::uint32_t> failFeatureReports;
    // Ordinal numbers of the output writes that stay pending past any wait.
    std::vector<std::uint32_t> stalledOutputs;
    // The mouse leaves the bus for good once it has accepted this many
    // commands (feature reports set); 0: never.
    std::uint32_t vanishAfterCommands = 0;
    // The mouse leaves the bus for good while this output write is in flight,
    // which then ends failed; 0: never.
    std::uint32_t vanishDuringOutput = 0;
    // After the restart of a report-rate command the mouse stays away.
    bool noReconnect = false;
    bool absentAtStart = false;
};

struct VirtualBusOptions {
    FirmwareOptions firmware;
    // 0x6B01 shows the mouse as that product: present on USB, no link opens.
    std::uint16_t productId = 0x6B18;
    std::uint32_t reconnectDelayMs = 1000;
    // Every output write goes pending and completes within the wait, as an
    // overlapped write usually does; otherwise writes complete at once.
    bool pendingWrites = false;
    VirtualFaults faults;
    // Empty: K47Interfaces(firmware, productId).
    std::vector<VirtualInterface> interfaces;
    // First hardware IDs of the other USB devices present.
    std::vector<Text> otherUsbIds = {u"USB\\ROOT_HUB30&VID8086&PID43ED&REV0011",
                                     u"USB\\VID_8087&PID_0026&REV_0002"};
    // Trace file to append to; empty: memory only.
    std::string tracePath;
    // Trace entries kept in memory, the oldest dropped first; 0: all.
    std::size_t traceMemoryLimit = 0;
};

enum class BusEvent { Arrived, Removed };
// deviceName is the configuration interface's name as a device notification
// carries it, "\\?\HID#VID_E7A3&PID_6B18&MI_02#...".
using BusEventHandler = std::function<void(BusEvent event, TextView deviceName)>;

class VirtualBus : public IHidHost {
public:
    VirtualBus(const VirtualBusOptions& options, IClock& clock);
    ~VirtualBus() override;
    VirtualBus(const VirtualBus&) = delete;
    VirtualBus& operator=(const VirtualBus&) = delete;

    // IHidHost
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

    // Receives arrival and removal, called from Poll.
    void SetEventHandler(BusEventHandler handler);
    // Brings the bus up to the clock and announces what happened since the
    // last call, in order.
    void Poll();
    // How long until Poll has something to do: 0 when an announcement is
    // waiting, the time to the mouse's return while it is away, nothing else.
    std::optional<std::uint32_t> MillisecondsUntilNextEvent();

    // Pulls the mouse out (it stays away) and plugs it in.
    void Unplug();
    void Plug();
    bool Present();

    // Appends a "config_warning" line, for settings that could not be used.
    void RecordWarning(std::string_view text);

    // Snapshots for tests.
    K47DeviceState State();
    std::vector<TraceEntry> TraceEntries();
    std::size_t OpenHandleCount();
    std::size_t OutstandingPreparsed();
    bool InterfaceListOpen();
    std::uint32_t PrepareOverlappedCalls();
    // Calls that break the HID rules (an unknown handle closed, an OVERLAPPED
    // reused while its write is in flight, ...), one text each.
    std::vector<std::string> Misuse();
    std::string TracePath() const { return m_options.tracePath; }
    bool TraceFileOpen();
    Text DeviceName() const;

private:
    struct OpenHandle {
        std::size_t iface = 0;
        HidOpenMode mode = HidOpenMode::Query;
        std::uint32_t generation = 0;
    };
    struct PendingWrite {
        bool active = false;
        HidHandle handle = 0;
        std::vector<std::uint8_t> data;
        bool stalled = false;
        bool vanish = false;
    };
    struct Announcement {
        BusEvent event;
        Text name;
    };
    enum class Access { Ok, BadHandle, WrongMode, NotConfiguration, Gone };

    void Update();
    void Arrive();
    void Remove(bool comesBack);
    bool InterfacePresent(std::size_t iface) const;
    Access CheckTransfer(HidHandle handle, HidOpenMode mode);
    static const char* AccessError(Access access);
    bool Listed(std::uint32_t ordinal, const std::vector<std::uint32_t>& list) const;
    void Record(std::string_view dir, bool ok, std::string_view cmd, const std::uint8_t* raw,
                std::size_t length, const JsonLine& fields);
    void AfterCommand(const FirmwareReply& reply);

    mutable std::mutex m_mutex;
    VirtualBusOptions m_options;
    IClock& m_clock;
    VirtualK47 m_firmware;
    Trace m_trace;
    Text m_deviceName;

    bool m_present = true;
    bool m_returnPending = false;
    std::uint32_t m_leftAt = 0;
    std::uint32_t m_generation = 0;

    bool m_listOpen = false;
    std::vector<std::size_t> m_listed;
    std::map<HidHandle, OpenHandle> m_handles;
    HidHandle m_nextHandle = 0x1F0;
    std::map<HidPreparsed, std::size_t> m_preparsed;
    HidPreparsed m_nextPreparsed = 0x7A0000;
    PendingWrite m_pending;

    std::uint32_t m_featureReports = 0;
    std::uint32_t m_outputWrites = 0;
    std::uint32_t m_commands = 0;
    std::uint32_t m_prepareCalls = 0;
    std::vector<std::string> m_misuse;

    std::vector<Announcement> m_announcements;
    BusEventHandler m_handler;
};

} // namespace k47
