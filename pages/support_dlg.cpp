// SPDX-License-Identifier: MIT
#include "pages/support_dlg.h"

#include "resources/resource_ids.h"

namespace k47 {

CSupportDlg::CSupportDlg()
    : CSkinPage(IDD_SUPPORT_DLG, L"Orvek_Support", L"support_normal.bmp"),
      m_font(::CreateFontW(14, 0, 0, 0, 300, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                           L"MS Shell Dlg"))
{
}

void CSupportDlg::SetFirmwareVersionText(const std::wstring& text)
{
    m_strFirmwareVersion = text;
    Invalidate(false);
}

void CSupportDlg::PaintContent(HDC dc)
{
    if (m_strFirmwareVersion.empty())
        return;
    CSelectObject keep(dc, m_font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(83, 97, 103));
    RECT rc{20, 50, 400, 70};
    const std::wstring line = L"Firmware " + m_strFirmwareVersion;
    ::DrawTextW(dc, line.c_str(), -1, &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

} // namespace k47
