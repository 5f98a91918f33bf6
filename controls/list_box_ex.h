// SPDX-License-Identifier: MIT
#pragma once
// The dark skinned list: owner-drawn entries with an optional marker picture,
// selection changes reported with the entry under the pointer, renaming of
// an entry in place.

#include "framework/edit.h"
#include "framework/gdi.h"
#include "framework/gdiplus.h"
#include "framework/list_box.h"

#include <array>
#include <cstdint>
#include <string>

namespace k47 {

class CListBoxEx : public CListBox {
public:
    CListBoxEx();

    // Creates the list with the owner-draw, has-strings and notify styles
    // added to style.
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    // Appends an entry (kind 0 none, 1 indent only, 2 up, 3 down, 4 delay
    // marker), selects it and, when rename is set, starts renaming it; a
    // rename in progress is closed first without a notification. Returns the
    // entry's index, or -1.
    int AddItem(int kind, const wchar_t* text, std::uint32_t value, bool rename = false);
    // Inserts an entry at index and selects it.
    int InsertItem(int index, int kind, const wchar_t* text, std::uint32_t value);
    // Puts a new entry in place of the one at index and selects it.
    int ReplaceItem(int index, int kind, const wchar_t* text, std::uint32_t value);

    // The caller's value of an entry (bits 0-23 when it has a picture kind).
    std::uint32_t GetItemValue(int index) const;
    bool IsRenaming() const { return m_hRenameEdit != nullptr; }
    // Starts renaming the entry at index; false when one is open already.
    bool BeginRename(int index);

    // Written directly by the pages.
    int m_nItemHeight = 20;
    COLORREF m_crSelectedText = 0;
    COLORREF m_crText = 0;
    COLORREF m_crSelectedFill = 0;
    int m_nIconWidth = 16;
    int m_nIconHeight = 16;
    BOOL m_bRename = FALSE;
    BOOL m_bIcons = TRUE;
    CBrush m_Background;
    HWND m_hNotifyTarget = nullptr;
    BOOL m_bNotifyTarget = FALSE;

protected:
    void PreSubclassWindow() override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void MeasureItem(MEASUREITEMSTRUCT& mis) override;
    void DrawItem(const DRAWITEMSTRUCT& dis) override;
    bool OnReflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    class CRenameEdit;
    friend class CRenameEdit;

    HWND NotifyWindow() const;
    void NotifyClick();
    void OnMouseMove(POINT pt);
    void RedrawItem(int index);
    void CommitRename();
    void CancelRename();
    void CloseRename();
    void DrawMarker(HDC dc, int kind, bool selected, int x, int y);

    CFont m_Font;
    CBrush m_brDisabled;
    int m_nHoverItem = -1;
    int m_nRenameItem = -1;
    HWND m_hRenameEdit = nullptr;
    CRenameEdit* m_pRenameEdit = nullptr;
    std::wstring m_strSkinFolder;
    BOOL m_bTrackingLeave = FALSE;
    int m_nLastSel = -1;
    // The marker pictures, read once: up, down, delay, each normal and selected.
    std::array<CGdipBitmap, 6> m_markers;
    std::array<bool, 6> m_markerRead{};
};

} // namespace k47
