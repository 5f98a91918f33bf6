// SPDX-License-Identifier: MIT
#include "device/macro_encoder.h"

#include "config/key_usage.h"

namespace k47 {
namespace {

// Writes a long pause: a marker unit 0x00, scale, then the 16-bit count high byte first.
void PutLongPause(MacroBuffer& buffer, std::size_t unit, std::uint8_t scale, std::uint32_t count)
{
    buffer[unit * 2] = 0x00;
    buffer[unit * 2 + 1] = scale;
    buffer[unit * 2 + 2] = std::uint8_t(count >> 8);
    buffer[unit * 2 + 3] = std::uint8_t(count);
}

} // namespace

std::uint32_t EncodeMacro(const MacroRecord& macro, MacroBuffer& buffer)
{
    buffer.fill(0);
    buffer[0] = std::uint8_t(macro.Repeat >> 8);
    buffer[1] = std::uint8_t(macro.Repeat);

    const std::uint32_t count =
        macro.EventCount < kMacroMaxEvents ? macro.EventCount : std::uint32_t(kMacroMaxEvents);
    std::size_t n = 1;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t kind = MacroEventKind(macro.Events[i]);
        const std::uint32_t value = MacroEventValue(macro.Events[i]);
        const std::size_t room = kMacroMaxUnits - n;

        if (kind == kMacroEventPress || kind == kMacroEventRelease) {
            if (room < 1)
                break;
            buffer[n * 2] |= kind == kMacroEventPress ? 0x01 : 0x81;
            buffer[n * 2 + 1] = KeyToUsage(value);
            n += 1;
        } else if (kind == kMacroEventPause && i == 0) {
            if (room < 2)
                break;
            PutLongPause(buffer, n, 0x03, (value & 0xFFFF) / 100);
            n += 2;
        } else if (kind == kMacroEventPause && value <= 1270) {
            // A short pause rides in the low seven bits of the entry before it.
            buffer[(n - 1) * 2] = std::uint8_t(buffer[(n - 1) * 2] + ((value / 10) & 0x7F));
        } else if (kind == kMacroEventPause && value <= 6553500) {
            if (room < 2)
                break;
            if (value <= 1310700)
                PutLongPause(buffer, n, 0x01, value / 20);
            else if (value <= 3276750)
                PutLongPause(buffer, n, 0x02, value / 50);
            else
                PutLongPause(buffer, n, 0x03, value / 100);
            n += 2;
        } else {
            // Over-long pauses and words of no known kind keep an empty unit.
            if (room < 1)
                break;
            n += 1;
        }
    }
    return std::uint32_t(n);
}

} // namespace k47
