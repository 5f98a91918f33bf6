// SPDX-License-Identifier: MIT
#ifndef _WIN32

#include "fakes/iconv_code_pages.h"

#include <cerrno>
#include <iconv.h>

namespace k47::test {
namespace {

struct CodePageName {
    std::uint32_t codePage;
    const char* name;
};

// Windows code pages by the names glibc knows them under.
constexpr CodePageName kNames[] = {
    {37, "IBM037"},          {420, "IBM420"},
    {437, "IBM437"},         {500, "IBM500"},
    {708, "ASMO-708"},       {737, "CP737"},
    {775, "CP775"},          {850, "IBM850"},
    {852, "IBM852"},         {855, "IBM855"},
    {857, "IBM857"},         {860, "IBM860"},
    {861, "IBM861"},         {862, "IBM862"},
    {863, "IBM863"},         {864, "IBM864"},
    {865, "IBM865"},         {866, "IBM866"},
    {869, "IBM869"},         {870, "IBM870"},
    {874, "CP874"},          {875, "IBM875"},
    {932, "CP932"},          {936, "CP936"},
    {949, "CP949"},          {950, "CP950"},
    {1026, "IBM1026"},       {1140, "IBM1140"},
    {1141, "IBM1141"},       {1142, "IBM1142"},
    {1143, "IBM1143"},       {1144, "IBM1144"},
    {1145, "IBM1145"},       {1146, "IBM1146"},
    {1147, "IBM1147"},       {1148, "IBM1148"},
    {1149, "IBM1149"},       {1200, "UTF-16LE"},
    {1201, "UTF-16BE"},      {1250, "CP1250"},
    {1251, "CP1251"},        {1252, "CP1252"},
    {1253, "CP1253"},        {1254, "CP1254"},
    {1255, "CP1255"},        {1256, "CP1256"},
    {1257, "CP1257"},        {1258, "CP1258"},
    {1361, "JOHAB"},         {10000, "MACINTOSH"},
    {10007, "MAC-CYRILLIC"}, {10029, "MAC-CENTRALEUROPE"},
    {10079, "MAC-IS"},       {20127, "ASCII"},
    {20273, "IBM273"},       {20277, "IBM277"},
    {20278, "IBM278"},       {20280, "IBM280"},
    {20284, "IBM284"},       {20285, "IBM285"},
    {20290, "IBM290"},       {20297, "IBM297"},
    {20423, "IBM423"},       {20424, "IBM424"},
    {20866, "KOI8-R"},       {20871, "IBM871"},
    {20880, "IBM880"},       {20905, "IBM905"},
    {21025, "IBM1025"},      {21866, "KOI8-U"},
    {28591, "ISO-8859-1"},   {28592, "ISO-8859-2"},
    {28593, "ISO-8859-3"},   {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},   {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},   {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},   {28603, "ISO-8859-13"},
    {28605, "ISO-8859-15"},  {38598, "ISO-8859-8"},
    {50220, "ISO-2022-JP"},  {50221, "ISO-2022-JP"},
    {50222, "ISO-2022-JP"},  {50225, "ISO-2022-KR"},
    {51932, "EUC-JP"},       {51936, "EUC-CN"},
    {51949, "EUC-KR"},       {65000, "UTF-7"},
    {65001, "UTF-8"},
};

class Converter {
public:
    explicit Converter(const char* from) : m_cd(iconv_open("UTF-16LE", from)) {}
    ~Converter()
    {
        if (Ok())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return m_cd; }

private:
    iconv_t m_cd;
};

void AppendUnits(const char* buffer, std::size_t size, Text& out)
{
    for (std::size_t i = 0; i + 1 < size; i += 2)
        out.push_back(char16_t(static_cast<unsigned char>(buffer[i]) |
                               static_cast<unsigned char>(buffer[i + 1]) << 8));
}

} // namespace

const char* IconvCodePages::IconvName(std::uint32_t codePage)
{
    for (const CodePageName& entry : kNames)
        if (entry.codePage == codePage)
            return entry.name;
    return nullptr;
}

bool IconvCodePages::ToUtf16(std::uint32_t codePage, const std::uint8_t* bytes, std::size_t count,
                             Text& out)
{
    out.clear();
    const char* name = IconvName(codePage == kAnsiCodePage ? m_ansi : codePage);
    if (name == nullptr)
        return false;
    Converter converter(name);
    if (!converter.Ok())
        return false;
    out.reserve(count);
    char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes));
    std::size_t inLeft = count;
    char buffer[16 * 1024];
    while (true) {
        char* to = buffer;
        std::size_t toLeft = sizeof(buffer);
        const std::size_t done = inLeft == 0
                                     ? iconv(converter.Get(), nullptr, nullptr, &to, &toLeft)
                                     : iconv(converter.Get(), &in, &inLeft, &to, &toLeft);
        AppendUnits(buffer, sizeof(buffer) - toLeft, out);
        if (done != static_cast<std::size_t>(-1)) {
            if (inLeft == 0)
                break;
            continue;
        }
        if (errno == E2BIG)
            continue;
        // An invalid or cut-off sequence: one replacement per byte, as the
        // platform conversion gives.
        out.push_back(u'\uFFFD');
        ++in;
        --inLeft;
        iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

} // namespace k47::test

#endif
