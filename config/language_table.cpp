// SPDX-License-Identifier: MIT
#include "config/language_table.h"

namespace k47 {

// Korean and German carry their menu pictures in the opposite order to their
// rows; the flag bitmaps follow the rows.
// clang-format off
const std::array<LanguageRow, 12> kLanguageTable = {{
    { 1, u"Chinese",      u"Language\\sc.xml",    173, 185, 1},
    { 2, u"English",      u"Language\\en.xml",    174, 186, 0},
    { 3, u"French",       u"Language\\fre.xml",   175, 187, 0},
    { 4, u"Korean",       u"Language\\kor.xml",   176, 189, 0},
    { 5, u"German",       u"Language\\ger.xml",   177, 188, 0},
    { 6, u"Italian",      u"Language\\ita.xml",   178, 190, 0},
    { 7, u"Spanish",      u"Language\\span.xml",  179, 191, 0},
    { 8, u"Dutch",        u"Language\\dutch.xml", 180, 192, 0},
    { 9, u"Portuguese",   u"Language\\pt.xml",    181, 193, 0},
    {10, u"Russian",      u"Language\\rus.xml",   182, 194, 0},
    {11, u"Ukrainian",    u"Language\\ukr.xml",   183, 195, 0},
    {12, u"Trad.Chinese", u"Language\\tw.xml",    184, 196, 1},
}};
// clang-format on

const LanguageRow* FindLanguage(std::int32_t index)
{
    if (index < 1 || index > std::int32_t(kLanguageTable.size()))
        return nullptr;
    return &kLanguageTable[std::size_t(index - 1)];
}

} // namespace k47
