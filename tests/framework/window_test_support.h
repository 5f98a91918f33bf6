// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the tests that create real windows (under Wine, in a private X
// server): a plain parent window and a message pump that stops when a
// condition holds or a generous time-out passes.

#include "framework/wnd.h"

#include <functional>
#include <vector>

namespace k47 {

// A top-level window that records the messages of the WM_USER range it gets.
class CTestParent : public CWnd {
public:
    struct Posted {
        UINT msg;
        WPARAM wp;
        LPARAM lp;
    };
    bool Create(int width = 400, int height = 300);
    std::vector<Posted> received;
    int Count(UINT msg) const;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

// Dispatches messages until done() or timeoutMs; true when done() held.
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs = 10000);
// Dispatches what is queued now.
void PumpPending();

} // namespace k47
