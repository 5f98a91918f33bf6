// SPDX-License-Identifier: MIT
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "config/app_folder.h"
#include "config/lang_text.h"
#include "config/macro_table.h"
#include "config/profile_entry.h"
#include "config/profile_store.h"
#include "config/seams.h"
#include "config/settings_image.h"
#include "fakes/fake_clock.h"
#include "fakes/memory_file_system.h"
#include "fakes/memory_registry.h"
#include "fakes/recording_message_box.h"

namespace k47::test {

// The settings' world for one case: an application folder on an in-memory
// disk, an empty registry, recorded message boxes, a clock that never blocks,
// and every process-wide record of the settings zero. Restored afterwards.
class SettingsWorld : public ::testing::Test {
protected:
    static constexpr TextView kAppFolder = u"C:\\K47\\";
    static constexpr TextView kKey = u"Software\\ORVEK\\K47";

    void SetUp() override
    {
        m_savedFolder = g_AppFolder;
        g_AppFolder = Text(kAppFolder);
        files.AddFolder(u"C:\\K47");
        ResetRecords();
        SetLangText("str_msg2", u"Missing: %s");
        SetLangText("str_msg4", u"No permission");
        SetLangText("str_msg5", u"Registry refused");
        SetLangText("str_profile1", u"Profile1");
    }
    void TearDown() override
    {
        EXPECT_EQ(files.OpenHandles(), 0u);
        EXPECT_EQ(registry.OpenHandles(), 0u);
        ResetRecords();
        for (auto& text : LangText)
            text.clear();
        g_AppFolder = m_savedFolder;
    }
    static void ResetRecords()
    {
        std::memset(&g_Settings, 0, sizeof g_Settings);
        std::memset(g_ProfileList, 0, sizeof g_ProfileList);
        std::memset(g_MacroTable, 0, sizeof g_MacroTable);
        std::memset(g_ButtonMacroIds, 0, sizeof g_ButtonMacroIds);
        g_CurrentProfile = nullptr;
        g_Profile1InRegistry = false;
    }

    static std::vector<std::uint8_t> Bytes(const void* data, std::size_t size)
    {
        auto p = static_cast<const std::uint8_t*>(data);
        return std::vector<std::uint8_t>(p, p + size);
    }
    static std::vector<Text> Texts(const std::vector<RecordingMessageBox::Shown>& boxes)
    {
        std::vector<Text> texts;
        for (const auto& box : boxes)
            texts.push_back(box.text);
        return texts;
    }
    std::vector<Text> Shown() const { return Texts(messages.Boxes()); }

    MemoryFileSystem files;
    MemoryRegistry registry;
    RecordingMessageBox messages;
    FakeClock clock;

private:
    ScopedSeam<IFileSystem> m_files{&Seams::files, &files};
    ScopedSeam<IRegistry> m_registry{&Seams::registry, &registry};
    ScopedSeam<IMessageBox> m_messages{&Seams::messages, &messages};
    ScopedSeam<IClock> m_clock{&Seams::clock, &clock};
    Text m_savedFolder;
};

} // namespace k47::test
