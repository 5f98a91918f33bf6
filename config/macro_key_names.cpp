// SPDX-License-Identifier: MIT
#include "config/macro_key_names.h"

namespace k47 {

// clang-format off
const std::array<MacroKeyName, 115> g_MacroKeyNames = {{
    {0x51, u"Q"}, {0x57, u"W"}, {0x45, u"E"}, {0x52, u"R"}, {0x54, u"T"}, {0x59, u"Y"},
    {0x55, u"U"}, {0x49, u"I"}, {0x4F, u"O"}, {0x50, u"P"},
    {0x41, u"A"}, {0x53, u"S"}, {0x44, u"D"}, {0x46, u"F"}, {0x47, u"G"}, {0x48, u"H"},
    {0x4A, u"J"}, {0x4B, u"K"}, {0x4C, u"L"}, {0x5A, u"Z"},
    {0x4B, u"K"}, {0x4C, u"L"}, {0x5A, u"Z"},
    {0x58, u"X"}, {0x43, u"C"}, {0x56, u"V"}, {0x42, u"B"}, {0x4E, u"N"}, {0x4D, u"M"},
    {0xC0, u"~"},
    {0x31, u"1"}, {0x32, u"2"}, {0x33, u"3"}, {0x34, u"4"}, {0x35, u"5"}, {0x36, u"6"},
    {0x37, u"7"}, {0x38, u"8"}, {0x39, u"9"}, {0x30, u"0"},
    {0xBD, u"-"}, {0xBB, u"="}, {0x08, u"Backspace"}, {0xDC, u"|"}, {0xDB, u"["},
    {0xDD, u"]"}, {0xBA, u";"}, {0xDE, u"'"}, {0x0D, u"Enter"}, {0xBC, u"<"}, {0xBE, u">"},
    {0xBF, u"?"}, {0x09, u"Tab"}, {0x14, u"Cap"},
    {0xA0, u"L_Shift"}, {0xA2, u"L_Ctrl"}, {0xA4, u"L_Alt"}, {0x5B, u"L_Win"},
    {0xA1, u"R_Shift"}, {0xA3, u"R_Ctrl"}, {0xA5, u"R_Alt"}, {0x5C, u"R_Win"},
    {0x20, u"Space"}, {0x1B, u"ESC"},
    {0x70, u"F1"}, {0x71, u"F2"}, {0x72, u"F3"}, {0x73, u"F4"}, {0x74, u"F5"}, {0x75, u"F6"},
    {0x76, u"F7"}, {0x77, u"F8"}, {0x78, u"F9"}, {0x79, u"F10"}, {0x7A, u"F11"}, {0x7B, u"F12"},
    {0x61, u"NUM 1"}, {0x62, u"NUM 2"}, {0x63, u"NUM 3"}, {0x64, u"NUM 4"}, {0x65, u"NUM 5"},
    {0x66, u"NUM 6"}, {0x67, u"NUM 7"}, {0x68, u"NUM 8"}, {0x69, u"NUM 9"}, {0x60, u"NUM 0"},
    {0x6D, u"NUM -"}, {0x6B, u"NUM +"}, {0x6A, u"NUM *"}, {0x6F, u"NUM /"},
    {0x6C, u"NUM Enter"}, {0x6E, u"NUM Del"}, {0x90, u"NUM Lock"},
    {0x2A, u"Print"}, {0x91, u"Scroll"}, {0x13, u"Pause"}, {0x2D, u"Insert"}, {0x24, u"Home"},
    {0x2E, u"Delete"}, {0x23, u"End"}, {0x21, u"Page Up"}, {0x22, u"Page Down"},
    {0x26, u"UP"}, {0x28, u"DOWN"}, {0x25, u"LEFT"}, {0x27, u"RIGHT"},
    {0x1001, u"L key"}, {0x1002, u"R key"}, {0x1003, u"M key"}, {0x1004, u"4 key"},
    {0x1005, u"5 key"}, {0x1006, u"Scroll"},
    {0x01, u"Left Button"}, {0x02, u"Right Button"}, {0x04, u"Middle Button"},
}};
// clang-format on

const MacroKeyName* FindMacroKeyName(std::uint32_t virtualKey)
{
    for (const MacroKeyName& row : g_MacroKeyNames) {
        if (row.virtualKey == virtualKey)
            return &row;
    }
    return nullptr;
}

} // namespace k47
