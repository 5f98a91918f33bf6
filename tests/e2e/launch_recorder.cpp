// SPDX-License-Identifier: MIT
// Stands in for the utility in the launcher's test: writes how it was started
// (its own path, its command line, its working folder) to "started.txt" beside
// itself, then ends.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    wchar_t self[MAX_PATH] = {}, cwd[MAX_PATH] = {}, out[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    ::GetCurrentDirectoryW(MAX_PATH, cwd);
    std::wcscpy(out, self);
    wchar_t* slash = std::wcsrchr(out, L'\\');
    std::wcscpy(slash ? slash + 1 : out, L"started.tmp");
    FILE* f = _wfopen(out, L"w, ccs=UTF-8");
    if (!f)
        return 1;
    std::fwprintf(f, L"module=%ls\ncommandline=%ls\ncwd=%ls\n", self, ::GetCommandLineW(), cwd);
    std::fclose(f);
    // Renamed when complete, so the test never reads half a file.
    wchar_t done[MAX_PATH];
    std::wcscpy(done, out);
    std::wcscpy(std::wcsrchr(done, L'.'), L".txt");
    ::MoveFileExW(out, done, MOVEFILE_REPLACE_EXISTING);
    return 0;
}
