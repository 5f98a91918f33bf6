// SPDX-License-Identifier: MIT
#include "emu/json_line.h"

namespace k47 {

namespace {
const char kHexDigits[] = "0123456789abcdef";
}

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (u < 0x20) {
            out += "\\u00";
            out.push_back(kHexDigits[u >> 4]);
            out.push_back(kHexDigits[u & 0xF]);
        } else {
            out.push_back(c);
        }
    }
    out.push_back('"');
    return out;
}

std::string HexBytes(const std::uint8_t* data, std::size_t length)
{
    std::string out;
    out.reserve(2 * length);
    for (std::size_t i = 0; i < length; ++i) {
        out.push_back(kHexDigits[data[i] >> 4]);
        out.push_back(kHexDigits[data[i] & 0xF]);
    }
    return out;
}

std::string Hex32(std::uint32_t value)
{
    std::string out = "0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        out.push_back(kHexDigits[(value >> shift) & 0xF]);
    return out;
}

void JsonLine::Key(std::string_view key)
{
    if (!Empty())
        m_body.push_back(',');
    m_body += JsonString(key);
    m_body.push_back(':');
}

JsonLine& JsonLine::Add(std::string_view key, std::string_view text)
{
    Key(key);
    m_body += JsonString(text);
    return *this;
}

JsonLine& JsonLine::Add(std::string_view key, std::int64_t number)
{
    Key(key);
    m_body += std::to_string(number);
    return *this;
}

JsonLine& JsonLine::Add(std::string_view key, bool value)
{
    Key(key);
    m_body += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::AddJson(std::string_view key, std::string_view value)
{
    Key(key);
    m_body += value;
    return *this;
}

JsonLine& JsonLine::AddFields(const JsonLine& other)
{
    if (other.Empty())
        return *this;
    if (!Empty())
        m_body.push_back(',');
    m_body.append(other.m_body, 1, std::string::npos);
    return *this;
}

} // namespace k47
