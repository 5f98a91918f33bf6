// SPDX-License-Identifier: MIT
#include "config/xml/charset_names.h"

#include <array>
#include <cstring>

namespace k47 {
namespace {

struct CharsetName {
    const char* name;
    std::uint32_t codePage;
};

// Lower-case character-set names with their Windows code page identifiers.
constexpr CharsetName kCharsetNames[] = {
    {"ebcdic-cp-us", 37},
    {"x-ebcdic-arabic", 420},
    {"437", 437},
    {"codepage437", 437},
    {"cp437", 437},
    {"cspc8", 437},
    {"ibm437", 437},
    {"asmo-708", 708},
    {"dos-720", 720},
    {"ibm737", 737},
    {"cp500", 775},
    {"ibm775", 775},
    {"ibm850", 850},
    {"cp852", 852},
    {"ibm852", 852},
    {"ibm857", 857},
    {"ibm861", 861},
    {"dos-862", 862},
    {"cp866", 866},
    {"ibm866", 866},
    {"ibm869", 869},
    {"cp870", 870},
    {"dos-874", 874},
    {"iso-8859-11", 874},
    {"tis-620", 874},
    {"windows-874", 874},
    {"x-ebcdic-greekmodern", 875},
    {"csshiftjis", 932},
    {"cswindows31j", 932},
    {"ms_kanji", 932},
    {"shift-jis", 932},
    {"shift_jis", 932},
    {"x-ms-cp932", 932},
    {"x-sjis", 932},
    {"chinese", 936},
    {"cn-gb", 936},
    {"csgb2312", 936},
    {"csgb231280", 936},
    {"csiso58gb231280", 936},
    {"gb2312", 936},
    {"gb2312-80", 936},
    {"gb231280", 936},
    {"gb_2312-80", 936},
    {"gbk", 936},
    {"iso-ir-58", 936},
    {"csksc56011987", 949},
    {"euc-kr", 949},
    {"iso-ir-149", 949},
    {"korean", 949},
    {"ks_c_5601", 949},
    {"ks_c_5601-1987", 949},
    {"ks_c_5601-1989", 949},
    {"ks_c_5601_1987", 949},
    {"ksc5601", 949},
    {"ksc_5601", 949},
    {"big5", 950},
    {"cn-big5", 950},
    {"csbig5", 950},
    {"x-x-big5", 950},
    {"cp1026", 1026},
    {"x-ebcdic-cp-us-euro", 1140},
    {"x-ebcdic-denmarknorway-euro", 1142},
    {"x-ebcdic-finlandsweden-euro", 1143},
    {"x-ebcdic-france", 1143},
    {"x-ebcdic-germany-euro", 1143},
    {"x-ebcdic-italy-euro", 1144},
    {"x-ebcdic-spain-euro", 1145},
    {"x-ebcdic-uk-euro", 1146},
    {"x-ebcdic-france-euro", 1147},
    {"x-ebcdic-international-euro", 1148},
    {"x-ebcdic-icelandic-euro", 1149},
    {"unicode", 1200},
    {"utf-16", 1200},
    {"unicodefffe", 1201},
    {"windows-1250", 1250},
    {"x-cp1250", 1250},
    {"windows-1251", 1251},
    {"x-cp1251", 1251},
    {"iso-ir-6", 1252},
    {"us", 1252},
    {"windows-1252", 1252},
    {"x-ansi", 1252},
    {"windows-1253", 1253},
    {"windows-1254", 1254},
    {"iso_8859-8-i", 1255},
    {"windows-1255", 1255},
    {"cp1256", 1256},
    {"windows-1256", 1256},
    {"windows-1257", 1257},
    {"windows-1258", 1258},
    {"johab", 1361},
    {"macintosh", 10000},
    {"x-mac-japanese", 10001},
    {"x-mac-chinesetrad", 10002},
    {"x-mac-korean", 10003},
    {"x-mac-arabic", 10004},
    {"x-mac-hebrew", 10005},
    {"x-mac-greek", 10006},
    {"x-mac-cyrillic", 10007},
    {"x-mac-chinesesimp", 10008},
    {"x-mac-ce", 10029},
    {"x-mac-icelandic", 10079},
    {"x-mac-turkish", 10081},
    {"x-chinese-cns", 20000},
    {"x-chinese-eten", 20002},
    {"x-ia5", 20105},
    {"x-ia5-german", 20106},
    {"x-ia5-swedish", 20107},
    {"x-ia5-norwegian", 20108},
    {"ansi_x3.4-1968", 20127},
    {"ansi_x3.4-1986", 20127},
    {"ascii", 20127},
    {"cp367", 20127},
    {"csascii", 20127},
    {"ibm367", 20127},
    {"iso-ir-6us", 20127},
    {"iso646-us", 20127},
    {"iso_646.irv:1991", 20127},
    {"us-ascii", 20127},
    {"x-ebcdic-germany", 20273},
    {"x-ebcdic-denmarknorway", 20277},
    {"x-ebcdic-finlandsweden", 20278},
    {"x-ebcdic-italy", 20280},
    {"x-ebcdic-spain", 20284},
    {"x-ebcdic-uk", 20285},
    {"x-ebcdic-japanesekatakana", 20290},
    {"x-ebcdic-greek", 20423},
    {"x-ebcdic-hebrew", 20424},
    {"x-ebcdic-koreanextended", 20833},
    {"x-ebcdic-thai", 20838},
    {"cskoi8r", 20866},
    {"koi", 20866},
    {"koi8", 20866},
    {"koi8-r", 20866},
    {"koi8r", 20866},
    {"x-ebcdic-icelandic", 20873},
    {"x-ebcdic-cyrillicrussian", 20880},
    {"x-ebcdic-turkish", 20905},
    {"x-ebcdic-cyrillicserbianbulgarian", 21025},
    {"koi8-ru", 21866},
    {"koi8-u", 21866},
    {"cp819", 28591},
    {"ibm819", 28591},
    {"iso-8859-1", 28591},
    {"iso-ir-100", 28591},
    {"iso8859-1", 28591},
    {"iso_8859-1", 28591},
    {"iso_8859-1:1987", 28591},
    {"l1", 28591},
    {"latin1", 28591},
    {"csisolatin2", 28592},
    {"iso-8859-2", 28592},
    {"iso-ir-101", 28592},
    {"iso8859-2", 28592},
    {"iso_8859-2", 28592},
    {"iso_8859-2:1987", 28592},
    {"l2", 28592},
    {"latin2", 28592},
    {"csiso", 28593},
    {"iso-8859-3", 28593},
    {"iso-ir-109", 28593},
    {"iso_8859-3", 28593},
    {"iso_8859-3:1988", 28593},
    {"l3", 28593},
    {"latin3", 28593},
    {"csisolatin4", 28594},
    {"iso-8859-4", 28594},
    {"iso-ir-110", 28594},
    {"iso_8859-4", 28594},
    {"iso_8859-4:1988", 28594},
    {"l4", 28594},
    {"latin4", 28594},
    {"csisolatin5", 28595},
    {"csisolatincyrillic", 28595},
    {"cyrillic", 28595},
    {"iso-8859-5", 28595},
    {"iso-ir-144", 28595},
    {"iso_8859-5", 28595},
    {"iso_8859-5:1988", 28595},
    {"l5", 28595},
    {"arabic", 28596},
    {"csisolatinarabic", 28596},
    {"ecma-114", 28596},
    {"iso-8859-6", 28596},
    {"iso-ir-127", 28596},
    {"iso_8859-6", 28596},
    {"iso_8859-6:1987", 28596},
    {"csisolatingreek", 28597},
    {"ecma-118", 28597},
    {"elot_928", 28597},
    {"greek", 28597},
    {"greek8", 28597},
    {"iso-8859-7", 28597},
    {"iso-ir-126", 28597},
    {"iso_8859-7", 28597},
    {"iso_8859-7:1987", 28597},
    {"csisolatinhebrew", 28598},
    {"hebrew", 28598},
    {"iso-8859-8", 28598},
    {"iso-ir-138", 28598},
    {"iso_8859-8", 28598},
    {"iso_8859-8:1988", 28598},
    {"visual", 28598},
    {"iso-8859-9", 28599},
    {"iso-ir-148", 28599},
    {"iso_8859-9", 28599},
    {"iso_8859-9:1989", 28599},
    {"latin5", 28599},
    {"iso-8859-15", 28605},
    {"iso_8859-15", 28605},
    {"l9", 28605},
    {"latin9", 28605},
    {"x-europa", 29001},
    {"iso-8859-8-i", 38598},
    {"logical", 38598},
    {"iso-2022-jp", 50220},
    {"_iso-2022-jp", 50221},
    {"csiso2022jp", 50221},
    {"_iso-2022-jp$sio", 50222},
    {"csiso2022kr", 50225},
    {"iso-2022-kr", 50225},
    {"x-ebcdic-japaneseandkana", 50930},
    {"x-ebcdic-japaneseanduscanada", 50933},
    {"x-ebcdic-koreanandkoreanextended", 50933},
    {"x-ebcdic-simplifiedchinese", 50935},
    {"x-ebcdic-traditionalchinese", 50937},
    {"x-ebcdic-japaneseandjapaneselatin", 50939},
    {"cseucpkdfmtjapanese", 51932},
    {"euc-jp", 51932},
    {"extended_unix_code_packed_format_for_japanese", 51932},
    {"x-euc", 51932},
    {"x-euc-jp", 51932},
    {"euc-cn", 51936},
    {"x-euc-cn", 51936},
    {"cseuckr", 51949},
    {"hz-gb-2312", 52936},
    {"x-iscii-de", 57002},
    {"x-iscii-be", 57003},
    {"x-iscii-ta", 57004},
    {"x-iscii-te", 57005},
    {"x-iscii-as", 57006},
    {"x-iscii-or", 57007},
    {"x-iscii-ka", 57008},
    {"x-iscii-ma", 57009},
    {"x-iscii-gu", 57010},
    {"x-iscii-pa", 57011},
    {"csunicode11utf7", 65000},
    {"unicode-1-1-utf-7", 65000},
    {"utf-7", 65000},
    {"x-unicode-2-0-utf-7", 65000},
    {"unicode-1-1-utf-8", 65001},
    {"unicode-2-0-utf-8", 65001},
    {"utf-8", 65001},
    {"x-unicode-2-0-utf-8", 65001},
};
constexpr std::size_t kCharsetCount = sizeof(kCharsetNames) / sizeof(kCharsetNames[0]);
static_assert(kCharsetCount == 254);

constexpr std::uint32_t kBuckets = 150;
constexpr std::uint16_t kNone = 0xFFFF;

// Names chained by the sum of their character codes modulo 150.
struct CharsetHash {
    std::array<std::uint16_t, kBuckets> head;
    std::array<std::uint16_t, kCharsetCount> next;

