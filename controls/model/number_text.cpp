// SPDX-License-Identifier: MIT
#include "controls/model/number_text.h"

#include <limits>
#include <string>

namespace k47 {
namespace {

bool IsBlank(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

} // namespace

std::int32_t WideTextToLong(TextView text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::int64_t value = 0;
    bool overflow = false;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (!overflow)
            value = value * 10 + (text[i] - u'0');
        if (value > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1)
            overflow = true;
    }
    if (negative) {
        value = -value;
        if (overflow || value < std::numeric_limits<std::int32_t>::min())
            return std::numeric_limits<std::int32_t>::min();
        return static_cast<std::int32_t>(value);
    }
    if (overflow || value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::optional<Text> ClampedNumberText(TextView text, std::int32_t minimum, std::int32_t maximum)
{
    const auto value = static_cast<std::uint32_t>(WideTextToLong(text));
    if (value < static_cast<std::uint32_t>(minimum))
        return FormatInt(minimum);
    if (value > static_cast<std::uint32_t>(maximum))
        return FormatInt(maximum);
    return std::nullopt;
}

Text FormatInt(std::int32_t value)
{
    return FromAscii(std::to_string(value));
}

} // namespace k47
