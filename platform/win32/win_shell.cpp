// SPDX-License-Identifier: MIT
#include "platform/win32/win_shell.h"

#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

namespace k47 {

void WinShell::Open(TextView path)
{
    const std::wstring p(path.begin(), path.end());
    ::ShellExecuteW(nullptr, L"open", p.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void WinShell::PlaySoundFile(TextView path)
{
    const std::wstring p(path.begin(), path.end());
    ::PlaySoundW(p.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
}

} // namespace k47
