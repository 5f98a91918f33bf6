// SPDX-License-Identifier: MIT
#include "controls/button_tooltip.h"

namespace k47 {

void CButtonTooltip::EnsureCreated(HWND button)
{
    if (m_ToolTip.Exists())
        return;
    if (m_ToolTip.Create(button))
        m_ToolTip.Activate(false);
}

void CButtonTooltip::Relay(HWND button, const MSG& msg)
{
    EnsureCreated(button);
    m_ToolTip.RelayEvent(msg);
}

void CButtonTooltip::SetText(HWND button, const wchar_t* text)
{
    if (!text)
        return;
    EnsureCreated(button);
    if (m_ToolTip.GetToolCount() == 0)
        m_ToolTip.AddTool(1, text);
    m_ToolTip.UpdateTipText(1, text);
    m_ToolTip.Activate(true);
}

} // namespace k47
