// SPDX-License-Identifier: MIT
#include "pages/info_message_box.h"

#include "pages/info_dlg.h"

#include <string>

namespace k47 {
namespace {

std::wstring Wide(TextView t)
{
    return std::wstring(reinterpret_cast<const wchar_t*>(t.data()), t.size());
}

} // namespace

int CInfoMessageBox::ShowInfoMessage(TextView text, int mode)
{
    return k47::ShowInfoMessage(Wide(text), mode);
}

void CInfoMessageBox::ShowPlatformMessage(TextView text, TextView caption)
{
    const std::wstring t = Wide(text);
    const std::wstring c = Wide(caption);
    ::MessageBoxW(m_hOwner ? m_hOwner : ::GetActiveWindow(), t.c_str(), c.c_str(), MB_OK);
}

} // namespace k47
