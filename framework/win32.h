// SPDX-License-Identifier: MIT
#pragma once
// The platform headers every Win32 file of the window layer and above uses,
// in one order.

#include <windows.h>

#include <commctrl.h>
#include <olectl.h>
