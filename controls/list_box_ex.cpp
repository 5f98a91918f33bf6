// SPDX-License-Identifier: MIT
#include "controls/list_box_ex.h"

#include "config/window_messages.h"
#include "controls/model/list_item_data.h"
#include "controls/skin_scroll_wnd.h"
#include "framework/app_folder.h"
#include "framework/gdiplus.h"
#include "framework/msg.h"

#include <vector>

namespace k47 {
namespace {

constexpr int kRenameLimit = 20;
constexpr int kRenameReadLimit = 2048;

std::wstring Wide(TextView t)
{
    return std::wstring(t.begin(), t.end());
}

} // namespace

// The edit box over an entry being renamed: Enter commits, Escape cancels
// (both on the key's release), losing the focus commits.
class CListBoxEx::CRenameEdit : public CEdit {
public:
    explicit CRenameEdit(CListBoxEx& list) : m_list(list) {}

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        switch (msg) {
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DefWindowProc(msg, wp, lp);
        case WM_CHAR:
            // No beep for the keys that end the rename.
            if (wp == VK_RETURN || wp == VK_ESCAPE)
                return 0;
            break;
        case WM_KEYUP:
            if (wp == VK_RETURN) {
                m_list.CommitRename();
                return 0;
            }
            if (wp == VK_ESCAPE) {
                m_list.CancelRename();
                return 0;
            }
            break;
        case WM_SETFOCUS: {
            // The name stays selected whole until the user changes it.
            const LRESULT r = DefWindowProc(msg, wp, lp);
            if (!SendMessage(EM_GETMODIFY))
                SendMessage(EM_SETSEL, 0, -1);
            return r;
        }
        case WM_KILLFOCUS: {
            const LRESULT r = DefWindowProc(msg, wp, lp);
            m_list.CommitRename();
            return r;
        }
        default:
            break;
        }
        return CEdit::WndProc(msg, wp, lp);
    }
    void PostNcDestroy() override
    {
        if (m_list.m_pRenameEdit == this)
            m_list.m_pRenameEdit = nullptr;
        delete this;
    }

private:
    CListBoxEx& m_list;
};

CListBoxEx::CListBoxEx()
    : m_Font(::CreateFontW(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 32,
                           L"MS Shell Dlg")),
      m_brDisabled(::CreateSolidBrush(::GetSysColor(COLOR_INACTIVEBORDER))),
      m_strSkinFolder(ExecutableFolder())
{
}

bool CListBoxEx::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CListBox::Create(style | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY |
                                WS_CLIPCHILDREN,
                            rect, parent, id);
}

void CListBoxEx::PreSubclassWindow()
{
    m_nItemHeight = 20;
    m_crSelectedText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_crText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crSelectedFill = ::GetSysColor(COLOR_HIGHLIGHT);
    // A list from a template may lack the clipping the rename box needs.
    ModifyStyle(0, WS_CLIPCHILDREN);
}

HWND CListBoxEx::NotifyWindow() const
{
    if (m_bNotifyTarget && m_hNotifyTarget)
        return m_hNotifyTarget;
    // A list with skinned scroll bars sits in the frame's clipping window;
    // its parent as the page knows it is the frame's.
    if (CSkinScrollWnd* frame = CSkinScrollWnd::FromTarget(m_hWnd))
        return frame->GetParent();
    return GetParent();
}

int CListBoxEx::AddItem(int kind, const wchar_t* text, std::uint32_t value, bool rename)
{
    CloseRename();
    const int index = AddString(text ? text : L"");
    if (index < 0)
        return -1;
    SetItemData(index, PackListItemData(kind, value));
    SetCurSel(index);
    m_nLastSel = index;
    if (rename)
        BeginRename(index);
    return index;
}

int CListBoxEx::InsertItem(int index, int kind, const wchar_t* text, std::uint32_t value)
{
    CloseRename();
    const int at = InsertString(index, text ? text : L"");
    if (at < 0)
        return -1;
    SetItemData(at, PackListItemData(kind, value));
    SetCurSel(at);
    m_nLastSel = at;
    return at;
}

int CListBoxEx::ReplaceItem(int index, int kind, const wchar_t* text, std::uint32_t value)
{
    if (index < 0 || index >= GetCount())
        return -1;
    CloseRename();
    DeleteString(index);
    const int at = InsertString(index, text ? text : L"");
    if (at < 0)
        return -1;
    SetItemData(at, PackListItemData(kind, value));
    SetCurSel(at);
    m_nLastSel = at;
    return at;
}

