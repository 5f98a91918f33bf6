// SPDX-License-Identifier: MIT
#include "emu/macro_decoder.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "config/macro_record.h"

namespace k47 {
namespace {

std::vector<std::uint8_t> Buffer(std::initializer_list<std::uint8_t> bytes)
{
    std::vector<std::uint8_t> buffer(kMacroBufferSize, 0);
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    return buffer;
}

constexpr std::uint32_t Press(std::uint32_t key)
{
    return MacroEvent(kMacroEventPress, key);
}
constexpr std::uint32_t Release(std::uint32_t key)
{
    return MacroEvent(kMacroEventRelease, key);
}
constexpr std::uint32_t Pause(std::uint32_t ms)
{
    return MacroEvent(kMacroEventPause, ms);
}

TEST(MacroDecoder, UnitsReadBackAsEvents)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> buffer;
        std::uint16_t repeat;
        std::vector<std::uint32_t> events;
        std::size_t units;
    };
    const Case cases[] = {
        {"empty", Buffer({}), 0, {}, 1},
        {"first pause in 100 ms",
         Buffer({0x00, 0x01, 0x00, 0x03, 0x00, 0x0F}),
         1,
         {Pause(1500)},
         3},
        {"press, 50 ms, release",
         Buffer({0x00, 0x01, 0x06, 0x04, 0x81, 0x04}),
         1,
         {Press(0x41), Pause(50), Release(0x41)},
         3},
        {"long pause in 20 ms",
         Buffer({0x00, 0x02, 0x01, 0x04, 0x00, 0x01, 0x00, 0x3F, 0x81, 0x04}),
         2,
         {Press(0x41), Pause(1260), Release(0x41)},
         5},
        {"long pause in 50 ms",
         Buffer({0x01, 0x00, 0x01, 0x28, 0x00, 0x02, 0x6A, 0xAA}),
         256,
         {Press(0x0D), Pause(50 * 0x6AAA)},
         4},
        {"a zero count still takes its unit",
         Buffer({0xFF, 0xFE, 0x00, 0x03, 0x00, 0x00}),
         0xFFFE,
         {Pause(0)},
         3},
        {"a short pause on a release, mouse button usage",
         Buffer({0x00, 0x01, 0x01, 0xF0, 0x81 + 12, 0xF0}),
         1,
         {Press(0x01), Release(0x01), Pause(120)},
         3},
        {"an empty unit in between",
         Buffer({0x00, 0x01, 0x01, 0x05, 0x00, 0x00, 0x81, 0x05}),
         1,
         {Press(0x42), Release(0x42)},
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DecodedMacro macro = DecodeMacroBuffer(c.buffer.data());
        EXPECT_EQ(macro.repeat, c.repeat);
        EXPECT_EQ(macro.events, c.events);
        EXPECT_EQ(macro.units, c.units);
    }
}

TEST(MacroDecoder, AFullBufferEndsAtItsLastUnit)
{
    std::vector<std::uint8_t> buffer(kMacroBufferSize, 0);
    for (std::size_t unit = 1; unit < kMacroBufferUnits; ++unit) {
        buffer[2 * unit] = (unit % 2) ? 0x01 : 0x81;
        buffer[2 * unit + 1] = 0x04;
    }
    // A long pause that starts in the last unit has no count after it.
    buffer[2 * 255] = 0x00;
    buffer[2 * 255 + 1] = 0x01;
    DecodedMacro macro = DecodeMacroBuffer(buffer.data());
    EXPECT_EQ(macro.units, kMacroBufferUnits);
    ASSERT_EQ(macro.events.size(), 255u);
    EXPECT_EQ(macro.events.back(), Pause(0));
}

} // namespace
} // namespace k47