    CharsetHash()
    {
        head.fill(kNone);
        for (std::size_t i = kCharsetCount; i-- > 0;) {
            std::uint32_t sum = 0;
            for (const char* p = kCharsetNames[i].name; *p; ++p)
                sum += static_cast<unsigned char>(*p);
            next[i] = head[sum % kBuckets];
            head[sum % kBuckets] = static_cast<std::uint16_t>(i);
        }
    }
};

const CharsetHash& Hash()
{
    static const CharsetHash hash;
    return hash;
}

char16_t Lower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

} // namespace

bool CharsetCodePage(TextView name, std::uint32_t& codePage)
{
    std::uint32_t sum = 0;
    for (char16_t c : name)
        sum += Lower(c);
    const CharsetHash& hash = Hash();
    for (std::uint16_t i = hash.head[sum % kBuckets]; i != kNone; i = hash.next[i]) {
        const char* candidate = kCharsetNames[i].name;
        if (std::strlen(candidate) != name.size())
            continue;
        std::size_t k = 0;
        while (k < name.size() && Lower(name[k]) == static_cast<unsigned char>(candidate[k]))
            ++k;
        if (k == name.size()) {
            codePage = kCharsetNames[i].codePage;
            return true;
        }
    }
    return false;
}

std::size_t CharsetNameCount()
{
    return kCharsetCount;
}

} // namespace k47
