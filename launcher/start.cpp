// SPDX-License-Identifier: MIT
// Start: starts the utility from the folder this program lies in, and ends.
#include <windows.h>

#include <shellapi.h>

#include <cstdlib>
#include <cwchar>

namespace {

constexpr DWORD kPathUnits = 260;
constexpr wchar_t kUtility[] = L"K47MouseDriver.exe";

// Builds the utility's full path in out; false when the own path or the result
// does not fit 260 units, in which case nothing is started.
bool UtilityPath(wchar_t (&out)[kPathUnits])
{
    wchar_t self[kPathUnits] = {};
    DWORD length = ::GetModuleFileNameW(nullptr, self, kPathUnits);
    if (length == 0 || length >= kPathUnits)
        return false;

    wchar_t drive[kPathUnits] = {}, dir[kPathUnits] = {}, name[kPathUnits] = {},
            ext[kPathUnits] = {};
    if (_wsplitpath_s(self, drive, kPathUnits, dir, kPathUnits, name, kPathUnits, ext,
                      kPathUnits) != 0)
        return false;
    wchar_t folder[kPathUnits] = {};
    if (_wmakepath_s(folder, kPathUnits, drive, dir, nullptr, nullptr) != 0)
        return false;
    if (std::wcslen(folder) + std::wcslen(kUtility) >= kPathUnits)
        return false;
    return _snwprintf_s(out, kPathUnits, _TRUNCATE, L"%s%s", folder, kUtility) > 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    wchar_t utility[kPathUnits] = {};
    if (UtilityPath(utility))
        ::ShellExecuteW(nullptr, L"open", utility, nullptr, nullptr, SW_SHOWNORMAL);
    return 0;
}