std::uint32_t CListBoxEx::GetItemValue(int index) const
{
    const auto data = static_cast<std::uint32_t>(GetItemData(index));
    return ListItemKind(data) != 0 ? (data & 0x00FFFFFFu) : data;
}

bool CListBoxEx::BeginRename(int index)
{
    if (m_hRenameEdit || index < 0 || index >= GetCount())
        return false;
    const RECT rc = GetItemRect(index);
    auto* edit = new CRenameEdit(*this);
    if (!edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rc, m_hWnd, 0)) {
        delete edit;
        return false;
    }
    m_pRenameEdit = edit;
    m_hRenameEdit = edit->GetSafeHwnd();
    m_nRenameItem = index;
    edit->SetFont(m_Font);
    edit->LimitText(kRenameLimit);
    edit->SetWindowText(GetText(index).c_str());
    edit->SendMessage(EM_SETSEL, 0, -1);
    ::SetFocus(m_hRenameEdit);
    return true;
}

void CListBoxEx::CommitRename()
{
    if (!m_hRenameEdit || m_nRenameItem < 0)
        return;
    const int index = m_nRenameItem;
    m_nRenameItem = -1;
    std::vector<wchar_t> buf(kRenameReadLimit + 1, L'\0');
    ::GetWindowTextW(m_hRenameEdit, buf.data(), kRenameReadLimit + 1);
    const DWORD_PTR data = GetItemData(index);
    DeleteString(index);
    const int at = InsertString(index, buf.data());
    SetItemData(at, data);
    SetCurSel(at);
    m_nLastSel = at;
    HWND edit = m_hRenameEdit;
    m_hRenameEdit = nullptr;
    ::DestroyWindow(edit);
    ::PostMessageW(NotifyWindow(), WM_LIST_ITEM_EDITED, static_cast<WPARAM>(GetDlgCtrlID()),
                   static_cast<LPARAM>(at));
}

void CListBoxEx::CancelRename()
{
    if (!m_hRenameEdit)
        return;
    if (m_nRenameItem >= 0)
        SetCurSel(m_nRenameItem);
    m_nRenameItem = -1;
    HWND edit = m_hRenameEdit;
    m_hRenameEdit = nullptr;
    ::DestroyWindow(edit);
    ::SetFocus(m_hWnd);
}

void CListBoxEx::CloseRename()
{
    if (!m_hRenameEdit)
        return;
    m_nRenameItem = -1;
    HWND edit = m_hRenameEdit;
    m_hRenameEdit = nullptr;
    ::DestroyWindow(edit);
}

void CListBoxEx::NotifyClick()
{
    POINT pt{};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWnd, &pt);
    ::PostMessageW(NotifyWindow(), WM_LIST_ITEM_CLICK, static_cast<WPARAM>(GetDlgCtrlID()),
                   static_cast<LPARAM>(ItemFromPoint(pt)));
}

void CListBoxEx::RedrawItem(int index)
{
    if (index < 0 || index >= GetCount())
        return;
    const RECT rc = GetItemRect(index);
    ::InvalidateRect(m_hWnd, &rc, TRUE);
}

void CListBoxEx::OnMouseMove(POINT pt)
{
    if (!m_bTrackingLeave) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
        m_bTrackingLeave = ::TrackMouseEvent(&tme);
    }
    if (m_hRenameEdit)
        return;
    const DWORD hit = ItemFromPoint(pt);
    const int item = (HIWORD(hit) != 0 || GetCount() == 0) ? -1 : static_cast<int>(LOWORD(hit));
    if (item == m_nHoverItem)
        return;
    RedrawItem(m_nHoverItem);
    RedrawItem(item);
    m_nHoverItem = item;
}

void CListBoxEx::MeasureItem(MEASUREITEMSTRUCT& mis)
{
    mis.itemHeight = static_cast<UINT>(m_nItemHeight);
}

