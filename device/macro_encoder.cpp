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
    // The key entry a short pause may ride on: the unit written last, while it
    // is a press or release.
    std::size_t keyUnit = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t kind = MacroEventKind(macro.Events[i]);
        const std::uint32_t value = MacroEventValue(macro.Events[i]);
        const std::size_t room = kMacroMaxUnits - n;

        if (kind == kMacroEventPress || kind == kMacroEventRelease) {
            if (room < 1)
                break;
            buffer[n * 2] |= kind == kMacroEventPress ? 0x01 : 0x81;
            buffer[n * 2 + 1] = KeyToUsage(value);
            keyUnit = n;
            n += 1;
            continue;
        }
        if (kind == kMacroEventPause && i == 0) {
            if (room < 2)
                break;
            // The whole value counts, up to the longest pause a count can hold.
            const std::uint32_t hundreds = value / 100 < 0xFFFF ? value / 100 : 0xFFFF;
            PutLongPause(buffer, n, 0x03, hundreds);
            n += 2;
        } else if (kind == kMacroEventPause && value <= 1270) {
            const std::uint32_t steps = value / 10;
            if (steps == 0)
                continue;
            // A short pause rides in the low seven bits of the key entry before
            // it, which hold 1 + the steps: while they fit, it costs no unit.
            // Where it would carry into the release bit, add to another
            // pause's count, or follow no key at all, it becomes a pause of
            // its own in 20 ms units.
            const std::uint32_t held = keyUnit != 0 ? buffer[keyUnit * 2] & 0x7Fu : 0x80u;
            if (held + steps <= 0x7F) {
                buffer[keyUnit * 2] = std::uint8_t(buffer[keyUnit * 2] + steps);
                continue;
            }
            if (value / 20 == 0)
                continue;
            if (room < 2)
                break;
            PutLongPause(buffer, n, 0x01, value / 20);
            n += 2;
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
        keyUnit = 0;
    }
    return std::uint32_t(n);
}

} // namespace k47
