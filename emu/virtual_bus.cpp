// SPDX-License-Identifier: MIT
#include "emu/virtual_bus.h"

#include <algorithm>
#include <cstring>

#include "config/win_errors.h"

namespace k47 {

namespace {

constexpr std::int32_t kErrorInvalidParameter = 87;
constexpr std::uint16_t kDeviceRevision = 0x0100;
constexpr char16_t kHidClassGuid[] = u"{4d1e55b2-f16f-11cf-88cb-001111000030}";

Text Hex4(std::uint16_t value, bool upper)
{
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    Text out;
    for (int shift = 12; shift >= 0; shift -= 4)
        out.push_back(char16_t(digits[(value >> shift) & 0xF]));
    return out;
}

Text InterfacePath(std::uint16_t vendorId, std::uint16_t productId, int mi, TextView instance)
{
    Text path = u"\\\\?\\hid#vid_" + Hex4(vendorId, false) + u"&pid_" + Hex4(productId, false);
    if (mi >= 0)
        path += u"&mi_0" + Text(1, char16_t(u'0' + mi));
    path += u"#";
    path += instance;
    path += u"#";
    path += kHidClassGuid;
    return path;
}

Text UpperAscii(TextView text)
{
    Text out(text);
    for (char16_t& c : out)
        c = AsciiUpper(c);
    return out;
}

bool SamePath(TextView a, TextView b)
{
    return a.size() == b.size() && ContainsNoCase(a, b);
}

} // namespace

std::vector<VirtualInterface> K47Interfaces(const FirmwareOptions& firmware,
                                            std::uint16_t productId)
{
    std::vector<VirtualInterface> list(3);
    for (std::size_t i = 0; i < list.size(); ++i) {
        VirtualInterface& iface = list[i];
        iface.attributes = {0xE7A3, productId, kDeviceRevision};
        Text instance = u"8&2c7f1e3a&0&000" + Text(1, char16_t(u'0' + i));
        iface.path = InterfacePath(0xE7A3, productId, int(i), instance);
        iface.ofMouse = true;
    }

    // Boot keyboard: the side buttons can send keys.
    list[0].caps = {0x06, 0x01, 9, 2, 0, 0};

    // The pointer, with the wheel's resolution multiplier as a feature value.
    list[1].caps = {0x02, 0x01, 8, 0, 2, 0};
    HidValueCaps multiplier;
    multiplier.usagePage = 0x01;
    multiplier.usage = 0x48;
    multiplier.reportId = 2;
    multiplier.reportCount = 1;
    multiplier.bitSize = 8;
    list[1].featureValueCaps = {multiplier};

    // The vendor collection.
    HidValueCaps config;
    config.usagePage = 0xFF01;
    config.usage = 0x22;
    config.reportId = firmware.reportId;
    config.reportCount = firmware.reportCount;
    config.bitSize = 8;
    list[2].caps = {0x01,
                    0xFF01,
                    0,
                    std::uint16_t(kOutputReportLength),
                    std::uint16_t(firmware.reportCount + 1),
                    0};
    list[2].featureValueCaps = {config};
    list[2].configuration = true;
    return list;
}

VirtualInterface ForeignInterface(std::uint16_t vendorId, std::uint16_t productId,
                                  std::uint32_t instance)
{
    VirtualInterface iface;
    iface.attributes = {vendorId, productId, 0x0001};
    Text tail = u"7&1b3d5f7&0&" + Hex4(std::uint16_t(instance), false);
    iface.path = InterfacePath(vendorId, productId, -1, tail);
    iface.caps = {0x02, 0x01, 5, 0, 0, 0};
    iface.ofMouse = false;
    return iface;
}

VirtualBus::VirtualBus(const VirtualBusOptions& options, IClock& clock)
    : m_options(options), m_clock(clock), m_firmware(options.firmware)
{
    if (m_options.interfaces.empty())
        m_options.interfaces = K47Interfaces(m_firmware.Options(), m_options.productId);
    for (VirtualInterface& iface : m_options.interfaces)
        iface.caps.numberFeatureValueCaps = std::uint16_t(iface.featureValueCaps.size());

    for (const VirtualInterface& iface : m_options.interfaces) {
        if (iface.configuration && m_deviceName.empty())
            m_deviceName = UpperAscii(iface.path);
    }
    if (m_deviceName.empty()) {
        m_deviceName =
            UpperAscii(InterfacePath(0xE7A3, m_options.productId, 2, u"8&2c7f1e3a&0&0002"));
    }
    m_present = !m_options.faults.absentAtStart;
    if (!m_options.tracePath.empty())
        m_trace.OpenFile(m_options.tracePath);
    m_trace.SetMemoryLimit(m_options.traceMemoryLimit);
}

VirtualBus::~VirtualBus() = default;

Text VirtualBus::DeviceName() const
{
    return m_deviceName;
}

void VirtualBus::Record(std::string_view dir, bool ok, std::string_view cmd,
                        const std::uint8_t* raw, std::size_t length, const JsonLine& fields)
{
    m_trace.Record(dir, ok, cmd, raw, length, fields, m_clock.TickCount());
}

// The mouse comes back once its restart has taken reconnectDelayMs.
void VirtualBus::Update()
{
    if (m_returnPending && m_clock.TickCount() - m_leftAt >= m_options.reconnectDelayMs)
        Arrive();
}

void VirtualBus::Arrive()
{
    m_returnPending = false;
    if (m_present)
        return;
    m_present = true;
    m_firmware.Restart();
    JsonLine fields;
    fields.Add("device", ToUtf8(m_deviceName));
    Record(trace_dir::kArrived, true, "", nullptr, 0, fields);
    m_announcements.push_back({BusEvent::Arrived, m_deviceName});
}

void VirtualBus::Remove(bool comesBack)
{
    if (!m_present) {
        m_returnPending = m_returnPending && comesBack;
        return;
    }
    m_present = false;
    ++m_generation;
    m_firmware.Restart();
    m_leftAt = m_clock.TickCount();
    m_returnPending = comesBack;
    JsonLine fields;
    fields.Add("device", ToUtf8(m_deviceName));
    if (comesBack)
        fields.Add("back_in_ms", m_options.reconnectDelayMs);
    Record(trace_dir::kRemoved, true, "", nullptr, 0, fields);
    m_announcements.push_back({BusEvent::Removed, m_deviceName});
}

bool VirtualBus::InterfacePresent(std::size_t iface) const
{
    return !m_options.interfaces[iface].ofMouse || m_present;
}

bool VirtualBus::Listed(std::uint32_t ordinal, const std::vector<std::uint32_t>& list) const
{
    return std::find(list.begin(), list.end(), ordinal) != list.end();
}

bool VirtualBus::OpenInterfaceList()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Update();
    if (m_listOpen)
        m_misuse.push_back("interface list opened twice");
    m_listOpen = true;
    m_listed.clear();
    for (std::size_t i = 0; i < m_options.interfaces.size(); ++i) {
        if (InterfacePresent(i))
            m_listed.push_back(i);
    }
    return true;
}

