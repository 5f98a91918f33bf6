// SPDX-License-Identifier: MIT
#include "config/macro_library.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/file_image.h"
#include "config/file_messages.h"
#include "config/text_format.h"
#include "fakes/settings_world.h"

namespace k47 {
namespace {

using test::RecordingMessageBox;

constexpr std::size_t kFileSize = 2052000;
constexpr TextView kMacroFile = u"C:\\K47\\Macro.cfg";

class MacroLibraryTest : public test::SettingsWorld {
protected:
    static std::vector<std::uint8_t> Table() { return Bytes(g_MacroTable, sizeof g_MacroTable); }
    const std::vector<std::uint8_t>& OnDisk() const { return *files.Contents(kMacroFile); }

    // A built macro of count events: presses of keys 'A', 'B', ...
    struct Built {
        BuiltMacro head{};
        std::vector<std::uint32_t> events;
    };
    static Built Make(std::uint32_t id, std::size_t count, const char16_t* name = u"Macro")
    {
        Built built;
        built.head.Size = std::uint32_t(104 + 4 * count);
        built.head.Tag = kMacroTag;
        built.head.Id = id;
        built.head.Repeat = 3;
        CopyToField(name, built.head.Name, kMacroNameUnits);
        built.head.EventCount = std::uint32_t(count);
        for (std::size_t i = 0; i < count; ++i)
            built.events.push_back(MacroEvent(kMacroEventPress, 0x41 + std::uint32_t(i % 26)));
        return built;
    }
    static bool Store(const Built& built) { return StoreMacro(&built.head, built.events); }
};

TEST_F(MacroLibraryTest, MissingFileAtStartUp)
{
    EXPECT_FALSE(LoadMacroFile());
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_EQ(messages.Boxes()[0].text, u"Missing: C:\\K47\\Macro.cfg");
    EXPECT_EQ(messages.Boxes()[0].mode, 0);
    EXPECT_TRUE(ListMacrosOfGame(21).empty());

    // The first store announces the missing file, then creates it in full.
    ASSERT_TRUE(Store(Make(0x15000001, 2)));
    ASSERT_EQ(messages.Boxes().size(), 2u);
    EXPECT_EQ(messages.Boxes()[1].text, FormatWithText(kMissingPathText, kMacroFile));
    EXPECT_EQ(messages.Boxes()[1].caption, u"Info");
    ASSERT_TRUE(files.Exists(kMacroFile));
    EXPECT_EQ(OnDisk().size(), kFileSize);
    EXPECT_EQ(OnDisk(), Table());
    EXPECT_EQ(g_MacroTable[0].Id, 0x15000001u);
}

TEST_F(MacroLibraryTest, FileOfAnySizeLoadsUnexamined)
{
    for (std::size_t size :
         {std::size_t(0), std::size_t(3 * 4104 + 10), kFileSize, kFileSize + 100}) {
        SCOPED_TRACE(size);
        std::vector<std::uint8_t> content(size);
        for (std::size_t i = 0; i < size; ++i)
            content[i] = std::uint8_t(i * 13 + 1);
        files.Put(kMacroFile, content);
        ASSERT_TRUE(LoadMacroFile());
        auto want = content;
        want.resize(kFileSize, 0);
        EXPECT_EQ(Table(), want);
    }
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST_F(MacroLibraryTest, FileThatCannotBeReadLeavesTheTableEmpty)
{
    struct Case {
        const char* name;
        std::function<void(test::MemoryFileSystem&)> inject;
        std::vector<Text> shown;
    } cases[] = {
        {"read fails",
         [](auto& f) { f.FailReadsAfter(kMacroFile, 5000, win::kReadFault); },
         {FormatWithText(kReadFailedText, kMacroFile)}},
        {"read ends early",
         [](auto& f) { f.FailReadsAfter(kMacroFile, 5000, win::kSuccess); },
         {FormatWithText(kReadFailedText, kMacroFile)}},
        {"open refused", [](auto& f) { f.FailOpen(kMacroFile, win::kAccessDenied); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MemoryFileSystem disk;
        RecordingMessageBox boxes;
        ScopedSeam<IFileSystem> seam(&Seams::files, &disk);
        ScopedSeam<IMessageBox> shown(&Seams::messages, &boxes);
        disk.Put(kMacroFile, std::vector<std::uint8_t>(kFileSize, 0x5A));
        c.inject(disk);
        EXPECT_FALSE(LoadMacroFile());
        EXPECT_EQ(Table(), std::vector<std::uint8_t>(kFileSize, 0));
        EXPECT_EQ(Texts(boxes.Boxes()), c.shown);
        EXPECT_EQ(disk.OpenHandles(), 0u);
    }
}

TEST_F(MacroLibraryTest, SaveRewritesTheWholeFileBetweenPauses)
{
    files.Put(kMacroFile, std::vector<std::uint8_t>(100, 1));
    g_MacroTable[499].Name[39] = u'z';
    EXPECT_TRUE(SaveMacroFile());
    EXPECT_EQ(OnDisk(), Table());
    EXPECT_EQ(clock.Sleeps(), (std::vector<std::uint32_t>{100, 100}));
    EXPECT_FALSE(files.Exists(ReplacementPath(kMacroFile)));
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST_F(MacroLibraryTest, FailedSaveKeepsTheFileAndSaysSo)
{
    const Text written = FormatWithText(kWriteFailedText, kMacroFile);
    const Text missing = FormatWithText(kMissingPathText, kMacroFile);
    struct Case {
        const char* name;
        bool exists;
        std::function<void(test::MemoryFileSystem&)> inject;
        std::vector<Text> shown;
    } cases[] = {
        {"missing, folder denied",
         false,
         [](auto& f) { f.DenyWritesIn(u"C:\\K47"); },
         {missing, Text(kNoPermissionText)}},
        {"missing, disk full",
         false,
         [](auto& f) { f.FailWritesAfter(1000, win::kDiskFull); },
         {missing, written}},
        {"read-only", true, [](auto& f) { f.SetReadOnly(kMacroFile); }, {written}},
        {"disk full part-way",
         true,
         [](auto& f) { f.FailWritesAfter(100000, win::kDiskFull); },
         {written}},
        {"write stops", true, [](auto& f) { f.FailWritesAfter(4104, win::kSuccess); }, {written}},
        {"flush fails", true, [](auto& f) { f.FailFlush(win::kWriteFault); }, {written}},
        {"replace fails", true, [](auto& f) { f.FailReplace(win::kAccessDenied); }, {written}},
    };
    const std::vector<std::uint8_t> old(kFileSize, 0x33);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MemoryFileSystem disk;
        RecordingMessageBox boxes;
        ScopedSeam<IFileSystem> seam(&Seams::files, &disk);
        ScopedSeam<IMessageBox> shown(&Seams::messages, &boxes);
        disk.AddFolder(u"C:\\K47");
        if (c.exists)
            disk.Put(kMacroFile, old);
        c.inject(disk);
        g_MacroTable[0].Size = 120;

        EXPECT_FALSE(SaveMacroFile());
        EXPECT_EQ(Texts(boxes.Boxes()), c.shown);
        if (c.exists) {
            EXPECT_EQ(*disk.Contents(kMacroFile), old);
        } else {
            EXPECT_FALSE(disk.Exists(kMacroFile));
        }
        EXPECT_FALSE(disk.Exists(ReplacementPath(kMacroFile)));
        EXPECT_EQ(g_MacroTable[0].Size, 120u); // the table keeps the change
    }
}

TEST_F(MacroLibraryTest, BadBuiltMacrosAreRefused)
{
    files.Put(kMacroFile, std::vector<std::uint8_t>(kFileSize, 0));
    struct Case {
        const char* name;
        std::function<void(Built&)> spoil;
    } cases[] = {
        {"size below 108", [](Built& b) { b.head.Size = 107; }},
        {"wrong tag", [](Built& b) { b.head.Tag = 0xE8E70010; }},
        {"more than 1000 events", [](Built& b) { b = Make(b.head.Id, 1001); }},
        {"fewer words than counted", [](Built& b) { b.events.pop_back(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Built built = Make(0x15000001, 5);
        c.spoil(built);
        EXPECT_FALSE(Store(built));
        EXPECT_EQ(Table(), std::vector<std::uint8_t>(kFileSize, 0));
    }
    EXPECT_FALSE(StoreMacro(nullptr, {}));
    EXPECT_EQ(files.ChangeCount(kMacroFile), 0);

    // A full slot's worth is fine, and ends exactly at the slot's name.
    ASSERT_TRUE(Store(Make(0x15000002, 1000, u"Long")));
    EXPECT_EQ(g_MacroTable[0].Events[999], MacroEvent(kMacroEventPress, 0x41 + 999 % 26));
    EXPECT_EQ(FieldText(g_MacroTable[0].Name, kMacroNameUnits), u"Long");
    EXPECT_EQ(g_MacroTable[1].Size, 0u);
}

TEST_F(MacroLibraryTest, StoreReplacesItsIdOrTakesTheFirstFreeTag)
{
    files.Put(kMacroFile, std::vector<std::uint8_t>(kFileSize, 0));
    g_MacroTable[0] = {120, kMacroTag, 0x15000009, 0, 1, 1, {}, {}};
    g_MacroTable[1].Size = 200; // listed, yet free by its tag
    g_MacroTable[1].Events[7] = 0xDEAD;
    g_MacroTable[3] = {120, kMacroTag, 0x15000001, 0, 1, 1, {}, {}};
    g_MacroTable[4] = {120, kMacroTag, 0x15000001, 0, 1, 1, {}, {}};

    // An existing id: its first slot, events past the new count cleared.
    for (std::uint32_t i = 0; i < 10; ++i)
        g_MacroTable[3].Events[i] = 0xC0000041;
    Built small = Make(0x15000001, 2, u"Again");
    small.head.Repeat = kMacroSinglePress;
    ASSERT_TRUE(Store(small));
    const MacroRecord& again = g_MacroTable[3];
    EXPECT_EQ(again.Size, 112u);
    EXPECT_EQ(again.Tag, kMacroTag);
    EXPECT_EQ(again.EventCount, 2u);
    EXPECT_EQ(again.Repeat, kMacroSinglePress);
    EXPECT_EQ(again.Events[1], MacroEvent(kMacroEventPress, 0x42));
    EXPECT_EQ(again.Events[2], 0u);
    EXPECT_EQ(again.Events[9], 0u);
    EXPECT_EQ(FieldText(again.Name, kMacroNameUnits), u"Again");
    EXPECT_EQ(g_MacroTable[4].EventCount, 1u); // the second copy is left alone

    // A new id: the first slot whose tag is 0; words past the new ones stay.
    ASSERT_TRUE(Store(Make(0x15000002, 3, u"New")));
    EXPECT_EQ(g_MacroTable[1].Id, 0x15000002u);
    EXPECT_EQ(g_MacroTable[1].EventCount, 3u);
    EXPECT_EQ(g_MacroTable[1].Events[7], 0xDEADu);
    EXPECT_EQ(OnDisk(), Table());
    EXPECT_EQ(files.ChangeCount(kMacroFile), 2);
}

TEST_F(MacroLibraryTest, FullTableStoresNothingAndWritesNothing)
{
    for (std::size_t i = 0; i < kMacroSlots; ++i)
        g_MacroTable[i] = {108, kMacroTag, 0x15000000 + std::uint32_t(i), 0, 1, 1, {}, {}};
    files.Put(kMacroFile, Table());
    const auto before = Table();
    EXPECT_FALSE(Store(Make(0x15FFFFFF, 1)));
    EXPECT_EQ(Table(), before);
    EXPECT_EQ(files.ChangeCount(kMacroFile), 0);
    EXPECT_TRUE(messages.Boxes().empty());
    // Its own id still finds its slot.
    EXPECT_TRUE(Store(Make(0x15000007, 1)));
}

TEST_F(MacroLibraryTest, DeleteClearsTheFirstSlotAndAlwaysSaves)
{
    files.Put(kMacroFile, std::vector<std::uint8_t>(kFileSize, 0));
    ASSERT_TRUE(Store(Make(0x15000001, 4, u"One")));
    ASSERT_TRUE(Store(Make(0x15000002, 4, u"Two")));
    g_MacroTable[2] = g_MacroTable[0]; // a duplicate id further on
    const int before = files.ChangeCount(kMacroFile);

    DeleteMacro(0x15000001);
    EXPECT_EQ(Bytes(&g_MacroTable[0], sizeof(MacroRecord)),
              std::vector<std::uint8_t>(sizeof(MacroRecord), 0));
    EXPECT_FALSE(IsMacroSlotUsed(g_MacroTable[0]));
    EXPECT_EQ(g_MacroTable[2].Id, 0x15000001u);
    EXPECT_EQ(ListMacrosOfGame(21), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(files.ChangeCount(kMacroFile), before + 1);

    DeleteMacro(0x15ABCDEF);
    EXPECT_EQ(files.ChangeCount(kMacroFile), before + 2);
    EXPECT_EQ(OnDisk(), Table());
}

} // namespace
} // namespace k47
