// SPDX-License-Identifier: MIT
#pragma once
// Builds one JSON object on one line, fields in the order they are added.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace k47 {

class JsonLine {
public:
    JsonLine& Add(std::string_view key, std::string_view text);
    JsonLine& Add(std::string_view key, const char* text)
    {
        return Add(key, std::string_view(text));
    }
    JsonLine& Add(std::string_view key, std::int64_t number);
    JsonLine& Add(std::string_view key, std::uint32_t number)
    {
        return Add(key, std::int64_t(number));
    }
    JsonLine& Add(std::string_view key, int number) { return Add(key, std::int64_t(number)); }
    JsonLine& Add(std::string_view key, bool value);
    // value is already JSON (an array or an object).
    JsonLine& AddJson(std::string_view key, std::string_view value);
    // Every field of other, after those already here.
    JsonLine& AddFields(const JsonLine& other);

    std::string Text() const { return m_body + "}"; }
    bool Empty() const { return m_body.size() == 1; }

private:
    void Key(std::string_view key);
    std::string m_body = "{";
};

// A JSON string literal of text, quotes included.
std::string JsonString(std::string_view text);

// Bytes as lower-case hexadecimal, two digits each, no separators.
std::string HexBytes(const std::uint8_t* data, std::size_t length);

// "0x" and eight lower-case hexadecimal digits.
std::string Hex32(std::uint32_t value);

} // namespace k47
