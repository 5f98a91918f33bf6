// SPDX-License-Identifier: MIT
#include "config/xml/utf8_decoder.h"

#include <cstring>

namespace k47 {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool InRange(std::uint8_t b, std::uint8_t low, std::uint8_t high)
{
    return b >= low && b <= high;
}

bool Continuation(std::uint8_t b)
{
    return (b & 0xC0) == 0x80;
}

// How many bytes at the start of an eight-byte word are ASCII, given its high
// bits (not all clear).
int LeadingAscii(std::uint64_t high)
{
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    return __builtin_ctzll(high) / 8;
#else
    return 0; // the byte-wise path below sorts it out
#endif
}

} // namespace

void DecodeUtf8(const std::uint8_t* p, std::size_t n, Text& out)
{
    // Never more units than bytes.
    out.resize(n);
    char16_t* o = &out[0];
    char16_t* const begin = o;
    std::size_t i = 0;
    while (i < n) {
        // Runs of ASCII, eight bytes at a time.
        while (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, p + i, sizeof(word));
            const std::uint64_t high = word & 0x8080808080808080ull;
            if (high != 0) {
                const int ascii = LeadingAscii(high);
                for (int k = 0; k < ascii; ++k)
                    o[k] = p[i + k];
                o += ascii;
                i += static_cast<std::size_t>(ascii);
                break;
            }
            for (int k = 0; k < 8; ++k)
                o[k] = p[i + k];
            o += 8;
            i += 8;
        }
        if (i >= n)
            break;
        const std::uint8_t b = p[i];
        if (b < 0x80) {
            *o++ = b;
            ++i;
            continue;
        }
        if (InRange(b, 0xC2, 0xDF)) {
            if (i + 1 < n && Continuation(p[i + 1])) {
                *o++ = char16_t((b & 0x1F) << 6 | (p[i + 1] & 0x3F));
                i += 2;
                continue;
            }
        } else if (InRange(b, 0xE0, 0xEF)) {
            const std::uint8_t low = b == 0xE0 ? 0xA0 : 0x80;
            const std::uint8_t high = b == 0xED ? 0x9F : 0xBF;
            if (i + 1 < n && InRange(p[i + 1], low, high)) {
                if (i + 2 < n && Continuation(p[i + 2])) {
                    *o++ = char16_t((b & 0x0F) << 12 | (p[i + 1] & 0x3F) << 6 | (p[i + 2] & 0x3F));
                    i += 3;
                    continue;
                }
                *o++ = kReplacement;
                i += 2;
                continue;
            }
        } else if (InRange(b, 0xF0, 0xF4)) {
            const std::uint8_t low = b == 0xF0 ? 0x90 : 0x80;
            const std::uint8_t high = b == 0xF4 ? 0x8F : 0xBF;
            if (i + 1 < n && InRange(p[i + 1], low, high)) {
                std::size_t length = 2;
                if (i + 2 < n && Continuation(p[i + 2])) {
                    length = 3;
                    if (i + 3 < n && Continuation(p[i + 3])) {
                        const char32_t c = char32_t(b & 0x07) << 18 |
                                           char32_t(p[i + 1] & 0x3F) << 12 |
                                           char32_t(p[i + 2] & 0x3F) << 6 | (p[i + 3] & 0x3F);
                        *o++ = char16_t(0xD800 + ((c - 0x10000) >> 10));
                        *o++ = char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
                        i += 4;
                        continue;
                    }
                }
                *o++ = kReplacement;
                i += length;
                continue;
            }
        }
        *o++ = kReplacement;
        ++i;
    }
    out.resize(static_cast<std::size_t>(o - begin));
}

} // namespace k47
