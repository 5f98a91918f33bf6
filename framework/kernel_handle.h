// SPDX-License-Identifier: MIT
#pragma once
#include "framework/win32.h"

#include <utility>

namespace k47 {

// Owns one kernel object handle (file, mutex, event, thread) and closes it.
// Invalid handles are null; CreateFile's INVALID_HANDLE_VALUE is turned into null.
class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE h) : m_h(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~CHandle() { Close(); }
    CHandle(CHandle&& o) noexcept : m_h(std::exchange(o.m_h, nullptr)) {}
    CHandle& operator=(CHandle&& o) noexcept
    {
        if (this != &o) {
            Close();
            m_h = std::exchange(o.m_h, nullptr);
        }
        return *this;
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    HANDLE Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    void Reset(HANDLE h = nullptr)
    {
        Close();
        m_h = h == INVALID_HANDLE_VALUE ? nullptr : h;
    }
    HANDLE Release() { return std::exchange(m_h, nullptr); }

private:
    void Close()
    {
        if (m_h)
            ::CloseHandle(m_h);
        m_h = nullptr;
    }
    HANDLE m_h = nullptr;
};

} // namespace k47
