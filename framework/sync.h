// SPDX-License-Identifier: MIT
#pragma once
// A named or unnamed mutex, and a lock held for a scope.

#include "framework/kernel_handle.h"

namespace k47 {

class CMutex {
public:
    // Creates or opens the mutex; initially not owned unless initiallyOwn.
    explicit CMutex(const wchar_t* name = nullptr, bool initiallyOwn = false);
    bool IsValid() const { return static_cast<bool>(m_mutex); }
    // True when the name existed before this object opened it.
    bool AlreadyExisted() const { return m_bExisted; }
    // Waits up to timeoutMs; true when owned (an abandoned mutex counts).
    bool Lock(DWORD timeoutMs = INFINITE);
    bool Unlock();
    HANDLE Handle() const { return m_mutex.Get(); }

private:
    CHandle m_mutex;
    bool m_bExisted = false;
};

class CSingleLock {
public:
    explicit CSingleLock(CMutex& mutex, bool lockNow = false);
    ~CSingleLock() { Unlock(); }
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    bool Lock(DWORD timeoutMs = INFINITE);
    bool Unlock();
    bool IsLocked() const { return m_bLocked; }

private:
    CMutex& m_mutex;
    bool m_bLocked = false;
};

} // namespace k47
