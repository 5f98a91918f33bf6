// SPDX-License-Identifier: MIT
#pragma once
// The list box control. An owner-drawn list measures and paints its entries
// in MeasureItem and DrawItem: its parent reflects both back to it.

#include "framework/wnd.h"

#include <string>

namespace k47 {

class CListBox : public CWnd {
public:
    // Creates a LISTBOX control with the given styles.
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, index)); }
    int AddString(const wchar_t* text)
    {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, const wchar_t* text)
    {
        return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index)
    {
        return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    // The entry's text; empty for an index outside the list.
    std::wstring GetText(int index) const;
    DWORD_PTR GetItemData(int index) const
    {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    void SetItemData(int index, DWORD_PTR data)
    {
        SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
    }
    RECT GetItemRect(int index) const;
    int GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
    void SetTopIndex(int index) { SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index)); }
    // The raw answer of LB_ITEMFROMPOINT for a client point: the index in
    // the low word, 1 in the high word when the point lies outside the entries.
    DWORD ItemFromPoint(POINT pt) const
    {
        return static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, LParamFromClient(pt)));
    }

protected:
    virtual void MeasureItem(MEASUREITEMSTRUCT& mis);
    virtual void DrawItem(const DRAWITEMSTRUCT& dis);
    bool OnReflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    static LPARAM LParamFromClient(POINT pt)
    {
        return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y));
    }
};

} // namespace k47
