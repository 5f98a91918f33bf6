// SPDX-License-Identifier: MIT
#include "framework/dialog.h"
#include "framework/window_test_support.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <functional>

namespace k47 {
namespace {

// A dialog that runs a step once it is initialised.
class CScriptedDialog : public CDialog {
public:
    explicit CScriptedDialog(std::function<void(CScriptedDialog&)> step)
        : CDialog(IDD_INFO_DLG), m_step(std::move(step))
    {
    }
    using CDialog::EndDialog;
    int inits = 0;

protected:
    BOOL OnInitDialog() override
    {
        ++inits;
        m_step(*this);
        return TRUE;
    }

private:
    std::function<void(CScriptedDialog&)> m_step;
};

TEST(CDialog, ModalRunReturnsHowTheDialogEnded)
{
    struct Case {
        const char* name;
        std::function<void(CScriptedDialog&)> step;
        INT_PTR want;
    } cases[] = {
        {"OK", [](CScriptedDialog& d) { d.PostMessage(WM_COMMAND, IDOK, 0); }, IDOK},
        {"Cancel", [](CScriptedDialog& d) { d.PostMessage(WM_COMMAND, IDCANCEL, 0); }, IDCANCEL},
        {"WM_CLOSE", [](CScriptedDialog& d) { d.PostMessage(WM_CLOSE); }, IDCANCEL},
        {"ended at once", [](CScriptedDialog& d) { d.EndDialog(7); }, 7},
    };
    CTestParent owner;
    ASSERT_TRUE(owner.Create());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptedDialog dlg(c.step);
        EXPECT_EQ(dlg.DoModal(owner), c.want);
        EXPECT_EQ(dlg.inits, 1);
        EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
        EXPECT_TRUE(::IsWindowEnabled(owner)) << "the owner is enabled again";
    }
}

TEST(CDialog, AModelessDialogGoesWhenItEnds)
{
    CScriptedDialog dlg([](CScriptedDialog&) {});
    ASSERT_TRUE(dlg.Create());
    HWND h = dlg.GetSafeHwnd();
    EXPECT_EQ(CWnd::FromHandle(h), &dlg);
    dlg.EndDialog(IDOK);
    EXPECT_FALSE(::IsWindow(h));
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

} // namespace
} // namespace k47
