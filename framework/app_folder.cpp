// SPDX-License-Identifier: MIT
#include "framework/app_folder.h"

#include "framework/win32.h"

#include <vector>

namespace k47 {

std::wstring ExecutableFolder()
{
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0)
            return L".\\";
        if (n < buf.size())
            break;
        buf.resize(buf.size() * 2);
    }
    std::wstring path(buf.data());
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L".\\" : path.substr(0, slash + 1);
}

} // namespace k47
