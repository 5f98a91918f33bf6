// SPDX-License-Identifier: MIT
#include "controls/menu_ex.h"

#include "controls/layer_canvas.h"
#include "controls/model/popup_menu_layout.h"

namespace k47 {
namespace {

constexpr COLORREF kText = RGB(5, 5, 5);
constexpr COLORREF kHoverFill = RGB(0, 147, 209);
constexpr COLORREF kHoverText = RGB(245, 245, 245);
constexpr COLORREF kSeparator = RGB(245, 245, 245);

std::vector<PopupItemBox> Boxes(const std::vector<MenuExEntry>& items)
{
    std::vector<PopupItemBox> boxes;
    boxes.reserve(items.size());
    for (const MenuExEntry& e : items)
        boxes.push_back(PopupItemBox{
            e.bSeparator != 0, Rect{e.rcItem.left, e.rcItem.top, e.rcItem.right, e.rcItem.bottom}});
    return boxes;
}

void Fill(HDC dc, const RECT& r, COLORREF c)
{
    CBrush brush(::CreateSolidBrush(c));
    ::FillRect(dc, &r, brush);
}

} // namespace

int CMenuEx::AddItem(const wchar_t* text, UINT pngResource, int value)
{
    MenuExEntry e;
    e.nValue = value;
    e.strText = text ? text : L"";
    e.pImage = LoadPngResource(pngResource);
    e.nImageWidth = e.pImage.Width();
    e.nImageHeight = e.pImage.Height();
    m_Items.push_back(std::move(e));
    Layout();
    return static_cast<int>(m_Items.size());
}

int CMenuEx::AddSeparator()
{
    MenuExEntry e;
    e.bSeparator = 1;
    m_Items.push_back(std::move(e));
    Layout();
    return static_cast<int>(m_Items.size());
}

void CMenuEx::Layout()
{
    std::vector<PopupItemBox> boxes = Boxes(m_Items);
    const int height = LayoutPopupItems(boxes);
    for (std::size_t i = 0; i < m_Items.size(); ++i)
        m_Items[i].rcItem =
            RECT{boxes[i].rect.left, boxes[i].rect.top, boxes[i].rect.right, boxes[i].rect.bottom};
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, kPopupMenuWidth, height,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMenuEx::DrawItems(HDC dc, const RECT&)
{
    CSelectObject font(dc, m_Font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kText);
    for (std::size_t i = 0; i < m_Items.size(); ++i) {
        const MenuExEntry& e = m_Items[i];
        if (e.bSeparator) {
            Fill(dc, e.rcItem, kSeparator);
            continue;
        }
        RECT tr{e.rcItem.left + 30, e.rcItem.top, e.rcItem.left + 112, e.rcItem.bottom};
        const UINT format = DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS | DT_NOPREFIX;
        if (static_cast<int>(i) == m_nHover) {
            Fill(dc, e.rcItem, kHoverFill);
            ::SetTextColor(dc, kHoverText);
            ::DrawTextW(dc, e.strText.c_str(), -1, &tr, format);
            ::SetTextColor(dc, kText);
        } else {
            ::DrawTextW(dc, e.strText.c_str(), -1, &tr, format);
        }
    }
}

void CMenuEx::DrawImages(HDC dc, const RECT&)
{
    for (const MenuExEntry& e : m_Items) {
        if (e.bSeparator || !e.pImage)
            continue;
        const int x = e.rcItem.left + (25 - e.nImageWidth) / 2;
        const int y = e.rcItem.top + (e.rcItem.bottom - e.rcItem.top - e.nImageHeight) / 2;
        BlendPixelsOnDc(dc, PremultipliedPixels(e.pImage), e.nImageWidth, e.nImageHeight, x, y);
    }
}

bool CMenuEx::TrackHover(POINT pt)
{
    const HoverChange h = TrackHoverIndex(Boxes(m_Items), m_nHover, Point{pt.x, pt.y});
    m_nHover = h.hover;
    return h.changed;
}

bool CMenuEx::OnPress(POINT)
{
    return false;
}

bool CMenuEx::OnRelease(POINT pt)
{
    switch (ReleaseOutcome(Boxes(m_Items), m_nHover, Point{pt.x, pt.y})) {
    case ReleaseAction::None:
        return false;
    case ReleaseAction::ClearHover:
        m_nHover = -1;
        return true;
    case ReleaseAction::Notify: {
        HWND parent = GetParent();
        if (!parent)
            parent = GetOwner();
        ::SendMessageW(parent, m_nNotifyMessage, 0,
                       static_cast<LPARAM>(m_Items[std::size_t(m_nHover)].nValue));
        return false;
    }
    }
    return false;
}

} // namespace k47
