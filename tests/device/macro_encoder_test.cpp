// SPDX-License-Identifier: MIT
#include "device/macro_encoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace k47 {
namespace {

MacroRecord Macro(std::uint32_t repeat, const std::vector<std::uint32_t>& events)
{
    MacroRecord m{};
    m.Repeat = repeat;
    m.EventCount = std::uint32_t(events.size());
    for (std::size_t i = 0; i < events.size(); ++i)
        m.Events[i] = events[i];
    return m;
}

std::uint32_t Press(std::uint32_t vk)
{
    return MacroEvent(kMacroEventPress, vk);
}
std::uint32_t Release(std::uint32_t vk)
{
    return MacroEvent(kMacroEventRelease, vk);
}
std::uint32_t Pause(std::uint32_t ms)
{
    return MacroEvent(kMacroEventPause, ms);
}

TEST(EncodeMacro, EncodesTheDocumentedExamples)
{
    struct Case {
        const char* name;
        std::vector<std::uint32_t> events;
        std::vector<std::uint8_t> afterHeader;
        std::uint32_t units;
    } cases[] = {
        {"first pause of 1500 ms is a long pause in 100 ms units",
         {Pause(1500)},
         {0x00, 0x03, 0x00, 0x0F},
         3},
        {"short pause rides on the press before it",
         {Press('A'), Pause(50), Release('A')},
         {0x06, 0x04, 0x81, 0x04},
         3},
        {"1271 ms after a key is 63 units of 20 ms",
         {Press('A'), Pause(1271)},
         {0x01, 0x04, 0x00, 0x01, 0x00, 0x3F},
         4},
        {"1260 ms still rides: 126 steps of 10 ms",
         {Press('A'), Pause(1260)},
         {0x01 + 126, 0x04},
         2},
        {"1270 ms would carry into the release bit: 20 ms units instead",
         {Press('A'), Pause(1270)},
         {0x01, 0x04, 0x00, 0x01, 0x00, 0x3F},
         4},
        {"short pauses add up while they fit",
         {Release('A'), Pause(300), Pause(200)},
         {0x81 + 50, 0x04},
         2},
        {"one that no longer fits stands alone",
         {Press('A'), Pause(800), Pause(800)},
         {0x01 + 80, 0x04, 0x00, 0x01, 0x00, 40},
         4},
        {"a short pause after a long one never touches its count",
         {Press('A'), Pause(2000), Pause(50)},
         {0x01, 0x04, 0x00, 0x01, 0x00, 100, 0x00, 0x01, 0x00, 2},
         6},
        {"a short pause after an empty unit stands alone",
         {0x12000041, Pause(40)},
         {0x00, 0x00, 0x00, 0x01, 0x00, 2},
         4},
        {"pauses under 10 ms vanish", {Press('A'), Pause(9)}, {0x01, 0x04}, 2},
        {"up to 1310700 ms in 20 ms units",
         {Press('A'), Pause(1310700)},
         {0x01, 0x04, 0x00, 0x01, 0xFF, 0xFF},
         4},
        {"then 50 ms units", {Press('A'), Pause(1310701)}, {0x01, 0x04, 0x00, 0x02, 0x66, 0x66}, 4},
        {"then 100 ms units",
         {Press('A'), Pause(3276751)},
         {0x01, 0x04, 0x00, 0x03, 0x7F, 0xFF},
         4},
        {"a longer pause keeps an empty unit",
         {Press('A'), Pause(6553501)},
         {0x01, 0x04, 0x00, 0x00},
         3},
        {"unknown kinds keep an empty unit",
         {0x12000041, Press(0x0D)},
         {0x00, 0x00, 0x01, 0x28},
         3},
        {"a key not in the usage table gives usage 0", {Press(0xFE)}, {0x01, 0x00}, 2},
        {"mouse buttons use the device's own usages",
         {Press(1), Release(2)},
         {0x01, 0xF0, 0x81, 0xF1},
         3},
        {"a first pause over 65535 ms keeps its length",
         {Pause(70000)},
         {0x00, 0x03, 0x02, 0xBC},
         3},
        {"and stops at the longest count", {Pause(9000000)}, {0x00, 0x03, 0xFF, 0xFF}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MacroBuffer buffer;
        buffer.fill(0xAA);
        EXPECT_EQ(EncodeMacro(Macro(1, c.events), buffer), c.units);
        std::vector<std::uint8_t> got(buffer.begin() + 2,
                                      buffer.begin() + 2 + c.afterHeader.size());
        EXPECT_EQ(got, c.afterHeader);
        for (std::size_t i = 2 + c.afterHeader.size(); i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], 0) << "byte " << i;
    }
}

TEST(EncodeMacro, HeaderIsTheRepeatCountHighByteFirst)
{
    MacroBuffer buffer;
    EncodeMacro(Macro(0x1234, {}), buffer);
    EXPECT_EQ(buffer[0], 0x12);
    EXPECT_EQ(buffer[1], 0x34);
    EXPECT_EQ(EncodeMacro(Macro(kMacroSinglePress, {Press('Q')}), buffer), 2u);
    EXPECT_EQ(buffer[0], 0xFF);
    EXPECT_EQ(buffer[1], 0xFE);
}

TEST(EncodeMacro, StopsAtTheEndOfTheBufferWithAFullMacro)
{
    std::vector<std::uint32_t> events;
    for (int i = 0; i < 500; ++i) {
        events.push_back(Press('A' + i % 26));
        events.push_back(Release('A' + i % 26));
    }
    MacroBuffer buffer;
    const std::uint32_t units = EncodeMacro(Macro(3, events), buffer);
    EXPECT_EQ(units, kMacroMaxUnits);
    // The unit count fits the one byte of the button's function code.
    EXPECT_LE(units, 255u);
    // 254 entries after the header, the last unit unused.
    EXPECT_EQ(buffer[2 * 254], 0x81); // entry 254 is the 127th release
    EXPECT_EQ(buffer[2 * 255], 0x00);
    EXPECT_EQ(buffer[2 * 255 + 1], 0x00);
}

TEST(EncodeMacro, ALongPauseThatWouldCrossTheEndIsDropped)
{
    std::vector<std::uint32_t> events;
    for (int i = 0; i < 253; ++i)
        events.push_back(Press('A'));
    events.push_back(Pause(5000)); // needs two units, one is left
    events.push_back(Press('B'));
    MacroBuffer buffer;
    EXPECT_EQ(EncodeMacro(Macro(1, events), buffer), 254u);
    EXPECT_EQ(buffer[2 * 254], 0x00);
}

TEST(EncodeMacro, EventCountAboveTheSlotIsClamped)
{
    MacroRecord m = Macro(1, {Press('A')});
    m.EventCount = 0xFFFFFFFF; // a corrupt slot reads no further than its events
    MacroBuffer buffer;
    EXPECT_LE(EncodeMacro(m, buffer), kMacroMaxUnits);
}

} // namespace
} // namespace k47
