// SPDX-License-Identifier: MIT
// Test main of the window tests: the common controls and GDI+ as the program
// has them.

#include "framework/gdiplus.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    k47::CGdiplusSession gdiplus;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
