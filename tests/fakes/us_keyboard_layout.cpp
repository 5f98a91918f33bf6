// SPDX-License-Identifier: MIT
#include "fakes/us_keyboard_layout.h"

namespace k47::test {

std::uint8_t UsKeyboardLayout::KeyCharacter(std::uint32_t vk)
{
    if (vk >= 'A' && vk <= 'Z')
        return static_cast<std::uint8_t>(vk - 'A' + 'a');
    if (vk >= '0' && vk <= '9')
        return static_cast<std::uint8_t>(vk);
    switch (vk) {
    case 0x08:
        return '\b';
    case 0x09:
        return '\t';
    case 0x0D:
        return '\r';
    case 0x1B:
        return 0x1B;
    case 0x20:
        return ' ';
    case 0x6A:
        return '*';
    case 0x6B:
        return '+';
    case 0x6D:
        return '-';
    case 0x6F:
        return '/';
    case 0xBA:
        return ';';
    case 0xBB:
        return '=';
    case 0xBC:
        return ',';
    case 0xBD:
        return '-';
    case 0xBE:
        return '.';
    case 0xBF:
        return '/';
    case 0xC0:
        return '`';
    case 0xDB:
        return '[';
    case 0xDC:
        return '\\';
    case 0xDD:
        return ']';
    case 0xDE:
        return '\'';
    default:
        return 0;
    }
}

} // namespace k47::test
