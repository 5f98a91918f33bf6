// SPDX-License-Identifier: MIT
#include "fakes/system_code_pages.h"

#ifdef _WIN32
#include "platform/win32/win_code_pages.h"
#else
#include "fakes/iconv_code_pages.h"
#endif

namespace k47::test {

ICodePages& SystemCodePages()
{
#ifdef _WIN32
    static WinCodePages pages;
#else
    static IconvCodePages pages;
#endif
    return pages;
}

} // namespace k47::test
