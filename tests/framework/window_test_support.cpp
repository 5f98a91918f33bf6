// SPDX-License-Identifier: MIT
#include "framework/window_test_support.h"

namespace k47 {

bool CTestParent::Create(int width, int height)
{
    return CreateEx(0, nullptr, L"k47 test parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                    RECT{10, 10, 10 + width, 10 + height}, nullptr, 0);
}

int CTestParent::Count(UINT msg) const
{
    int n = 0;
    for (const Posted& p : received)
        n += p.msg == msg ? 1 : 0;
    return n;
}

LRESULT CTestParent::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg >= WM_USER && msg < 0x8000) {
        received.push_back(Posted{msg, wp, lp});
        return 0;
    }
    return CWnd::WndProc(msg, wp, lp);
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        PumpPending();
        if (!done())
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    return true;
}

} // namespace k47