InterfaceResult VirtualBus::GetInterface(std::uint32_t index, Text& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_listOpen) {
        m_misuse.push_back("interface enumerated without a list");
        return InterfaceResult::NoMore;
    }
    if (index >= m_listed.size())
        return InterfaceResult::NoMore;
    path = m_options.interfaces[m_listed[index]].path;
    return InterfaceResult::Found;
}

void VirtualBus::CloseInterfaceList()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_listOpen)
        m_misuse.push_back("interface list closed twice");
    m_listOpen = false;
    m_listed.clear();
}

HidHandle VirtualBus::OpenPath(TextView path, HidOpenMode mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Update();
    for (std::size_t i = 0; i < m_options.interfaces.size(); ++i) {
        const VirtualInterface& iface = m_options.interfaces[i];
        if (!SamePath(iface.path, path) || !InterfacePresent(i))
            continue;
        bool fails = (mode == HidOpenMode::Query && iface.queryOpenFails) ||
                     (mode == HidOpenMode::Read && iface.readOpenFails) ||
                     (mode == HidOpenMode::Write && iface.writeOpenFails);
        if (fails)
            return kInvalidHidHandle;
        HidHandle handle = m_nextHandle;
        m_nextHandle += 4;
        m_handles[handle] = {i, mode, m_generation};
        return handle;
    }
    return kInvalidHidHandle;
}

