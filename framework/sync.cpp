// SPDX-License-Identifier: MIT
#include "framework/sync.h"

namespace k47 {

CMutex::CMutex(const wchar_t* name, bool initiallyOwn)
{
    m_mutex.Reset(::CreateMutexW(nullptr, initiallyOwn ? TRUE : FALSE, name));
    m_bExisted = m_mutex && ::GetLastError() == ERROR_ALREADY_EXISTS;
}

bool CMutex::Lock(DWORD timeoutMs)
{
    if (!m_mutex)
        return false;
    const DWORD r = ::WaitForSingleObject(m_mutex.Get(), timeoutMs);
    return r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
}

bool CMutex::Unlock()
{
    return m_mutex && ::ReleaseMutex(m_mutex.Get()) != FALSE;
}

CSingleLock::CSingleLock(CMutex& mutex, bool lockNow) : m_mutex(mutex)
{
    if (lockNow)
        Lock();
}

bool CSingleLock::Lock(DWORD timeoutMs)
{
    if (!m_bLocked)
        m_bLocked = m_mutex.Lock(timeoutMs);
    return m_bLocked;
}

bool CSingleLock::Unlock()
{
    if (!m_bLocked)
        return true;
    m_bLocked = !m_mutex.Unlock();
    return !m_bLocked;
}

} // namespace k47