void CListBoxEx::DrawMarker(HDC dc, int kind, bool selected, int x, int y)
{
    const TextView file = ListMarkerFile(kind, selected);
    if (file.empty())
        return;
    const std::size_t slot = std::size_t(kind - kListUpMarker) * 2 + (selected ? 1 : 0);
    if (!m_markerRead[slot]) {
        // A missing file draws nothing; it is not looked for again.
        m_markerRead[slot] = true;
        const std::wstring path = m_strSkinFolder + L"skins\\" + Wide(file);
        m_markers[slot] = CGdipBitmap::FromFile(path.c_str());
    }
    const CGdipBitmap& picture = m_markers[slot];
    if (!picture)
        return;
    CGdipGraphics g(dc);
    g.DrawImage(picture, x, y, m_nIconWidth, m_nIconHeight, 0, 0, picture.Width(),
                picture.Height());
}

void CListBoxEx::DrawItem(const DRAWITEMSTRUCT& dis)
{
    HDC dc = dis.hDC;
    RECT r = dis.rcItem;
    const bool selected = (dis.itemState & ODS_SELECTED) != 0;
    const bool selectionChanged = (dis.itemAction & ODA_SELECT) != 0;
    HBRUSH back = m_Background ? m_Background.Get() : ::GetSysColorBrush(COLOR_WINDOW);
    if (selected || selectionChanged) {
        CBrush fill(::CreateSolidBrush(m_crSelectedFill));
        ::FillRect(dc, &r, fill);
    }
    if (!selected && (selectionChanged || (dis.itemAction & ODA_DRAWENTIRE)))
        ::FillRect(dc, &r, back);
    COLORREF text = selected ? m_crSelectedText : m_crText;
    if (dis.itemState & ODS_DISABLED)
        text = ::GetSysColor(COLOR_BTNSHADOW);
    if (static_cast<int>(dis.itemID) < 0 || static_cast<int>(dis.itemID) >= GetCount())
        return;
    const int index = static_cast<int>(dis.itemID);
    const int kind = ListItemKind(static_cast<std::uint32_t>(dis.itemData));
    if (m_bIcons && kind >= kListUpMarker && kind <= kListDelayMarker)
        DrawMarker(dc, kind, selected, r.left + 5, r.top + 1);
    RECT tr = r;
    tr.left += ListTextIndent(kind, m_bIcons != FALSE, m_nIconWidth);
    const std::wstring label = GetText(index);
    CSelectObject font(dc, m_Font);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(dc, text);
    ::DrawTextW(dc, label.c_str(), -1, &tr,
                DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
}

bool CListBoxEx::OnReflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (IsCtlColor(msg)) {
        const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
        HBRUSH back = m_Background ? m_Background.Get() : ::GetSysColorBrush(COLOR_WINDOW);
        result = reinterpret_cast<LRESULT>(enabled ? back : m_brDisabled.Get());
        return true;
    }
    if (msg == WM_COMMAND && CommandCode(wp) == LBN_SELCHANGE) {
        m_nLastSel = GetCurSel();
        NotifyClick();
        result = 0;
        return true;
    }
    return CListBox::OnReflect(msg, wp, lp, result);
}

LRESULT CListBoxEx::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND: {
        const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
        HBRUSH back = m_Background ? m_Background.Get() : ::GetSysColorBrush(COLOR_WINDOW);
        const RECT rc = GetClientRect();
        ::FillRect(reinterpret_cast<HDC>(wp), &rc, enabled ? back : m_brDisabled.Get());
        return TRUE;
    }
    case WM_MOUSEMOVE:
        OnMouseMove(PointFromLParam(lp));
        break;
    case WM_MOUSELEAVE:
        m_bTrackingLeave = FALSE;
        if (!m_hRenameEdit && m_nHoverItem != -1) {
            RedrawItem(m_nHoverItem);
            m_nHoverItem = -1;
        }
        break;
    case WM_LBUTTONDBLCLK: {
        const LRESULT r = DefWindowProc(msg, wp, lp);
        if (m_bRename && !m_hRenameEdit) {
            const DWORD hit = ItemFromPoint(PointFromLParam(lp));
            if (HIWORD(hit) == 0 && GetCount() > 0)
                BeginRename(static_cast<int>(LOWORD(hit)));
        }
        return r;
    }
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        // The rename box would stay behind while its entry moves.
        CommitRename();
        break;
    case WM_DESTROY:
        CloseRename();
        break;
    default:
        break;
    }
    return CListBox::WndProc(msg, wp, lp);
}

} // namespace k47
