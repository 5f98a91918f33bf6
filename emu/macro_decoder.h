// SPDX-License-Identifier: MIT
#pragma once
// Reads a macro slot as the mouse holds it back into the event words of the
// macro library, so that what reached the device can be compared with what
// the user recorded.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "device/macro_encoder.h"

namespace k47 {

struct DecodedMacro {
    std::uint16_t repeat = 0;
    // Event words (kind in bits 24-31, value in bits 0-23): presses and
    // releases carry the virtual key of their usage, pauses milliseconds.
    std::vector<std::uint32_t> events;
    // Units up to and including the last one that is not empty, the header
    // counted: the count the uploader reports unless it ended in empty units.
    std::size_t units = 1;
    // Empty units (0x00 0x00) met before the last used one; the uploader
    // writes one for an event it cannot express.
    std::size_t emptyUnits = 0;
};

// Decodes the 512-byte buffer of one macro slot. A short pause rides in the
// low seven bits of the press or release unit before it (one more than the
// number of 10 ms steps); long pauses are 0x00 0x01 / 0x02 / 0x03 followed by
// a 16-bit count, high byte first, of 20, 50 or 100 ms.
DecodedMacro DecodeMacroBuffer(const std::uint8_t* buffer);

} // namespace k47
