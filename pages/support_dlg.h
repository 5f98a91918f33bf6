// SPDX-License-Identifier: MIT
#pragma once
// The support page: defaults, import and export, updates, and the firmware
// version of the mouse.

#include "pages/skin_page.h"

#include <string>

namespace k47 {

class CSupportDlg : public CSkinPage {
public:
    CSupportDlg();
    void SetFirmwareVersionText(const std::wstring& text);
    const std::wstring& FirmwareVersionText() const { return m_strFirmwareVersion; }

protected:
    void PaintContent(HDC dc) override;

private:
    std::wstring m_strFirmwareVersion;
    CFont m_font;
};

} // namespace k47
