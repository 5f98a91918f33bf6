// SPDX-License-Identifier: MIT
#pragma once
// Owners of GDI objects and device contexts. Every object is deleted by its
// owner; a device context gets its original objects back before it goes.

#include "framework/win32.h"

#include <utility>

namespace k47 {

// One GDI object of type H (HBITMAP, HFONT, HBRUSH, HRGN, HPEN), deleted with
// DeleteObject.
template <typename H> class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(H h) : m_h(h) {}
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(CGdiObject&& o) noexcept : m_h(std::exchange(o.m_h, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& o) noexcept
    {
        if (this != &o)
            Attach(o.Detach());
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    H Get() const { return m_h; }
    operator H() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    // Takes over h, deleting the object held before.
    void Attach(H h)
    {
        if (h != m_h)
            DeleteObject();
        m_h = h;
    }
    H Detach() { return std::exchange(m_h, nullptr); }
    void DeleteObject()
    {
        if (m_h)
            ::DeleteObject(m_h);
        m_h = nullptr;
    }

private:
    H m_h = nullptr;
};

using CBitmap = CGdiObject<HBITMAP>;
using CFont = CGdiObject<HFONT>;
using CBrush = CGdiObject<HBRUSH>;
using CRgn = CGdiObject<HRGN>;
using CPen = CGdiObject<HPEN>;

// Size of a bitmap in pixels; 0 x 0 for none.
SIZE BitmapSize(HBITMAP bitmap);

// Selects an object into a device context for the life of the scope.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(obj ? ::SelectObject(dc, obj) : nullptr) {}
    ~CSelectObject()
    {
        if (m_old)
            ::SelectObject(m_dc, m_old);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// A memory device context compatible with another one, deleted at scope end.
class CMemDC {
public:
    explicit CMemDC(HDC compatible) : m_dc(::CreateCompatibleDC(compatible)) {}
    ~CMemDC()
    {
        if (m_dc)
            ::DeleteDC(m_dc);
    }
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;
    operator HDC() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HDC m_dc;
};

// BeginPaint / EndPaint.
class CPaintDC {
public:
    explicit CPaintDC(HWND wnd) : m_wnd(wnd) { m_dc = ::BeginPaint(wnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_wnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    operator HDC() const { return m_dc; }
    const PAINTSTRUCT& Paint() const { return m_ps; }

private:
    HWND m_wnd;
    PAINTSTRUCT m_ps{};
    HDC m_dc;
};

// GetDC / ReleaseDC.
class CClientDC {
public:
    explicit CClientDC(HWND wnd) : m_wnd(wnd), m_dc(::GetDC(wnd)) {}
    ~CClientDC()
    {
        if (m_dc)
            ::ReleaseDC(m_wnd, m_dc);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HWND m_wnd;
    HDC m_dc;
};

// The font the skinned windows draw their texts in: "MS Shell Dlg" of the
// given pixel height, weight and character set 1, family FF_SWISS. An empty
// face leaves the choice to the platform.
HFONT CreateSkinFont(int height, int weight, const wchar_t* face = L"MS Shell Dlg");

// A copy of the (x, y, width, height) part of a bitmap as a new bitmap
// compatible with dc; null when source is null.
HBITMAP CopyBitmapPart(HDC dc, HBITMAP source, int x, int y, int width, int height);

// A 32-bit top-down DIB section of width x height compatible with dc; bits
// receives its first pixel row. Null (and bits null) on failure.
HBITMAP CreateTopDownDib(HDC dc, int width, int height, void** bits);

// Paints a bitmap at (x, y) in its own size.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);

} // namespace k47