void VirtualBus::CloseHandle(HidHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_handles.erase(handle) == 0)
        m_misuse.push_back("closed a handle that is not open: " + std::to_string(handle));
}

bool VirtualBus::GetAttributes(HidHandle handle, HidAttributes& attributes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Update();
    auto it = m_handles.find(handle);
    if (it == m_handles.end())
        return false;
    attributes = m_options.interfaces[it->second.iface].attributes;
    return true;
}

bool VirtualBus::GetPreparsedData(HidHandle handle, HidPreparsed& data)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Update();
    auto it = m_handles.find(handle);
    if (it == m_handles.end() || m_options.interfaces[it->second.iface].preparsedFails)
        return false;
    data = m_nextPreparsed;
    m_nextPreparsed += 0x40;
    m_preparsed[data] = it->second.iface;
    return true;
}

void VirtualBus::FreePreparsedData(HidPreparsed data)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_preparsed.erase(data) == 0)
        m_misuse.push_back("freed preparsed data that is not held");
}

std::int32_t VirtualBus::GetCaps(HidPreparsed data, HidCaps& caps)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_preparsed.find(data);
    if (it == m_preparsed.end())
        return kHidpStatusInvalidPreparsedData;
    const VirtualInterface& iface = m_options.interfaces[it->second];
    if (iface.capsStatus != kHidpStatusSuccess)
        return iface.capsStatus;
    caps = iface.caps;
    return kHidpStatusSuccess;
}

std::int32_t VirtualBus::GetFeatureValueCaps(HidPreparsed data, HidValueCaps* list,
                                             std::uint16_t& count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_preparsed.find(data);
    if (it == m_preparsed.end()) {
        count = 0;
        return kHidpStatusInvalidPreparsedData;
    }
    const VirtualInterface& iface = m_options.interfaces[it->second];
    if (iface.valueCapsStatus != kHidpStatusSuccess) {
        count = 0;
        return iface.valueCapsStatus;
    }
    std::size_t have = iface.featureValueCaps.size();
    std::size_t copied = std::min<std::size_t>(have, count);
    if (list == nullptr)
        copied = 0;
    std::copy_n(iface.featureValueCaps.begin(), copied, list);
    count = std::uint16_t(copied);
    return copied < have ? kHidpStatusBufferTooSmall : kHidpStatusSuccess;
}

void VirtualBus::PrepareOverlapped()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_prepareCalls;
    if (m_pending.active)
        m_misuse.push_back("OVERLAPPED reset while a write is in flight");
}

VirtualBus::Access VirtualBus::CheckTransfer(HidHandle handle, HidOpenMode mode)
{
    auto it = m_handles.find(handle);
    if (it == m_handles.end())
        return Access::BadHandle;
    if (it->second.mode != mode)
        return Access::WrongMode;
    const VirtualInterface& iface = m_options.interfaces[it->second.iface];
    if (!iface.configuration)
        return Access::NotConfiguration;
    if (iface.ofMouse && (!m_present || it->second.generation != m_generation))
        return Access::Gone;
    return Access::Ok;
}

const char* VirtualBus::AccessError(Access access)
{
    switch (access) {
    case Access::BadHandle:
        return "invalid handle";
    case Access::WrongMode:
        return "handle not opened for this transfer";
    case Access::NotConfiguration:
        return "no such report on this interface";
    case Access::Gone:
        return "device not connected";
    default:
        return "";
    }
}

void VirtualBus::AfterCommand(const FirmwareReply& reply)
{
    ++m_commands;
    std::uint32_t vanishAt = m_options.faults.vanishAfterCommands;
    if (vanishAt != 0 && m_commands == vanishAt)
        Remove(false);
    else if (reply.leaveBus)
        Remove(!m_options.faults.noReconnect);
}

