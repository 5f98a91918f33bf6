// SPDX-License-Identifier: MIT
#include "config/xml/char_references.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace k47 {
namespace {

struct EntityName {
    const char* name;
    char16_t character;
};

// The character entities of HTML 4.01 (Latin-1, symbols, special) and apos.
constexpr EntityName kEntityNames[] = {
    {"nbsp", 160},    {"iexcl", 161},    {"cent", 162},    {"pound", 163},   {"curren", 164},
    {"yen", 165},     {"brvbar", 166},   {"sect", 167},    {"uml", 168},     {"copy", 169},
    {"ordf", 170},    {"laquo", 171},    {"not", 172},     {"shy", 173},     {"reg", 174},
    {"macr", 175},    {"deg", 176},      {"plusmn", 177},  {"sup2", 178},    {"sup3", 179},
    {"acute", 180},   {"micro", 181},    {"para", 182},    {"middot", 183},  {"cedil", 184},
    {"sup1", 185},    {"ordm", 186},     {"raquo", 187},   {"frac14", 188},  {"frac12", 189},
    {"frac34", 190},  {"iquest", 191},   {"Agrave", 192},  {"Aacute", 193},  {"Acirc", 194},
    {"Atilde", 195},  {"Auml", 196},     {"Aring", 197},   {"AElig", 198},   {"Ccedil", 199},
    {"Egrave", 200},  {"Eacute", 201},   {"Ecirc", 202},   {"Euml", 203},    {"Igrave", 204},
    {"Iacute", 205},  {"Icirc", 206},    {"Iuml", 207},    {"ETH", 208},     {"Ntilde", 209},
    {"Ograve", 210},  {"Oacute", 211},   {"Ocirc", 212},   {"Otilde", 213},  {"Ouml", 214},
    {"times", 215},   {"Oslash", 216},   {"Ugrave", 217},  {"Uacute", 218},  {"Ucirc", 219},
    {"Uuml", 220},    {"Yacute", 221},   {"THORN", 222},   {"szlig", 223},   {"agrave", 224},
    {"aacute", 225},  {"acirc", 226},    {"atilde", 227},  {"auml", 228},    {"aring", 229},
    {"aelig", 230},   {"ccedil", 231},   {"egrave", 232},  {"eacute", 233},  {"ecirc", 234},
    {"euml", 235},    {"igrave", 236},   {"iacute", 237},  {"icirc", 238},   {"iuml", 239},
    {"eth", 240},     {"ntilde", 241},   {"ograve", 242},  {"oacute", 243},  {"ocirc", 244},
    {"otilde", 245},  {"ouml", 246},     {"divide", 247},  {"oslash", 248},  {"ugrave", 249},
    {"uacute", 250},  {"ucirc", 251},    {"uuml", 252},    {"yacute", 253},  {"thorn", 254},
    {"yuml", 255},    {"fnof", 402},     {"Alpha", 913},   {"Beta", 914},    {"Gamma", 915},
    {"Delta", 916},   {"Epsilon", 917},  {"Zeta", 918},    {"Eta", 919},     {"Theta", 920},
    {"Iota", 921},    {"Kappa", 922},    {"Lambda", 923},  {"Mu", 924},      {"Nu", 925},
    {"Xi", 926},      {"Omicron", 927},  {"Pi", 928},      {"Rho", 929},     {"Sigma", 931},
    {"Tau", 932},     {"Upsilon", 933},  {"Phi", 934},     {"Chi", 935},     {"Psi", 936},
    {"Omega", 937},   {"alpha", 945},    {"beta", 946},    {"gamma", 947},   {"delta", 948},
    {"epsilon", 949}, {"zeta", 950},     {"eta", 951},     {"theta", 952},   {"iota", 953},
    {"kappa", 954},   {"lambda", 955},   {"mu", 956},      {"nu", 957},      {"xi", 958},
    {"omicron", 959}, {"pi", 960},       {"rho", 961},     {"sigmaf", 962},  {"sigma", 963},
    {"tau", 964},     {"upsilon", 965},  {"phi", 966},     {"chi", 967},     {"psi", 968},
    {"omega", 969},   {"thetasym", 977}, {"upsih", 978},   {"piv", 982},     {"bull", 8226},
    {"hellip", 8230}, {"prime", 8242},   {"Prime", 8243},  {"oline", 8254},  {"frasl", 8260},
    {"weierp", 8472}, {"image", 8465},   {"real", 8476},   {"trade", 8482},  {"alefsym", 8501},
    {"larr", 8592},   {"uarr", 8593},    {"rarr", 8594},   {"darr", 8595},   {"harr", 8596},
    {"crarr", 8629},  {"lArr", 8656},    {"uArr", 8657},   {"rArr", 8658},   {"dArr", 8659},
    {"hArr", 8660},   {"forall", 8704},  {"part", 8706},   {"exist", 8707},  {"empty", 8709},
    {"nabla", 8711},  {"isin", 8712},    {"notin", 8713},  {"ni", 8715},     {"prod", 8719},
    {"sum", 8721},    {"minus", 8722},   {"lowast", 8727}, {"radic", 8730},  {"prop", 8733},
    {"infin", 8734},  {"ang", 8736},     {"and", 8743},    {"or", 8744},     {"cap", 8745},
    {"cup", 8746},    {"int", 8747},     {"there4", 8756}, {"sim", 8764},    {"cong", 8773},
    {"asymp", 8776},  {"ne", 8800},      {"equiv", 8801},  {"le", 8804},     {"ge", 8805},
    {"sub", 8834},    {"sup", 8835},     {"nsub", 8836},   {"sube", 8838},   {"supe", 8839},
    {"oplus", 8853},  {"otimes", 8855},  {"perp", 8869},   {"sdot", 8901},   {"lceil", 8968},
    {"rceil", 8969},  {"lfloor", 8970},  {"rfloor", 8971}, {"lang", 9001},   {"rang", 9002},
    {"loz", 9674},    {"spades", 9824},  {"clubs", 9827},  {"hearts", 9829}, {"diams", 9830},
    {"quot", 34},     {"amp", 38},       {"lt", 60},       {"gt", 62},       {"OElig", 338},
    {"oelig", 339},   {"Scaron", 352},   {"scaron", 353},  {"Yuml", 376},    {"circ", 710},
    {"tilde", 732},   {"ensp", 8194},    {"emsp", 8195},   {"thinsp", 8201}, {"zwnj", 8204},
    {"zwj", 8205},    {"lrm", 8206},     {"rlm", 8207},    {"ndash", 8211},  {"mdash", 8212},
    {"lsquo", 8216},  {"rsquo", 8217},   {"sbquo", 8218},  {"ldquo", 8220},  {"rdquo", 8221},
    {"bdquo", 8222},  {"dagger", 8224},  {"Dagger", 8225}, {"permil", 8240}, {"lsaquo", 8249},
    {"rsaquo", 8250}, {"euro", 8364},    {"apos", 39},
};
constexpr std::size_t kEntityCount = sizeof(kEntityNames) / sizeof(kEntityNames[0]);
static_assert(kEntityCount == 253);

constexpr std::uint32_t kBuckets = 130;
constexpr std::uint16_t kNone = 0xFFFF;
// Names are at most nine characters: a ';' must come within ten of the '&'.
constexpr std::size_t kLookAhead = 10;
constexpr char32_t kLastCodePoint = 0x10FFFF;

char16_t Lower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

// Names chained by the sum of their lowered character codes modulo 130.
struct EntityHash {
    std::array<std::uint16_t, kBuckets> head;
    std::array<std::uint16_t, kEntityCount> next;

