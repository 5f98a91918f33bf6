// SPDX-License-Identifier: MIT
#include "emu/trace.h"

#include "config/text.h"

namespace k47 {

void Trace::FileCloser::operator()(std::FILE* file) const
{
    std::fclose(file);
}

Trace::Trace() = default;
Trace::~Trace() = default;

bool Trace::OpenFile(const std::string& path)
{
    m_file.reset();
    if (path.empty())
        return false;
#ifdef _WIN32
    // The narrow runtime calls take the ANSI code page; the path is UTF-8.
    Text wide = FromUtf8(path);
    std::wstring name(wide.begin(), wide.end());
    m_file.reset(_wfopen(name.c_str(), L"ab"));
#else
    m_file.reset(std::fopen(path.c_str(), "ab"));
#endif
    return m_file != nullptr;
}

void Trace::SetMemoryLimit(std::size_t limit)
{
    m_limit = limit;
    while (m_limit != 0 && m_entries.size() > m_limit)
        m_entries.pop_front();
}

const TraceEntry& Trace::Record(std::string_view dir, bool ok, std::string_view cmd,
                                const std::uint8_t* raw, std::size_t rawLength,
                                const JsonLine& decoded, std::uint32_t tick)
{
    TraceEntry entry;
    entry.dir = std::string(dir);
    entry.ok = ok;
    entry.cmd = std::string(cmd);
    if (raw != nullptr)
        entry.raw.assign(raw, raw + rawLength);

    JsonLine line;
    line.Add("dir", dir);
    if (!entry.raw.empty())
        line.Add("raw", HexBytes(entry.raw.data(), entry.raw.size()));
    line.Add("ok", ok);
    if (!cmd.empty())
        line.Add("cmd", cmd);
    line.AddFields(decoded);
    line.Add("seq", std::int64_t(++m_sequence));
    line.Add("t", tick);
    entry.line = line.Text();

    if (m_file) {
        std::fputs(entry.line.c_str(), m_file.get());
        std::fputc('\n', m_file.get());
        std::fflush(m_file.get());
    }
    m_entries.push_back(std::move(entry));
    if (m_limit != 0 && m_entries.size() > m_limit)
        m_entries.pop_front();
    return m_entries.back();
}

} // namespace k47