bool VirtualBus::SetFeature(HidHandle handle, const std::uint8_t* report, std::uint32_t length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Update();
    Access access = CheckTransfer(handle, HidOpenMode::Write);
    if (report == nullptr)
        return false;
    if (access != Access::Ok) {
        JsonLine fields;
        fields.Add("error", AccessError(access));
        Record(trace_dir::kSetFeature, false, "", report, length, fields);
        return false;
    }
    if (Listed(++m_featureReports, m_options.faults.failFeatureReports)) {
        JsonLine fields;
        fields.Add("error", "injected fault");
        std::string cmd = length > 1 ? CommandName(report[1]) : "";
        Record(trace_dir::kSetFeature, false, cmd, report, length, fields);
        return false;
    }
    FirmwareReply reply = m_firmware.SetFeature(report, length);
    Record(trace_dir::kSetFeature, reply.ok, reply.cmd, report, length, reply.fields);
    if (reply.ok)
        AfterCommand(reply);
    return reply.ok;
}

bool VirtualBus::GetFeature(HidHandle handle, std::uint8_t* report, std::uint32_t length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Update();
    Access access = CheckTransfer(handle, HidOpenMode::Read);
    if (report == nullptr)
        return false;
    if (access != Access::Ok) {
        JsonLine fields;
        fields.Add("error", AccessError(access));
        Record(trace_dir::kGetFeature, false, "", report, length, fields);
        return false;
    }
    if (Listed(++m_featureReports, m_options.faults.failFeatureReports)) {
        JsonLine fields;
        fields.Add("error", "injected fault");
        Record(trace_dir::kGetFeature, false, "", report, length, fields);
        return false;
    }
    FirmwareReply reply = m_firmware.GetFeature(report, length);
    Record(trace_dir::kGetFeature, reply.ok, reply.cmd, report, length, reply.fields);
    return reply.ok;
}

bool VirtualBus::WriteOutput(HidHandle handle, const std::uint8_t* data, std::uint32_t length,
                             std::uint32_t& written, std::int32_t& lastError)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Update();
    written = 0;
    if (data == nullptr) {
        lastError = kErrorInvalidParameter;
        return false;
    }
    auto fail = [&](std::int32_t error, std::string_view text) {
        JsonLine fields;
        fields.Add("error", text).Add("last_error", error);
        Record(trace_dir::kOutput, false, "", data, length, fields);
        lastError = error;
        return false;
    };
    if (m_pending.active) {
        m_misuse.push_back("output written while the previous write is in flight");
        return fail(kErrorInvalidParameter, "previous write still in flight");
    }
    Access access = CheckTransfer(handle, HidOpenMode::Write);
    switch (access) {
    case Access::Ok:
        break;
    case Access::BadHandle:
        return fail(win::kInvalidHandle, AccessError(access));
    case Access::WrongMode:
        return fail(win::kAccessDenied, AccessError(access));
    case Access::NotConfiguration:
        return fail(kErrorInvalidParameter, AccessError(access));
    case Access::Gone:
        return fail(win::kDeviceNotConnected, AccessError(access));
    }
    std::uint32_t ordinal = ++m_outputWrites;
    bool vanish = ordinal == m_options.faults.vanishDuringOutput;
    bool stalled = Listed(ordinal, m_options.faults.stalledOutputs);
    if (vanish || stalled || m_options.pendingWrites) {
        m_pending.active = true;
        m_pending.handle = handle;
        m_pending.data.assign(data, data + length);
        m_pending.vanish = vanish;
        m_pending.stalled = stalled;
        lastError = win::kIoPending;
        return false;
    }
    FirmwareReply reply = m_firmware.Output(data, length);
    Record(trace_dir::kOutput, reply.ok, reply.cmd, data, length, reply.fields);
    if (!reply.ok) {
        lastError = kErrorInvalidParameter;
        return false;
    }
    written = length;
    return true;
}

