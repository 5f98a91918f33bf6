// SPDX-License-Identifier: MIT
#include "framework/file.h"

namespace k47 {

bool CFile::Open(const wchar_t* path, unsigned flags)
{
    DWORD access = GENERIC_READ;
    if (flags & modeWrite)
        access = GENERIC_WRITE;
    if (flags & modeReadWrite)
        access = GENERIC_READ | GENERIC_WRITE;
    const DWORD disposition = (flags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    m_file.Reset(::CreateFileW(path, access, FILE_SHARE_READ, nullptr, disposition,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    return IsOpen();
}

std::int64_t CFile::Read(void* buffer, std::uint32_t count)
{
    DWORD got = 0;
    if (!m_file || !::ReadFile(m_file.Get(), buffer, count, &got, nullptr))
        return -1;
    return got;
}

bool CFile::Write(const void* buffer, std::uint32_t count)
{
    DWORD put = 0;
    return m_file && ::WriteFile(m_file.Get(), buffer, count, &put, nullptr) && put == count;
}

std::int64_t CFile::GetLength() const
{
    LARGE_INTEGER size{};
    if (!m_file || !::GetFileSizeEx(m_file.Get(), &size))
        return -1;
    return size.QuadPart;
}

} // namespace k47
