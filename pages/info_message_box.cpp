// SPDX-License-Identifier: MIT
#include "pages/info_message_box.h"

#include "pages/info_dlg.h"
#include "platform/win32/wide_text.h"

#include <string>

namespace k47 {
int CInfoMessageBox::ShowInfoMessage(TextView text, int mode)
{
    return k47::ShowInfoMessage(WideText(text), mode);
}

void CInfoMessageBox::ShowPlatformMessage(TextView text, TextView caption)
{
    const std::wstring t = WideText(text);
    const std::wstring c = WideText(caption);
    ::MessageBoxW(m_hOwner ? m_hOwner : ::GetActiveWindow(), t.c_str(), c.c_str(), MB_OK);
}

} // namespace k47
