// SPDX-License-Identifier: MIT
#include "config/function_catalogue.h"

#include "config/buttons.h"
#include "config/chinese_ui.h"
#include "config/function_types.h"

namespace k47 {

// clang-format off
const std::array<FunctionEntry, 44> kFunctionCatalogue = {{
    {1,   u"Click",                 u"单击",         0x00F00001},
    {2,   u"Menu",                  u"菜单",         0x00F10001},
    {4,   u"Middle",                u"中键",         0x00F20001},
    {8,   u"Forward",               u"前进",         0x00F40001},
    {11,  u"Scroll up",             u"滚轮前滚",     0x00010004},
    {12,  u"One key Start",         u"一键开始",     0},
    {16,  u"Back",                  u"后退",         0x00F30001},
    {22,  u"Scroll down",           u"滚轮后滚",     0x00020004},
    {32,  u"Play/Pause",            u"播放/暂停",    0x00CD0003},
    {33,  u"Stop",                  u"停止",         0x00B70003},
    {34,  u"Previous",              u"上一曲",       0x00B60003},
    {35,  u"Next",                  u"下一曲",       0x00B50003},
    {37,  u"Volume up",             u"音量+",        0x00E90003},
    {38,  u"Volume down",           u"音量-",        0x00EA0003},
    {39,  u"Mute",                  u"静音",         0x00E20003},
    {40,  u"Music",                 u"音乐",         0x01830003},
    {64,  u"Cut",                   u"剪切",         0x001B0100}, // Ctrl + X
    {65,  u"Copy",                  u"拷贝",         0x00060100}, // Ctrl + C
    {66,  u"Past",                  u"粘贴",         0x00190100}, // Ctrl + V
    {67,  u"Undo",                  u"撤销",         0x001D0100}, // Ctrl + Z
    {68,  u"All",                   u"全选",         0x00040100}, // Ctrl + A
    {69,  u"Find",                  u"查找",         0x00090100}, // Ctrl + F
    {70,  u"New",                   u"新建",         0x00110100}, // Ctrl + N
    {71,  u"Print",                 u"打印",         0x00130100}, // Ctrl + P
    {72,  u"Save",                  u"保存",         0x00160100}, // Ctrl + S
    {81,  u"Close window",          u"关闭窗口",     0x003D0400}, // Alt + F4
    {82,  u"Lock PC",               u"锁定电脑",     0x000F0800}, // Win + L
    {84,  u"Run",                   u"运行",         0x00150800}, // Win + R
    {85,  u"Show desktop",          u"显示桌面",     0x00070800}, // Win + D
    {86,  u"Sreen zoom in",         u"放大屏幕",     0},
    {87,  u"Sreen zoom out",        u"缩小屏幕",     0},
    {116, u"Full screen",           u"全屏截图",     0x01C90006},
    {117, u"Window",                u"窗口截图",     0x01CA0006},
    {118, u"Area",                  u"区域截图",     0x01CB0006},
    {121, u"Disable key",           u"禁用按键",     0x00000000},
    {122, u"Start screen",          u"开始界面",     0x00000800}, // Win
    {123, u"Enter classic desktop", u"进入传统界面", 0x00100800}, // Win + M
    {124, u"Switch applications",   u"切换应用程序", 0x002B0400}, // Alt + Tab
    {125, u"Search",                u"搜索",         0x00140800}, // Win + Q
    {126, u"sreen zoom in",         u"放大",         0x00570800}, // Win + keypad +
    {127, u"sreen zoom out",        u"缩小",         0x00560800}, // Win + keypad -
    {133, u"DoubleClick",           u"双击",         0},
    {142, u"SNIPE",                 u"狙击键",       0},
    {143, u"FIRE",                  u"火力",         0},
}};
// clang-format on

const FunctionEntry* FindFunction(int type)
{
    for (const FunctionEntry& entry : kFunctionCatalogue) {
        if (entry.type == type)
            return &entry;
    }
    return nullptr;
}

Text GetFunctionName(int type)
{
    const FunctionEntry* entry = FindFunction(type);
    if (entry == nullptr)
        return Text();
    return g_ChineseUI != 0 ? Text(entry->chinese) : Text(entry->english);
}

std::uint32_t FunctionCodeOfType(int type)
{
    const FunctionEntry* entry = FindFunction(type);
    return entry != nullptr ? entry->code : 0;
}

bool HasFunctionCode(int type)
{
    if (type == kTypeCombo || type == kTypeAdvanced)
        return true;
    const FunctionEntry* entry = FindFunction(type);
    return entry != nullptr && (entry->code != 0 || type == kTypeDisable);
}

std::uint32_t ButtonFunctionCode(const ButtonSetting& setting, int button)
{
    if (button < 0 || button >= static_cast<int>(kButtonCount))
        return 0;
    switch (setting.nType) {
    case kTypeCombo:
        return setting.dwComboCode;
    case kTypeAdvanced:
        return kButtons[button].nativeCode;
    case kTypeMacro:
        return 0;
    default:
        return FunctionCodeOfType(setting.nType);
    }
}

} // namespace k47
