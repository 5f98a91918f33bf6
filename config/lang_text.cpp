// SPDX-License-Identifier: MIT
#include "config/lang_text.h"

namespace k47 {

// clang-format off
const std::array<std::string_view, kLangTextCount> kLangKeys = {{
    // Program and main pages
    "str_program_title", "str_company", "str_config", "str_about", "str_exit",
    "str_mouse_page", "str_performance_page", "str_led_page", "str_macro_page",
    // Messages and common buttons
    "str_msg1", "str_msg2", "str_msg3", "str_msg4", "str_msg5", "str_msg6", "str_msg7",
    "str_resetinfo", "str_reset", "str_ok", "str_cancel", "str_apply", "str_help",
    "str_combo_tips", "str_combo_title",
    // Macro manager
    "str_macro_manager", "str_macro_msg1", "str_macro_msg2", "str_macro_msg4",
    "str_macro_msg6", "str_macro_msg7", "str_macro_msg8", "str_macro_end", "str_macro_start",
    "str_new_macro", "str_del_macro", "str_macro_loop", "str_macro_delay", "str_macro_modify",
    "str_macro_list", "str_macro_editor", "str_macro_new", "str_macro_del", "str_macro_event",
    // Button functions and function groups
    "str_click", "str_menu", "str_middle", "str_dbclick", "str_mac_def", "str_base_fun",
    "str_combokey", "str_advance", "str_media", "str_pre", "str_back", "str_scrollup",
    "str_scrolldw",
    // Multimedia and editing functions
    "str_PL", "str_stop", "str_pre_media", "str_next_media", "str_vol_up", "str_vol_dw",
    "str_mute", "str_close", "str_lock", "str_run", "str_show", "str_zoomin", "str_zoomout",
    "str_cut", "str_copy", "str_past", "str_all", "str_find", "str_new", "str_print",
    "str_save", "str_undo",
    // Performance and profiles
    "str_dpititle", "str_rate", "str_sheight", "str_probar_title", "str_probar_msg1",
    "str_profile_title", "str_autopath", "str_autoswitch", "str_defaultname", "str_proname",
    // Lighting
    "str_led_title", "str_led_off", "str_led_preSet", "str_led_diySet", "str_led_brealways",
    "str_led_norbre", "str_led_apmbre", "str_led_normal", "str_led_body_on",
    "str_led_body_off", "str_led_backgroundEffect", "str_led_rollerEffect",
    "str_led_brightness", "str_led_wave", "str_led_single", "str_led_quickFlash",
    "str_led_slowFlash", "str_led_custom", "str_led_frequency", "str_led_stacking",
    "str_led_scrolling", "str_led_selectAll", "str_led_setSeparately",
    // Advanced functions
    "str_advanced_open", "str_advanced_sound", "str_advanced_exe", "str_advanced_file",
    "str_advanced_dir", "str_advanced_web", "str_advanced_address", "str_onekeystart",
    "str_screenshot", "str_screenshot_screen", "str_screenshot_win", "str_screenshot_area",
    "str_mousefun",
    // Windows shortcuts
    "str_win8", "str_disable", "str_win8_start", "str_win8_classic", "str_win8_switch",
    "str_win8_find", "str_win8_winp", "str_win8_winm",
    // Modes
    "str_mode1", "str_mode2", "str_mode3",
    // Updates
    "str_update", "str_update_success", "str_update_fail", "str_update_msg1",
    "str_update_msg2", "str_update_msg3", "str_update_msg4", "str_updateerror",
    "str_updateerror1", "str_updateerror2", "str_updating", "str_fwrecoverS", "str_fwrecoverF",
    // Profiles and levels
    "str_profile1", "str_profile2", "str_profile3", "str_profile4", "str_profile5",
    "str_level1", "str_level2", "str_level3", "str_level4",
    // Versions, pages and support
    "str_fwcurrent_version", "str_tips", "str_soft_version", "str_xyindependent", "str_more",
    "str_main", "str_sts", "str_rollingrate", "str_dpiwant", "str_30sheight", "str_ledspe",
    "str_resetSts", "str_cups", "str_orvekWeb", "str_importFile", "str_exportFile",
    // Double-click, wheel and pointer
    "str_doubleClick_test", "str_doubleclick_Speed", "str_rollerScreen", "str_rollerColumn",
    "str_rollerSpeed", "str_mouseSpeed", "str_improveAccuracy",
}};
// clang-format on

std::array<Text, kLangTextCount> LangText;

int LangKeyIndex(std::string_view key)
{
    for (std::size_t i = 0; i < kLangKeys.size(); ++i) {
        if (kLangKeys[i] == key)
            return int(i);
    }
    return -1;
}

const Text& LangTextOf(std::string_view key)
{
    static const Text empty;
    int index = LangKeyIndex(key);
    return index < 0 ? empty : LangText[std::size_t(index)];
}

void SetLangText(std::string_view key, Text text)
{
    int index = LangKeyIndex(key);
    if (index >= 0)
        LangText[std::size_t(index)] = std::move(text);
}

} // namespace k47
