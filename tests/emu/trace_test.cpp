// SPDX-License-Identifier: MIT
#include "emu/trace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace k47 {
namespace {

std::vector<std::string> ReadLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(Trace, OneObjectPerLineWithRawFirstAndDecodedFieldsAfter)
{
    Trace trace;
    const std::uint8_t raw[] = {0x07, 0x0C, 0x01, 0xAB, 0x00};
    JsonLine fields;
    fields.Add("colour", "#00ab00").Add("red", 0);
    const TraceEntry& entry =
        trace.Record("set_feature", true, "light_colour", raw, sizeof raw, fields, 100050);
    EXPECT_EQ(entry.line, "{\"dir\":\"set_feature\",\"raw\":\"070c01ab00\",\"ok\":true,"
                          "\"cmd\":\"light_colour\",\"colour\":\"#00ab00\",\"red\":0,"
                          "\"seq\":1,\"t\":100050}");
    EXPECT_EQ(entry.raw, std::vector<std::uint8_t>(raw, raw + sizeof raw));

    const TraceEntry& event = trace.Record("removed", true, "", nullptr, 0, JsonLine(), 7);
    EXPECT_EQ(event.line, "{\"dir\":\"removed\",\"ok\":true,\"seq\":2,\"t\":7}");
    EXPECT_EQ(trace.Entries().size(), 2u);
}

TEST(Trace, TextsAreEscaped)
{
    JsonLine line;
    line.Add("device", "\\\\?\\HID#\"x\"\n");
    EXPECT_EQ(line.Text(), "{\"device\":\"\\\\\\\\?\\\\HID#\\\"x\\\"\\u000a\"}");
}

TEST(Trace, LinesAreAppendedToTheFile)
{
    const std::string path = ::testing::TempDir() + "k47_trace_test.jsonl";
    std::remove(path.c_str());
    const std::uint8_t raw[] = {0x07, 0x80};
    {
        Trace first;
        ASSERT_TRUE(first.OpenFile(path));
        first.Record("set_feature", true, "version_query", raw, 2, JsonLine(), 1);
        // Flushed line by line: readable while the trace is open.
        EXPECT_EQ(ReadLines(path).size(), 1u);
    }
    Trace second;
    ASSERT_TRUE(second.OpenFile(path));
    second.Record("get_feature", false, "", raw, 2, JsonLine(), 2);
    auto lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("{\"dir\":\"set_feature\"", 0), 0u);
    EXPECT_EQ(lines[1].rfind("{\"dir\":\"get_feature\",\"raw\":\"0780\",\"ok\":false", 0), 0u);
    std::remove(path.c_str());
}

TEST(Trace, TheMemoryKeepsTheNewestLinesUpToItsLimit)
{
    Trace trace;
    trace.SetMemoryLimit(2);
    for (std::uint32_t tick = 1; tick <= 3; ++tick)
        trace.Record("arrived", true, "", nullptr, 0, JsonLine(), tick);
    ASSERT_EQ(trace.Entries().size(), 2u);
    EXPECT_NE(trace.Entries().front().line.find("\"seq\":2"), std::string::npos);
}

TEST(Trace, AFileThatCannotBeOpenedLeavesTheMemoryTrace)
{
    Trace trace;
    EXPECT_FALSE(trace.OpenFile(::testing::TempDir() + "no_such_folder/x/trace.jsonl"));
    EXPECT_FALSE(trace.OpenFile(""));
    EXPECT_FALSE(trace.HasFile());
    trace.Record("arrived", true, "", nullptr, 0, JsonLine(), 0);
    EXPECT_EQ(trace.Entries().size(), 1u);
}

} // namespace
} // namespace k47
