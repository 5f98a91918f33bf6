// SPDX-License-Identifier: MIT
#include "config/profile_store.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/file_image.h"
#include "config/file_messages.h"
#include "config/text_format.h"
#include "fakes/settings_world.h"

namespace k47 {
namespace {

using test::RecordingMessageBox;

class ProfileStoreTest : public test::SettingsWorld {
protected:
    static constexpr TextView kProfile1 = u"C:\\K47\\Profile\\Profile1.cfg";
    static constexpr TextView kProfile2 = u"C:\\K47\\Profile\\Profile2.cfg";

    // A recognisable image that is not the defaults.
    static std::vector<std::uint8_t> Image(std::uint8_t seed)
    {
        std::vector<std::uint8_t> image(sizeof(SettingsImage));
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = std::uint8_t(seed + i % 251);
        std::memcpy(image.data(), &kSettingsMagic, 4);
        return image;
    }
    static std::vector<std::uint8_t> Defaults()
    {
        const SettingsImage saved = g_Settings;
        FillDefaults();
        auto bytes = Bytes(&g_Settings, sizeof g_Settings);
        g_Settings = saved;
        return bytes;
    }
    static std::vector<std::uint8_t> Current() { return Bytes(&g_Settings, sizeof g_Settings); }
    static void SetCurrent(std::vector<std::uint8_t> image)
    {
        std::memcpy(&g_Settings, image.data(), sizeof g_Settings);
    }
    static void MakeCurrent(std::size_t index)
    {
        CopyToField(ProfilePath(index), g_ProfileList[index].Path, kProfileTextUnits);
        CopyToField(u"Profile" + Text(1, char16_t(u'1' + index)), g_ProfileList[index].Name,
                    kProfileTextUnits);
        g_CurrentProfile = &g_ProfileList[index];
    }
    static Text Format(TextView format, TextView path) { return FormatWithText(format, path); }
};

TEST_F(ProfileStoreTest, FileOfAnySizeLoadsWithTheMagicSet)
{
    for (std::size_t size :
         {std::size_t(0), std::size_t(100), sizeof(SettingsImage), sizeof(SettingsImage) + 5000}) {
        SCOPED_TRACE(size);
        auto content = Image(3);
        content.resize(size, 0x77);
        if (size >= 4)
            content[3] = 0x00; // a wrong magic word
        files.Put(kProfile2, content);
        SetCurrent(Image(9));
        ASSERT_TRUE(LoadProfile(kProfile2, true));
        auto want = content;
        want.resize(sizeof(SettingsImage), 0);
        want[0] = 0x10, want[1] = 0x02, want[2] = 0x80, want[3] = 0x80;
        EXPECT_EQ(Current(), want);
    }
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST_F(ProfileStoreTest, MissingFileIsReportedAndReplacedOnlyWhenAsked)
{
    SetCurrent(Image(9));
    EXPECT_FALSE(LoadProfile(kProfile2, false));
    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_FALSE(files.Exists(kProfile2));
    EXPECT_EQ(Current(), Image(9));

    EXPECT_FALSE(LoadProfile(kProfile2, true));
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_EQ(messages.Boxes()[0].text, Format(kMissingPathText, kProfile2));
    EXPECT_EQ(messages.Boxes()[0].mode, 0);
    ASSERT_TRUE(files.Exists(kProfile2));
    EXPECT_EQ(*files.Contents(kProfile2), Defaults());
    EXPECT_EQ(Current(), Defaults());
}

TEST_F(ProfileStoreTest, FileThatCannotBeReadInFullIsReportedAndKept)
{
    for (std::int32_t error : {win::kSuccess, win::kReadFault}) {
        SCOPED_TRACE(error);
        test::MemoryFileSystem disk;
        ScopedSeam<IFileSystem> seam(&Seams::files, &disk);
        disk.Put(kProfile2, Image(3));
        disk.FailReadsAfter(kProfile2, 1000, error);
        SetCurrent(Image(9));
        EXPECT_EQ(LoadProfileFile(kProfile2, false), ProfileLoad::ReadFailed);
        EXPECT_EQ(Current(), Image(9));
        EXPECT_EQ(*disk.Contents(kProfile2), Image(3));
        EXPECT_EQ(disk.OpenHandles(), 0u);
    }
    EXPECT_EQ(Shown(), (std::vector<Text>(2, Format(kReadFailedText, kProfile2))));
}

TEST_F(ProfileStoreTest, OtherOpenFailureChangesNothing)
{
    files.Put(kProfile2, Image(3));
    files.FailOpen(kProfile2, win::kSharingViolation);
    SetCurrent(Image(9));
    EXPECT_EQ(LoadProfileFile(kProfile2, true), ProfileLoad::OpenFailed);
    EXPECT_EQ(Current(), Image(9));
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST_F(ProfileStoreTest, RegistryCopyStandsInForProfile1WhileFlagged)
{
    files.Put(kProfile1, Image(1));
    files.Put(kProfile2, Image(2));
    struct Case {
        const char* name;
        bool flagged;
        std::uint32_t type;
        std::size_t valueSize;
        TextView path;
        std::uint8_t wantSeed; // 0: the registry copy
    } cases[] = {
        {"flag not set", false, win::kRegBinary, sizeof(SettingsImage), kProfile1, 1},
        {"flagged", true, win::kRegBinary, sizeof(SettingsImage), kProfile1, 0},
        {"short value", true, win::kRegBinary, 300, kProfile1, 0},
        {"wrong type", true, win::kRegDword, sizeof(SettingsImage), kProfile1, 1},
        {"value too long", true, win::kRegBinary, sizeof(SettingsImage) + 4, kProfile1, 1},
        {"other profile", true, win::kRegBinary, sizeof(SettingsImage), kProfile2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto value = Image(7);
        value.resize(c.valueSize, 0x55);
        registry.Put(kKey, u"DefaultSetting", c.type, value);
        g_Profile1InRegistry = c.flagged;
        ASSERT_TRUE(LoadProfile(c.path, true));
        auto want = c.wantSeed ? Image(c.wantSeed) : value;
        want.resize(sizeof(SettingsImage), 0);
        want[0] = 0x10, want[1] = 0x02, want[2] = 0x80, want[3] = 0x80;
        EXPECT_EQ(Current(), want);
    }
}

TEST_F(ProfileStoreTest, DefaultProfileMakesItsFolder)
{
    SetCurrent(Image(9));
    EXPECT_TRUE(CreateDefaultProfile(kProfile1));
    EXPECT_TRUE(files.HasFolder(u"C:\\K47\\Profile"));
    ASSERT_TRUE(files.Exists(kProfile1));
    EXPECT_EQ(*files.Contents(kProfile1), Defaults());
    EXPECT_EQ(Current(), Defaults());
    EXPECT_TRUE(CreateDefaultProfile(kProfile2)); // the folder exists by now
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST_F(ProfileStoreTest, DefaultProfileThatCannotBeWritten)
{
    struct Case {
        const char* name;
        std::function<void(test::MemoryFileSystem&)> inject;
        Text want;
    } cases[] = {
        {"access denied", [](auto& f) { f.DenyWritesIn(u"C:\\K47\\Profile"); }, u"No permission"},
        {"disk full", [](auto& f) { f.FailWritesAfter(4000, win::kDiskFull); },
         Format(kWriteFailedText, kProfile2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MemoryFileSystem disk;
        RecordingMessageBox boxes;
        ScopedSeam<IFileSystem> seam(&Seams::files, &disk);
        ScopedSeam<IMessageBox> shown(&Seams::messages, &boxes);
        disk.Put(kProfile2, Image(2));
        c.inject(disk);
        SetCurrent(Image(9));
        EXPECT_FALSE(CreateDefaultProfile(kProfile2));
        EXPECT_EQ(Current(), Defaults());
        EXPECT_EQ(*disk.Contents(kProfile2), Image(2));
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, c.want);
        EXPECT_EQ(boxes.Boxes()[0].mode, 0);
    }
}

TEST_F(ProfileStoreTest, SaveWritesTheCurrentProfileWhole)
{
    files.Put(kProfile2, Image(2));
    MakeCurrent(1);
    SetCurrent(Image(5));
    EXPECT_TRUE(SaveCurrentProfile());
    EXPECT_EQ(*files.Contents(kProfile2), Image(5));
    EXPECT_FALSE(files.Exists(ReplacementPath(kProfile2)));
    EXPECT_TRUE(messages.Boxes().empty());

    g_CurrentProfile = nullptr;
    EXPECT_FALSE(SaveCurrentProfile());
}

TEST_F(ProfileStoreTest, SaveFailuresAndTheProfile1Fallback)
{
    struct Case {
        const char* name;
        std::size_t profile;
        std::function<void(test::MemoryFileSystem&, test::MemoryRegistry&)> inject;
        bool saved;
        bool inRegistry;
        Text text; // empty: no message
    } cases[] = {
        {"folder missing", 1, [](auto&, auto&) {}, false, false,
         u"Missing: C:\\K47\\Profile\\Profile2.cfg"},
        {"profile 1 denied", 0,
         [](auto& f, auto& r) {
             f.DenyWritesIn(u"C:\\K47\\Profile");
             r.Put(kKey, u"FirstRun", win::kRegBinary, {1, 0, 0, 0});
         },
         true, true, u""},
        {"profile 1 denied, registry refuses", 0,
         [](auto& f, auto& r) {
             f.DenyWritesIn(u"C:\\K47\\Profile");
             r.Put(kKey, u"FirstRun", win::kRegBinary, {1, 0, 0, 0});
             r.FailWrites(win::kAccessDenied);
         },
         false, false, u"Registry refused"},
        {"profile 1 denied, no key", 0, [](auto& f, auto&) { f.DenyWritesIn(u"C:\\K47\\Profile"); },
         false, false, u"Registry refused"},
        {"profile 2 denied", 1, [](auto& f, auto&) { f.DenyWritesIn(u"C:\\K47\\Profile"); }, false,
         false, FormatWithText(kWriteFailedText, kProfile2)},
        {"profile 1 read-only", 0,
         [](auto& f, auto& r) {
             f.SetReadOnly(kProfile1);
             r.Put(kKey, u"FirstRun", win::kRegBinary, {1, 0, 0, 0});
         },
         true, true, u""},
        {"disk full part-way", 1, [](auto& f, auto&) { f.FailWritesAfter(9000, win::kDiskFull); },
         false, false, FormatWithText(kWriteFailedText, kProfile2)},
        {"flush fails", 0, [](auto& f, auto&) { f.FailFlush(win::kWriteFault); }, false, false,
         FormatWithText(kWriteFailedText, kProfile1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MemoryFileSystem disk;
        test::MemoryRegistry keys;
        RecordingMessageBox boxes;
        ScopedSeam<IFileSystem> seam(&Seams::files, &disk);
        ScopedSeam<IRegistry> reg(&Seams::registry, &keys);
        ScopedSeam<IMessageBox> shown(&Seams::messages, &boxes);
        disk.AddFolder(u"C:\\K47");
        const TextView path = c.profile == 0 ? kProfile1 : kProfile2;
        if (std::string(c.name) != "folder missing")
            disk.Put(path, Image(2));
        c.inject(disk, keys);
        g_Profile1InRegistry = false;
        MakeCurrent(c.profile);
        SetCurrent(Image(5));

        EXPECT_EQ(SaveCurrentProfile(), c.saved);
        EXPECT_EQ(g_Profile1InRegistry, c.inRegistry);
        const auto* copy = keys.Find(kKey, u"DefaultSetting");
        EXPECT_EQ(copy != nullptr, c.inRegistry);
        if (copy) {
            EXPECT_EQ(copy->type, win::kRegBinary);
            EXPECT_EQ(copy->data, Image(5));
        }
        if (disk.Exists(path)) {
            EXPECT_EQ(*disk.Contents(path), Image(2)); // never part-written
        }
        EXPECT_FALSE(disk.Exists(ReplacementPath(path)));
        if (c.text.empty()) {
            EXPECT_TRUE(boxes.Boxes().empty());
        } else {
            ASSERT_EQ(boxes.Boxes().size(), 1u);
            EXPECT_EQ(boxes.Boxes()[0].text, c.text);
            EXPECT_EQ(boxes.Boxes()[0].caption, u"Info");
        }
        EXPECT_EQ(keys.OpenHandles(), 0u);
    }
}

TEST_F(ProfileStoreTest, RegistryCopyServesUntilTheFileIsWrittenAgain)
{
    registry.Put(kKey, u"FirstRun", win::kRegBinary, {1, 0, 0, 0});
    files.Put(kProfile1, Image(1));
    files.SetReadOnly(kProfile1);
    MakeCurrent(0);
    SetCurrent(Image(5));
    ASSERT_TRUE(SaveCurrentProfile());
    ASSERT_TRUE(g_Profile1InRegistry);
    SetCurrent(Image(9));
    ASSERT_TRUE(LoadProfile(kProfile1, true));
    EXPECT_EQ(Current(), Image(5));

    // Once the file can be written, it is the newer copy and is read again.
    test::MemoryFileSystem writable;
    ScopedSeam<IFileSystem> seam(&Seams::files, &writable);
    writable.AddFolder(u"C:\\K47\\Profile");
    SetCurrent(Image(6));
    ASSERT_TRUE(SaveCurrentProfile());
    EXPECT_FALSE(g_Profile1InRegistry);
    SetCurrent(Image(9));
    ASSERT_TRUE(LoadProfile(kProfile1, true));
    EXPECT_EQ(Current(), Image(6));
}

} // namespace
} // namespace k47
