// SPDX-License-Identifier: MIT
#include "emu/virtual_config.h"

#include <cstdint>
#include <string_view>

namespace k47 {

namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() &&
           (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

bool ParseUnsigned(std::string_view s, int base, std::uint64_t& value)
{
    s = Trim(s);
    if (base == 16 && s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        s.remove_prefix(2);
    if (s.empty() || s.size() > 12)
        return false;
    value = 0;
    for (char c : s) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        value = value * std::uint64_t(base) + std::uint64_t(digit);
    }
    return true;
}

class Reader {
public:
    Reader(const EnvLookup& getenv, std::vector<std::string>& warnings)
        : m_getenv(getenv), m_warnings(warnings)
    {
    }

    template <typename T>
    void Number(const char* name, T& target, std::uint64_t low, std::uint64_t high, int base = 10)
    {
        const char* text = Get(name);
        if (text == nullptr)
            return;
        std::uint64_t value = 0;
        if (!ParseUnsigned(text, base, value) || value < low || value > high) {
            Warn(name, text,
                 std::string(base == 16 ? "a hexadecimal number" : "a number") + " from " +
                     std::to_string(low) + " to " + std::to_string(high),
                 std::to_string(std::uint64_t(target)));
            return;
        }
        target = T(value);
    }

    void Flag(const char* name, bool& target)
    {
        const char* text = Get(name);
        if (text == nullptr)
            return;
        std::string value(Trim(text));
        for (char& c : value)
            c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        if (value == "1" || value == "true" || value == "yes" || value == "on")
            target = true;
        else if (value.empty() || value == "0" || value == "false" || value == "no" ||
                 value == "off")
            target = false;
        else
            Warn(name, text, "1 or 0", target ? "1" : "0");
    }

    // Comma-separated ordinal numbers from 1.
    void List(const char* name, std::vector<std::uint32_t>& target)
    {
        const char* text = Get(name);
        if (text == nullptr)
            return;
        std::vector<std::uint32_t> values;
        std::string_view rest = text;
        while (!Trim(rest).empty()) {
            std::size_t comma = rest.find(',');
            std::string_view item = rest.substr(0, comma);
            std::uint64_t value = 0;
            if (!ParseUnsigned(item, 10, value) || value == 0 || value > 0xFFFFFFFFu) {
                Warn(name, text, "numbers from 1, separated by commas", "none");
                return;
            }
            values.push_back(std::uint32_t(value));
            if (comma == std::string_view::npos)
                break;
            rest.remove_prefix(comma + 1);
        }
        target = values;
    }

    // A version as 25 or as 2.5.
    void Version(const char* name, std::uint32_t& target)
    {
        const char* text = Get(name);
        if (text == nullptr)
            return;
        std::string_view s = Trim(text);
        std::size_t dot = s.find('.');
        std::uint64_t value = 0;
        bool good;
        if (dot == std::string_view::npos) {
            good = ParseUnsigned(s, 10, value) && value <= kMaxFirmwareVersion;
        } else {
            std::uint64_t major = 0;
            std::uint64_t minor = 0;
            good = ParseUnsigned(s.substr(0, dot), 10, major) && major <= 255 &&
                   s.size() == dot + 2 && ParseUnsigned(s.substr(dot + 1), 10, minor);
            value = major * 10 + minor;
        }
        if (!good) {
            Warn(name, text, "a version such as 25 or 2.5 (at most 255.9)", std::to_string(target));
            return;
        }
        target = std::uint32_t(value);
    }

private:
    const char* Get(const char* name)
    {
        std::string full = std::string(kVirtualMouseVariable) + "_" + name;
        return m_getenv(full.c_str());
    }

    void Warn(const char* name, const char* value, const std::string& expected,
              const std::string& kept)
    {
        m_warnings.push_back(std::string(kVirtualMouseVariable) + "_" + name + "=\"" + value +
                             "\" is not " + expected + "; " + kept + " is used");
    }

    const EnvLookup& m_getenv;
    std::vector<std::string>& m_warnings;
};

} // namespace

VirtualMouseConfig ReadVirtualMouseConfig(const EnvLookup& getenv)
{
    VirtualMouseConfig config;
    const char* trace = getenv(kVirtualMouseVariable);
    if (trace == nullptr)
        return config;
    config.enabled = true;
    config.bus.tracePath = std::string(Trim(trace));
    // A long demo keeps its whole trace in the file only.
    config.bus.traceMemoryLimit = 4096;

    Reader read(getenv, config.warnings);
    FirmwareOptions& firmware = config.bus.firmware;
    VirtualFaults& faults = config.bus.faults;
    read.Version("FIRMWARE", firmware.firmwareVersion);
    read.Number("STATE", firmware.stateValue, 0, 255);
    read.Number("REPORT_ID", firmware.reportId, 1, 255);
    read.Number("REPORT_COUNT", firmware.reportCount, kMinReportCount, 4096);
    read.Number("PRODUCT", config.bus.productId, 0, 0xFFFF, 16);
    read.Number("RECONNECT_MS", config.bus.reconnectDelayMs, 0, 600000);
    read.Flag("PENDING_WRITES", config.bus.pendingWrites);
    read.List("FAIL_FEATURE", faults.failFeatureReports);
    read.List("STALL_OUTPUT", faults.stalledOutputs);
    read.Number("VANISH_AFTER", faults.vanishAfterCommands, 0, 0xFFFFFFFFu);
    read.Number("VANISH_DURING_OUTPUT", faults.vanishDuringOutput, 0, 0xFFFFFFFFu);
    read.Flag("NO_RECONNECT", faults.noReconnect);
    read.Flag("ABSENT", faults.absentAtStart);

    // A foreign pointer listed before the mouse and a foreign keyboard after
    // it, as on a desktop, so that the search has something to pass over.
    config.bus.interfaces = K47Interfaces(firmware, config.bus.productId);
    config.bus.interfaces.insert(config.bus.interfaces.begin(),
                                 ForeignInterface(0x046A, 0x0011, 1));
    VirtualInterface keyboard = ForeignInterface(0x0B05, 0x1866, 2);
    keyboard.caps.usage = 0x06;
    config.bus.interfaces.push_back(keyboard);
    return config;
}

std::unique_ptr<VirtualBus> MakeVirtualBus(const VirtualMouseConfig& config, IClock& clock)
{
    auto bus = std::make_unique<VirtualBus>(config.bus, clock);
    if (!config.bus.tracePath.empty() && !bus->TraceFileOpen())
        bus->RecordWarning("trace file \"" + config.bus.tracePath + "\" cannot be opened");
    for (const std::string& warning : config.warnings)
        bus->RecordWarning(warning);
    return bus;
}

} // namespace k47