    EntityHash()
    {
        head.fill(kNone);
        for (std::size_t i = kEntityCount; i-- > 0;) {
            std::uint32_t sum = 0;
            for (const char* p = kEntityNames[i].name; *p; ++p)
                sum += Lower(static_cast<unsigned char>(*p));
            next[i] = head[sum % kBuckets];
            head[sum % kBuckets] = static_cast<std::uint16_t>(i);
        }
    }
};

const EntityHash& Hash()
{
    static const EntityHash hash;
    return hash;
}

bool SameLowered(TextView name, const char* candidate)
{
    if (std::strlen(candidate) != name.size())
        return false;
    for (std::size_t k = 0; k < name.size(); ++k)
        if (Lower(name[k]) != Lower(static_cast<unsigned char>(candidate[k])))
            return false;
    return true;
}

bool SameExactly(TextView name, const char* candidate)
{
    for (std::size_t k = 0; k < name.size(); ++k)
        if (name[k] != static_cast<unsigned char>(candidate[k]))
            return false;
    return true;
}

bool HasCapital(const char* name)
{
    for (const char* p = name; *p; ++p)
        if (*p >= 'A' && *p <= 'Z')
            return true;
    return false;
}

int DigitValue(char16_t c, bool hex)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (hex && c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// The code point of a lowered numeric name ("#65", "#x41"), 0 when it is not
// a reference.
char32_t NumericValue(const char16_t* name, std::size_t size)
{
    const bool hex = size > 1 && name[1] == u'x';
    char32_t value = 0;
    bool digits = false;
    for (std::size_t k = hex ? 2 : 1; k < size; ++k) {
        const int d = DigitValue(name[k], hex);
        if (d < 0)
            break;
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(d);
        digits = true;
    }
    if (!digits || value > kLastCodePoint)
        return 0;
    return value;
}

void AppendCodePoint(char32_t c, Text& out)
{
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
        return;
    }
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

// The reference at text[amp] == '&': its code point and length through ';',
// or 0 when there is none.
char32_t ReferenceAt(TextView text, std::size_t amp, std::size_t& length)
{
    const std::size_t last = amp + kLookAhead < text.size() ? amp + kLookAhead : text.size() - 1;
    std::size_t semicolon = 0;
    for (std::size_t i = amp + 1; i <= last; ++i) {
        if (text[i] == u';') {
            semicolon = i;
            break;
        }
        if (text[i] >= 0x80)
            return 0;
    }
    if (semicolon == 0)
        return 0;
    const TextView name = text.substr(amp + 1, semicolon - amp - 1);
    length = semicolon - amp + 1;
    if (!name.empty() && name[0] == u'#') {
        char16_t lowered[kLookAhead];
        for (std::size_t k = 0; k < name.size(); ++k)
            lowered[k] = Lower(name[k]);
        return NumericValue(lowered, name.size());
    }
    return EntityCharacter(name);
}

} // namespace

char16_t EntityCharacter(TextView name)
{
    std::uint32_t sum = 0;
    for (char16_t c : name)
        sum += Lower(c);
    const EntityHash& hash = Hash();
    char16_t found = 0;
    for (std::uint16_t i = hash.head[sum % kBuckets]; i != kNone; i = hash.next[i]) {
        const EntityName& candidate = kEntityNames[i];
        if (!SameLowered(name, candidate.name))
            continue;
        if (SameExactly(name, candidate.name))
            return candidate.character;
        if (found == 0 || HasCapital(candidate.name))
            found = candidate.character;
    }
    return found;
}

void AppendDecodedText(TextView text, Text& out)
{
    std::size_t from = 0;
    for (std::size_t i = text.find(u'&'); i != TextView::npos; i = text.find(u'&', i + 1)) {
        std::size_t length = 0;
        const char32_t c = ReferenceAt(text, i, length);
        if (c == 0)
            continue;
        out.append(text.substr(from, i - from));
        AppendCodePoint(c, out);
        from = i + length;
        i = from - 1;
    }
    out.append(text.substr(from));
}

std::size_t EntityNameCount()
{
    return kEntityCount;
}

} // namespace k47
