// SPDX-License-Identifier: MIT
#pragma once
// What the virtual mouse saw, in order: one JSON object per line for every
// feature report set or got, every output report written and every bus event.
// Each line carries "dir", the report's bytes as "raw" (lower-case hex, report
// ID first) and the decoded fields, so the traffic can be checked from "raw"
// alone. Lines are kept in memory and, when a file is given, appended to it
// and flushed one by one so that another process can follow.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "emu/json_line.h"

namespace k47 {

namespace trace_dir {
constexpr std::string_view kSetFeature = "set_feature";
constexpr std::string_view kGetFeature = "get_feature";
constexpr std::string_view kOutput = "output";
constexpr std::string_view kRemoved = "removed";
constexpr std::string_view kArrived = "arrived";
constexpr std::string_view kConfigWarning = "config_warning";
} // namespace trace_dir

struct TraceEntry {
    std::string dir;
    bool ok = true;                // the transfer succeeded as the host saw it
    std::string cmd;               // the command the report belongs to; empty for bus events
    std::vector<std::uint8_t> raw; // the report as sent or answered, report ID first
    std::string line;              // the JSON line as written
};

class Trace {
public:
    Trace();
    ~Trace();
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

    // Appends every later line also to the file at path (UTF-8), created when
    // missing. False when it cannot be opened; the memory trace goes on.
    bool OpenFile(const std::string& path);
    bool HasFile() const { return m_file != nullptr; }

    // Records one line: dir, raw (when not empty), ok, cmd (when not empty),
    // then the decoded fields, then the sequence number and the tick count.
    const TraceEntry& Record(std::string_view dir, bool ok, std::string_view cmd,
                             const std::uint8_t* raw, std::size_t rawLength,
                             const JsonLine& decoded, std::uint32_t tick);

    // Keeps at most limit entries in memory, the oldest dropped first; 0 keeps
    // all. The file gets every line.
    void SetMemoryLimit(std::size_t limit);

    const std::deque<TraceEntry>& Entries() const { return m_entries; }
    void Clear() { m_entries.clear(); }

private:
    struct FileCloser {
        void operator()(std::FILE* file) const;
    };
    std::unique_ptr<std::FILE, FileCloser> m_file;
    std::deque<TraceEntry> m_entries;
    std::size_t m_limit = 0;
    std::uint64_t m_sequence = 0;
};

} // namespace k47
