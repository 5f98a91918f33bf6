// SPDX-License-Identifier: MIT
#include "config/text.h"

namespace k47 {

char16_t AsciiUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c;
}

bool ContainsNoCase(TextView hay, TextView needle)
{
    if (needle.empty())
        return true;
    if (needle.size() > hay.size())
        return false;
    for (std::size_t i = 0; i + needle.size() <= hay.size(); ++i) {
        std::size_t k = 0;
        while (k < needle.size() && AsciiUpper(hay[i + k]) == AsciiUpper(needle[k]))
            ++k;
        if (k == needle.size())
            return true;
    }
    return false;
}

Text FromAscii(std::string_view s)
{
    Text out;
    out.reserve(s.size());
    for (char c : s)
        out.push_back(char16_t(static_cast<unsigned char>(c)));
    return out;
}

std::string ToUtf8(TextView s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
            s[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c < 0x800) {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(char(0xE0 | (c >> 12)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (c >> 18)));
            out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

Text FromUtf8(std::string_view s)
{
    Text out;
    for (std::size_t i = 0; i < s.size();) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        char32_t c = 0xFFFD;
        std::size_t len = 1;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0 && i + 1 < s.size()) {
            c = ((b & 0x1F) << 6) | (s[i + 1] & 0x3F);
            len = 2;
        } else if ((b & 0xF0) == 0xE0 && i + 2 < s.size()) {
            c = ((b & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
            len = 3;
        } else if ((b & 0xF8) == 0xF0 && i + 3 < s.size()) {
            c = ((b & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) |
                (s[i + 3] & 0x3F);
            len = 4;
        }
        i += len;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(char16_t(0xD800 + (c >> 10)));
            out.push_back(char16_t(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(char16_t(c));
        }
    }
    return out;
}

void CopyToField(TextView text, char16_t* field, std::size_t capacity)
{
    if (capacity == 0)
        return;
    std::size_t n = text.size() < capacity - 1 ? text.size() : capacity - 1;
    for (std::size_t i = 0; i < capacity; ++i)
        field[i] = i < n ? text[i] : u'\0';
}

Text FieldText(const char16_t* field, std::size_t capacity)
{
    std::size_t n = 0;
    while (n < capacity && field[n] != u'\0')
        ++n;
    return Text(field, n);
}

} // namespace k47