PendingWriteEnd VirtualBus::FinishPendingWrite(HidHandle handle, std::uint32_t timeoutMs,
                                               std::uint32_t& written)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    written = 0;
    if (!m_pending.active) {
        m_misuse.push_back("waited for a write that is not in flight");
        return PendingWriteEnd::Failed;
    }
    if (handle != m_pending.handle)
        m_misuse.push_back("waited for a write on another handle");
    PendingWrite write = m_pending;

    if (write.vanish) {
        m_pending = PendingWrite{};
        JsonLine fields;
        fields.Add("error", "device left while the write was in flight");
        Record(trace_dir::kOutput, false, "", write.data.data(), write.data.size(), fields);
        Remove(false);
        return PendingWriteEnd::Failed;
    }
    if (write.stalled) {
        // The write never completes: the whole wait passes, then it is
        // cancelled and never reaches the firmware.
        lock.unlock();
        m_clock.Sleep(timeoutMs);
        lock.lock();
        m_pending = PendingWrite{};
        Update();
        JsonLine fields;
        fields.Add("error", "still pending after the wait, cancelled").Add("waited_ms", timeoutMs);
        Record(trace_dir::kOutput, false, "", write.data.data(), write.data.size(), fields);
        return PendingWriteEnd::Cancelled;
    }
    m_pending = PendingWrite{};
    Update();
    if (CheckTransfer(write.handle, HidOpenMode::Write) != Access::Ok) {
        JsonLine fields;
        fields.Add("error", "device not connected");
        Record(trace_dir::kOutput, false, "", write.data.data(), write.data.size(), fields);
        return PendingWriteEnd::Failed;
    }
    FirmwareReply reply = m_firmware.Output(write.data.data(), std::uint32_t(write.data.size()));
    Record(trace_dir::kOutput, reply.ok, reply.cmd, write.data.data(), write.data.size(),
           reply.fields);
    if (!reply.ok)
        return PendingWriteEnd::Failed;
    written = std::uint32_t(write.data.size());
    return PendingWriteEnd::Completed;
}

std::vector<Text> VirtualBus::UsbHardwareIds()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Update();
    std::vector<Text> ids = m_options.otherUsbIds;
    if (m_present) {
        Text device = u"USB\\VID_E7A3&PID_" + Hex4(m_options.productId, true) + u"&REV_" +
                      Hex4(kDeviceRevision, true);
        ids.insert(ids.begin() + std::min<std::size_t>(1, ids.size()), device);
        for (int mi = 0; mi < 3; ++mi)
            ids.push_back(device + u"&MI_0" + Text(1, char16_t(u'0' + mi)));
    }
    return ids;
}

void VirtualBus::SetEventHandler(BusEventHandler handler)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handler = std::move(handler);
}

void VirtualBus::Poll()
{
    std::vector<Announcement> due;
    BusEventHandler handler;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        Update();
        due.swap(m_announcements);
        handler = m_handler;
    }
    if (!handler)
        return;
    for (const Announcement& a : due)
        handler(a.event, a.name);
}

std::optional<std::uint32_t> VirtualBus::MillisecondsUntilNextEvent()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Update();
    if (!m_announcements.empty())
        return 0u;
    if (!m_returnPending)
        return std::nullopt;
    std::uint32_t elapsed = m_clock.TickCount() - m_leftAt;
    return elapsed >= m_options.reconnectDelayMs ? 0u : m_options.reconnectDelayMs - elapsed;
}

void VirtualBus::Unplug()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Update();
    Remove(false);
    m_returnPending = false;
}

void VirtualBus::Plug()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Arrive();
}

bool VirtualBus::Present()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Update();
    return m_present;
}

void VirtualBus::RecordWarning(std::string_view text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    JsonLine fields;
    fields.Add("warning", text);
    Record(trace_dir::kConfigWarning, false, "", nullptr, 0, fields);
}

K47DeviceState VirtualBus::State()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.State();
}

std::vector<TraceEntry> VirtualBus::TraceEntries()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::vector<TraceEntry>(m_trace.Entries().begin(), m_trace.Entries().end());
}

std::size_t VirtualBus::OpenHandleCount()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_handles.size();
}

std::size_t VirtualBus::OutstandingPreparsed()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_preparsed.size();
}

bool VirtualBus::InterfaceListOpen()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_listOpen;
}

std::uint32_t VirtualBus::PrepareOverlappedCalls()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_prepareCalls;
}

std::vector<std::string> VirtualBus::Misuse()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_misuse;
}

bool VirtualBus::TraceFileOpen()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_trace.HasFile();
}

} // namespace k47
