// SPDX-License-Identifier: MIT
#include "config/hint_codes.h"

#include "config/lang_text.h"

namespace k47 {
namespace {

struct HintRow {
    std::int64_t code;
    std::string_view key;
};

// clang-format off
constexpr HintRow kHintRows[] = {
    // main window
    {0, "str_profile1"}, {1, "str_profile2"}, {2, "str_profile3"}, {3, "str_profile4"},
    {4, "str_profile5"}, {5, "str_ok"}, {6, "str_main"}, {7, "str_led_title"},
    {8, "str_macro_manager"}, {9, "str_sts"}, {10, "str_about"},
    // button assignment page
    {11, "str_dpiwant"}, {12, "str_mouseSpeed"}, {13, "str_improveAccuracy"},
    {14, "str_sheight"}, {15, "str_rollingrate"}, {16, "str_rollerColumn"},
    {60, "str_rollerScreen"},
    // lighting page
    {24, "str_ledspe"}, {25, "str_led_apmbre"}, {26, "str_led_norbre"},
    {27, "str_led_brealways"}, {28, "str_led_frequency"}, {29, "str_led_brightness"},
    {30, "str_led_body_on"}, {31, "str_led_body_off"}, {32, "str_led_custom"},
    {53, "str_led_off"},
    // macro page
    {33, "str_new_macro"}, {34, "str_del_macro"}, {35, "str_macro_new"},
    {36, "str_macro_del"}, {37, "str_macro_modify"}, {38, "str_macro_start"},
    {39, "str_macro_delay"}, {40, "str_macro_loop"}, {41, "str_macro_msg6"},
    {42, "str_macro_msg7"}, {43, "str_click"}, {44, "str_middle"}, {45, "str_menu"},
    // statistics page
    {46, "str_resetSts"}, {47, "str_cups"},
    // support page
    {48, "str_update"}, {49, "str_orvekWeb"}, {50, "str_defaultname"},
    {51, "str_importFile"}, {52, "str_exportFile"},
};
// clang-format on

} // namespace

std::string_view HintKey(std::int64_t code)
{
    for (const auto& row : kHintRows) {
        if (row.code == code)
            return row.key;
    }
    return {};
}

Text HintText(std::int64_t code, const std::array<Text, kHintButtonCount>& buttonNames)
{
    if (code >= kHintButtonFirst && code <= kHintButtonLast)
        return buttonNames[std::size_t(code - kHintButtonFirst)];
    std::string_view key = HintKey(code);
    return key.empty() ? Text() : LangTextOf(key);
}

} // namespace k47
