// SPDX-License-Identifier: MIT
#pragma once
// The firmware of the virtual K47: answers the two queries and decodes every
// configuration command, with the output reports that carry its data, into
// the state the mouse keeps. It knows nothing of buses and handles; the
// virtual bus hands it the reports that reach its configuration interface.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "device/device_commands.h"
#include "emu/json_line.h"
#include "emu/macro_decoder.h"

namespace k47 {

constexpr std::size_t kSensitivityTableSize = 16;
constexpr std::size_t kDeviceMacroSlots = 8; // slots 0-7; buttons play 1-7
constexpr std::size_t kOutputReportLength = 33;

struct FirmwareOptions {
    // Answered to the version query as version / 10, version % 10: 25 is "2.5".
    std::uint32_t firmwareVersion = 25;
    // Answer byte 3 of the state query.
    std::uint8_t stateValue = 1;
    // The configuration feature report: its ID and payload length (at least
    // kMinReportCount, the longest command).
    std::uint8_t reportId = 7;
    std::uint16_t reportCount = 64;
};

constexpr std::uint16_t kMinReportCount = 5;

// Highest version the two answer bytes can carry.
constexpr std::uint32_t kMaxFirmwareVersion = 255 * 10 + 9;

struct LightColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

struct MacroSlotState {
    bool written = false;
    std::array<std::uint8_t, kMacroBufferSize> raw{};
    DecodedMacro decoded;
};

// What the mouse holds. Nothing is written at power-up; the counters say how
// often each part was received complete.
struct K47DeviceState {
    std::array<std::uint32_t, kButtonTableSlots> buttonTable{};
    std::array<std::uint8_t, kSensitivityTableSize> sensitivity{};
    std::array<MacroSlotState, kDeviceMacroSlots> macros{};
    std::uint8_t reportRate = 1;
    std::uint8_t lightSwitch = 0;
    LightColour lightColour;
    std::array<std::uint8_t, 3> lightMode{};

    std::uint32_t commands = 0; // feature reports accepted, queries included
    std::uint32_t buttonTableWrites = 0;
    std::uint32_t sensitivityWrites = 0;
    std::uint32_t macroWrites = 0;
    std::uint32_t reportRateWrites = 0;
    std::uint32_t lightSwitchWrites = 0;
    std::uint32_t lightColourWrites = 0;
    std::uint32_t lightModeWrites = 0;

    std::uint32_t rejectedReports = 0;    // feature or output reports the firmware refused
    std::uint32_t strayOutputs = 0;       // output reports while no data was expected
    std::uint32_t abandonedTransfers = 0; // data blocks cut short by a new command or a reset
};

// The outcome of one report, and the fields its trace line carries.
struct FirmwareReply {
    bool ok = false;
    bool leaveBus = false; // the mouse restarts: it leaves the bus and comes back
    std::string cmd;
    JsonLine fields;
};

class VirtualK47 {
public:
    explicit VirtualK47(const FirmwareOptions& options);

    const FirmwareOptions& Options() const { return m_options; }
    const K47DeviceState& State() const { return m_state; }

    // A feature report set by the host, length bytes, report ID first.
    FirmwareReply SetFeature(const std::uint8_t* report, std::uint32_t length);
    // A feature report read by the host: the answer to the last query.
    FirmwareReply GetFeature(std::uint8_t* report, std::uint32_t length);
    // An output report; data of the command that announced it.
    FirmwareReply Output(const std::uint8_t* report, std::uint32_t length);

    // A restart: the pending answer and any unfinished data block are gone,
    // the configuration stays.
    void Restart();

private:
    struct Block {
        std::uint8_t command = 0;
        std::uint8_t slot = 0;
        std::size_t length = 0; // bytes announced
        std::size_t reports = 0;
        std::size_t received = 0;
        std::vector<std::uint8_t> data;
    };

    FirmwareReply Reject(std::string cmd, std::string_view error);
    FirmwareReply Command(const std::uint8_t* report);
    FirmwareReply StartBlock(const std::uint8_t* report, std::uint8_t command, std::string cmd);
    void FinishBlock(JsonLine& fields);
    void AbandonBlock();

    FirmwareOptions m_options;
    K47DeviceState m_state;
    std::vector<std::uint8_t> m_answer; // feature report returned by the next read
    std::string m_answerCmd;
    bool m_blockActive = false;
    Block m_block;
};

// Counts per inch of a sensitivity level code; 0 for a code that names none.
std::uint32_t SensitivityCodeToCpi(std::uint8_t code);

// The trace's name of a command byte.
const char* CommandName(std::uint8_t command);

} // namespace k47
