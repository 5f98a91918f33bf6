// SPDX-License-Identifier: MIT
#pragma once
#include "config/chinese_ui.h"

namespace k47::test {

// Sets g_ChineseUI for the life of the object and restores the previous value.
class ScopedChineseUI {
public:
    explicit ScopedChineseUI(int value) : m_previous(g_ChineseUI) { g_ChineseUI = value; }
    ~ScopedChineseUI() { g_ChineseUI = m_previous; }
    ScopedChineseUI(const ScopedChineseUI&) = delete;
    ScopedChineseUI& operator=(const ScopedChineseUI&) = delete;

private:
    int m_previous;
};

} // namespace k47::test
