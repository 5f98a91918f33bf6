// SPDX-License-Identifier: MIT
#include "emu/macro_decoder.h"

#include "config/key_usage.h"
#include "config/macro_record.h"

namespace k47 {

namespace {

std::uint32_t LongPauseStep(std::uint8_t scale)
{
    switch (scale) {
    case 0x01:
        return 20;
    case 0x02:
        return 50;
    case 0x03:
        return 100;
    default:
        return 0;
    }
}

} // namespace

DecodedMacro DecodeMacroBuffer(const std::uint8_t* buffer)
{
    DecodedMacro macro;
    macro.repeat = std::uint16_t((buffer[0] << 8) | buffer[1]);

    std::size_t last = 0;
    for (std::size_t unit = 1; unit < kMacroBufferUnits; ++unit) {
        if (buffer[2 * unit] != 0 || buffer[2 * unit + 1] != 0)
            last = unit;
    }
    macro.units = last + 1;

    for (std::size_t unit = 1; unit <= last; ++unit) {
        std::uint8_t head = buffer[2 * unit];
        std::uint8_t data = buffer[2 * unit + 1];
        if (head != 0) {
            std::uint32_t kind = (head & 0x80) ? kMacroEventRelease : kMacroEventPress;
            macro.events.push_back(MacroEvent(kind, UsageToKey(data)));
            // The unit's own marker bit is 1; what lies above it is the pause.
            std::uint32_t steps = std::uint32_t((head & 0x7F) - 1) & 0x7F;
            if (steps != 0)
                macro.events.push_back(MacroEvent(kMacroEventPause, steps * 10));
            continue;
        }
        std::uint32_t step = LongPauseStep(data);
        if (step == 0) {
            ++macro.emptyUnits;
            continue;
        }
        std::uint32_t count = 0;
        if (unit + 1 < kMacroBufferUnits) {
            ++unit;
            count = std::uint32_t((buffer[2 * unit] << 8) | buffer[2 * unit + 1]);
            // A zero count is still the pause's unit.
            if (unit + 1 > macro.units)
                macro.units = unit + 1;
        }
        macro.events.push_back(MacroEvent(kMacroEventPause, count * step));
    }
    return macro;
}

} // namespace k47
