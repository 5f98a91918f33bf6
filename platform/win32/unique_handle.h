// SPDX-License-Identifier: MIT
#pragma once
#include <windows.h>

#include <setupapi.h>

#include <utility>

namespace k47 {

// A kernel handle that closes itself. Invalid is INVALID_HANDLE_VALUE or null,
// as the creating call reports failure.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) : m_h(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_h(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    HANDLE Get() const { return m_h; }
    bool Valid() const { return m_h != nullptr && m_h != INVALID_HANDLE_VALUE; }
    HANDLE Release() { return std::exchange(m_h, nullptr); }
    void Reset(HANDLE h = nullptr)
    {
        if (Valid())
            ::CloseHandle(m_h);
        m_h = h;
    }

private:
    HANDLE m_h = nullptr;
};

// A SetupDi device information list that destroys itself.
class DevInfoList {
public:
    explicit DevInfoList(HDEVINFO list) : m_list(list) {}
    ~DevInfoList() { Reset(); }
    DevInfoList(const DevInfoList&) = delete;
    DevInfoList& operator=(const DevInfoList&) = delete;

    HDEVINFO Get() const { return m_list; }
    bool Valid() const { return m_list != INVALID_HANDLE_VALUE; }
    void Reset(HDEVINFO list = INVALID_HANDLE_VALUE)
    {
        if (Valid())
            ::SetupDiDestroyDeviceInfoList(m_list);
        m_list = list;
    }

private:
    HDEVINFO m_list = INVALID_HANDLE_VALUE;
};

} // namespace k47
