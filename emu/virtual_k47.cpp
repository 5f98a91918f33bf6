// SPDX-License-Identifier: MIT
#include "emu/virtual_k47.h"

#include <cstring>

#include "config/macro_record.h"

namespace k47 {

namespace {

constexpr std::size_t kDataPerReport = kOutputReportLength - 1;

// Bytes 1 onward that a command names; everything after them must be 0.
std::size_t NamedBytes(std::uint8_t command)
{
    switch (command) {
    case kCmdVersion:
        return 1;
    case kCmdState:
    case kCmdReportRate:
        return 2;
    case kCmdLightSwitch:
        return 3;
    default:
        return 5;
    }
}

std::uint32_t ReportsPerSecond(std::uint8_t rate)
{
    switch (rate) {
    case 1:
        return 1000;
    case 2:
        return 500;
    case 4:
        return 250;
    case 8:
        return 125;
    default:
        return 0;
    }
}

std::string EventsJson(const std::vector<std::uint32_t>& events)
{
    std::string out = "[";
    for (std::uint32_t event : events) {
        if (out.size() > 1)
            out.push_back(',');
        const char* kind = "other";
        switch (MacroEventKind(event)) {
        case kMacroEventPress:
            kind = "press";
            break;
        case kMacroEventRelease:
            kind = "release";
            break;
        case kMacroEventPause:
            kind = "pause";
            break;
        }
        out += "{" + JsonString(kind) + ":" + std::to_string(MacroEventValue(event)) + "}";
    }
    out.push_back(']');
    return out;
}

} // namespace

std::uint32_t SensitivityCodeToCpi(std::uint8_t code)
{
    switch (code) {
    case 0x01:
        return 250;
    case 0x02:
        return 500;
    case 0x03:
        return 750;
    case 0x04:
        return 1000;
    case 0x05:
        return 1250;
    case 0x06:
        return 1500;
    case 0x07:
        return 1750;
    case 0x08:
        return 2000;
    case 0x25:
        return 2500;
    case 0x26:
        return 3000;
    default:
        return 0;
    }
}

const char* CommandName(std::uint8_t command)
{
    switch (command) {
    case kCmdReportRate:
        return "report_rate";
    case kCmdLightSwitch:
        return "light_switch";
    case kCmdLightColour:
        return "light_colour";
    case kCmdLightMode:
        return "light_mode";
    case kCmdSensitivity:
        return "sensitivity";
    case kCmdButtonTable:
        return "button_table";
    case kCmdMacro:
        return "macro";
    case kCmdVersion:
        return "version_query";
    case kCmdState:
        return "state_query";
    default:
        return "unknown";
    }
}

VirtualK47::VirtualK47(const FirmwareOptions& options) : m_options(options)
{
    if (m_options.reportCount < kMinReportCount)
        m_options.reportCount = kMinReportCount;
}

void VirtualK47::Restart()
{
    AbandonBlock();
    m_answer.clear();
    m_answerCmd.clear();
}

void VirtualK47::AbandonBlock()
{
    if (m_blockActive)
        ++m_state.abandonedTransfers;
    m_blockActive = false;
    m_block = Block{};
}

FirmwareReply VirtualK47::Reject(std::string cmd, std::string_view error)
{
    ++m_state.rejectedReports;
    FirmwareReply reply;
    reply.ok = false;
    reply.cmd = std::move(cmd);
    reply.fields.Add("error", error);
    return reply;
}

FirmwareReply VirtualK47::SetFeature(const std::uint8_t* report, std::uint32_t length)
{
    if (length != std::uint32_t(m_options.reportCount) + 1)
        return Reject("", "feature report length " + std::to_string(length) + ", expected " +
                              std::to_string(m_options.reportCount + 1));
    if (report[0] != m_options.reportId)
        return Reject("", "report ID " + std::to_string(report[0]));

    // Commands read up to byte 5; a short report reads as zeros there.
    std::vector<std::uint8_t> bytes(report, report + length);
    if (bytes.size() < 8)
        bytes.resize(8, 0);
    std::uint8_t command = bytes[1];
    std::string cmd = CommandName(command);
    if (cmd == "unknown")
        return Reject(cmd, "unknown command " + std::to_string(command));
    for (std::size_t i = NamedBytes(command) + 1; i < length; ++i) {
        if (bytes[i] != 0)
            return Reject(cmd, "byte " + std::to_string(i) + " is not 0");
    }
    return Command(bytes.data());
}

FirmwareReply VirtualK47::Command(const std::uint8_t* report)
{
    std::uint8_t command = report[1];
    std::string cmd = CommandName(command);
    AbandonBlock();

    FirmwareReply reply;
    reply.ok = true;
    reply.cmd = cmd;
    std::size_t answerLength = std::size_t(m_options.reportCount) + 1;
    m_answer.clear();
    m_answerCmd.clear();

    switch (command) {
    case kCmdVersion: {
        std::uint32_t version = m_options.firmwareVersion;
        if (version > kMaxFirmwareVersion)
            version = kMaxFirmwareVersion;
        m_answer.assign(answerLength, 0);
        m_answer[1] = kCmdVersion;
        m_answer[2] = std::uint8_t(version / 10);
        m_answer[3] = std::uint8_t(version % 10);
        m_answerCmd = cmd;
        break;
    }
    case kCmdState:
        if (report[2] != 0x01)
            return Reject(cmd, "state query selector " + std::to_string(report[2]));
        m_answer.assign(answerLength, 0);
        m_answer[1] = kCmdState;
        m_answer[2] = 0x01;
        m_answer[3] = m_options.stateValue;
        m_answerCmd = cmd;
        break;
    case kCmdReportRate: {
        std::uint32_t perSecond = ReportsPerSecond(report[2]);
        if (perSecond == 0)
            return Reject(cmd, "report rate " + std::to_string(report[2]));
        m_state.reportRate = report[2];
        ++m_state.reportRateWrites;
        reply.fields.Add("rate", int(report[2])).Add("reports_per_second", perSecond);
        reply.leaveBus = true;
        break;
    }
    case kCmdLightSwitch:
        if (report[2] != 0x90)
            return Reject(cmd, "light switch selector " + std::to_string(report[2]));
        if (report[3] != 0x00 && report[3] != 0x80)
            return Reject(cmd, "light switch value " + std::to_string(report[3]));
        m_state.lightSwitch = report[3];
        ++m_state.lightSwitchWrites;
        reply.fields.Add("switch", int(report[3])).Add("on", report[3] == 0x80);
        break;
    case kCmdLightColour: {
        if (report[2] != 0x01)
            return Reject(cmd, "light colour selector " + std::to_string(report[2]));
        m_state.lightColour.green = report[3];
        m_state.lightColour.red = report[4];
        m_state.lightColour.blue = report[5];
        ++m_state.lightColourWrites;
        std::uint8_t rgb[3] = {report[4], report[3], report[5]};
        reply.fields.Add("red", int(report[4]))
            .Add("green", int(report[3]))
            .Add("blue", int(report[5]))
            .Add("colour", "#" + HexBytes(rgb, 3));
        break;
    }
    case kCmdLightMode:
        if (report[2] != 0x01)
            return Reject(cmd, "light mode selector " + std::to_string(report[2]));
        m_state.lightMode = {report[3], report[4], report[5]};
        ++m_state.lightModeWrites;
        reply.fields.Add("mode", int(report[3]))
            .Add("level", int(report[4]))
            .Add("param", int(report[5]));
        break;
    case kCmdSensitivity:
    case kCmdButtonTable:
    case kCmdMacro:
        return StartBlock(report, command, cmd);
    }
    ++m_state.commands;
    return reply;
}

// The data commands announce their length in bytes 4 and 5, low byte first,
// and the output reports that carry it follow.
FirmwareReply VirtualK47::StartBlock(const std::uint8_t* report, std::uint8_t command,
                                     std::string cmd)
{
    std::size_t length = std::size_t(report[4]) | (std::size_t(report[5]) << 8);
    std::size_t expected = 0;
    std::uint8_t selector = 0;
    switch (command) {
    case kCmdSensitivity:
        expected = kSensitivityTableSize;
        selector = 0x03;
        break;
    case kCmdButtonTable:
        expected = kButtonTableSlots * 4;
        selector = 0x00;
        break;
    default:
        expected = kMacroBufferSize;
        selector = report[3];
        break;
    }
    if (report[2] != 0x01)
        return Reject(cmd, "selector " + std::to_string(report[2]));
    if (report[3] != selector || (command == kCmdMacro && selector >= kDeviceMacroSlots))
        return Reject(cmd, "byte 3 is " + std::to_string(report[3]));
    if (length != expected)
        return Reject(cmd, "length " + std::to_string(length) + ", expected " +
                               std::to_string(expected));

    m_blockActive = true;
    m_block.command = command;
    m_block.slot = report[3];
    m_block.length = length;
    m_block.reports = (length + kDataPerReport - 1) / kDataPerReport;
    m_block.data.reserve(m_block.reports * kDataPerReport);
    ++m_state.commands;

    FirmwareReply reply;
    reply.ok = true;
    reply.cmd = cmd;
    if (command == kCmdMacro)
        reply.fields.Add("slot", int(m_block.slot));
    reply.fields.Add("length", std::int64_t(length)).Add("reports", std::int64_t(m_block.reports));
    return reply;
}

FirmwareReply VirtualK47::GetFeature(std::uint8_t* report, std::uint32_t length)
{
    if (length != std::uint32_t(m_options.reportCount) + 1)
        return Reject("", "feature report length " + std::to_string(length) + ", expected " +
                              std::to_string(m_options.reportCount + 1));
    if (report[0] != m_options.reportId)
        return Reject("", "report ID " + std::to_string(report[0]));

    std::memset(report + 1, 0, length - 1);
    FirmwareReply reply;
    reply.ok = true;
    if (m_answer.empty()) {
        reply.cmd = "none";
        return reply;
    }
    std::memcpy(report + 1, m_answer.data() + 1, length - 1);
    reply.cmd = m_answerCmd;
    if (m_answer[1] == kCmdVersion)
        reply.fields.Add("version", int(m_answer[2]) * 10 + int(m_answer[3]));
    else if (m_answer[1] == kCmdState)
        reply.fields.Add("state", int(m_answer[3]));
    return reply;
}

FirmwareReply VirtualK47::Output(const std::uint8_t* report, std::uint32_t length)
{
    if (length != kOutputReportLength)
        return Reject("", "output report length " + std::to_string(length));
    if (report[0] != m_options.reportId)
        return Reject("", "report ID " + std::to_string(report[0]));

    FirmwareReply reply;
    reply.ok = true;
    if (!m_blockActive) {
        ++m_state.strayOutputs;
        reply.fields.Add("stray", true);
        return reply;
    }
    reply.cmd = CommandName(m_block.command);
    m_block.data.insert(m_block.data.end(), report + 1, report + kOutputReportLength);
    ++m_block.received;
    reply.fields.Add("chunk", std::int64_t(m_block.received))
        .Add("of", std::int64_t(m_block.reports));
    if (m_block.received == m_block.reports)
        FinishBlock(reply.fields);
    return reply;
}

void VirtualK47::FinishBlock(JsonLine& fields)
{
    const std::uint8_t* data = m_block.data.data();
    switch (m_block.command) {
    case kCmdSensitivity: {
        std::memcpy(m_state.sensitivity.data(), data, kSensitivityTableSize);
        ++m_state.sensitivityWrites;
        std::string cpi = "[";
        for (std::size_t i = 0; i < 3; ++i)
            cpi += (i ? "," : "") + std::to_string(SensitivityCodeToCpi(data[i]));
        cpi += "]";
        fields.Add("table", HexBytes(data, kSensitivityTableSize)).AddJson("cpi", cpi);
        break;
    }
    case kCmdButtonTable: {
        std::string codes = "[";
        for (std::size_t slot = 0; slot < kButtonTableSlots; ++slot) {
            const std::uint8_t* p = data + 4 * slot;
            std::uint32_t code = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                                 (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
            m_state.buttonTable[slot] = code;
            codes += (slot ? "," : "") + JsonString(Hex32(code));
        }
        codes += "]";
        ++m_state.buttonTableWrites;
        fields.AddJson("buttons", codes);
        break;
    }
    default: {
        MacroSlotState& slot = m_state.macros[m_block.slot];
        slot.written = true;
        std::memcpy(slot.raw.data(), data, kMacroBufferSize);
        slot.decoded = DecodeMacroBuffer(slot.raw.data());
        ++m_state.macroWrites;
        fields.Add("slot", int(m_block.slot))
            .Add("repeat", int(slot.decoded.repeat))
            .Add("units", std::int64_t(slot.decoded.units))
            .AddJson("events", EventsJson(slot.decoded.events));
        break;
    }
    }
    m_blockActive = false;
    m_block = Block{};
}

} // namespace k47
