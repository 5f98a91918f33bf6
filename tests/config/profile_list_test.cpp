// SPDX-License-Identifier: MIT
#include "config/profile_list.h"

#include <gtest/gtest.h>

#include "config/file_messages.h"
#include "config/text_format.h"
#include "fakes/settings_world.h"

namespace k47 {
namespace {

// Records what the main window is asked to show.
class RecordingView : public IProfileView {
public:
    void ShowCurrentProfile(std::size_t index) override { calls.push_back(int(index)); }
    void ShowSettings() override { calls.push_back(-1); }
    std::vector<int> calls; // profile indexes; -1 for a refresh of the pages
};

class ProfileListTest : public test::SettingsWorld {
protected:
    static Text PathOf(int profile) { return ProfilePath(std::size_t(profile - 1)); }
    static std::vector<std::uint8_t> Image(std::uint8_t seed)
    {
        std::vector<std::uint8_t> image(sizeof(SettingsImage), seed);
        std::memcpy(image.data(), &kSettingsMagic, 4);
        return image;
    }
    static std::vector<std::uint8_t> Current() { return Bytes(&g_Settings, sizeof g_Settings); }
    // A stored list with the given active words and recognisable macro ids.
    void StoreList(std::vector<std::uint32_t> active)
    {
        std::vector<ProfileEntry> list(kProfileCount);
        std::memset(list.data(), 0, sizeof(ProfileEntry) * kProfileCount);
        for (std::size_t i = 0; i < kProfileCount; ++i) {
            list[i].Active = i < active.size() ? active[i] : 0;
            list[i].MacroIds[0] = 0x15000000 + std::uint32_t(i);
            CopyToField(u"stale", list[i].Name, kProfileTextUnits);
            CopyToField(u"D:\\elsewhere.cfg", list[i].Path, kProfileTextUnits);
        }
        registry.Put(kKey, u"ConfigInfo", win::kRegBinary,
                     Bytes(list.data(), sizeof(ProfileEntry) * kProfileCount));
    }
    static std::vector<std::uint32_t> ActiveWords()
    {
        std::vector<std::uint32_t> words;
        for (const auto& entry : g_ProfileList)
            words.push_back(entry.Active);
        return words;
    }

    RecordingView view;
};

TEST_F(ProfileListTest, FirstStartWithNothingStored)
{
    InitProfileList(view);

    const auto* list = registry.Find(kKey, u"ConfigInfo");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->type, win::kRegBinary);
    EXPECT_EQ(list->data, std::vector<std::uint8_t>(8000, 0));
    EXPECT_TRUE(files.HasFolder(u"C:\\K47\\Profile"));
    const auto* file = files.Contents(u"C:\\K47\\Profile\\Profile1.cfg");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->size(), 22124u);
    EXPECT_EQ(std::vector<std::uint8_t>(file->begin(), file->begin() + 4),
              (std::vector<std::uint8_t>{0x10, 0x02, 0x80, 0x80}));
    EXPECT_EQ(*file, Current());
    // The saved language comes later; the first names are the Chinese ones.
    EXPECT_EQ(FieldText(g_ButtonSettings[0].szName, kButtonNameUnits), u"单击");
    EXPECT_TRUE(messages.Boxes().empty());

    EXPECT_EQ(g_CurrentProfile, &g_ProfileList[0]);
    EXPECT_EQ(ActiveWords(), (std::vector<std::uint32_t>{1, 0, 0, 0, 0}));
    EXPECT_EQ(view.calls, std::vector<int>{0});
    for (int p = 1; p <= 5; ++p) {
        SCOPED_TRACE(p);
        const ProfileEntry& entry = g_ProfileList[p - 1];
        EXPECT_EQ(entry.Marker, 0xBEBEu);
        EXPECT_EQ(FieldText(entry.Name, kProfileTextUnits), u"Profile" + Text(1, u'0' + p));
        EXPECT_EQ(FieldText(entry.Path, kProfileTextUnits),
                  u"C:\\K47\\Profile\\Profile" + Text(1, u'0' + p) + u".cfg");
    }
}

TEST_F(ProfileListTest, ActiveProfileLoadsWithoutAMessage)
{
    StoreList({0, 0, 1, 0, 0});
    files.Put(PathOf(3), Image(3));
    InitProfileList(view);

    EXPECT_EQ(g_CurrentProfile, &g_ProfileList[2]);
    EXPECT_EQ(Current(), Image(3));
    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_EQ(view.calls, std::vector<int>{2});
    EXPECT_FALSE(files.Exists(PathOf(1)));
    // Names, paths and markers are rebuilt; the macro ids survive.
    EXPECT_EQ(FieldText(g_ProfileList[2].Path, kProfileTextUnits), PathOf(3));
    EXPECT_EQ(g_ProfileList[4].MacroIds[0], 0x15000004u);
}

TEST_F(ProfileListTest, ActiveProfilesThatFailAreSkipped)
{
    struct Case {
        const char* name;
        std::vector<std::uint32_t> active;
        std::function<void(test::MemoryFileSystem&)> disk;
        int wantCurrent;
        std::vector<Text> wantShown;
        std::vector<bool> wantFiles; // profile files 1-5 present afterwards
        std::uint8_t wantSeed;       // the profile file g_Settings holds; 0 the defaults
    } cases[] = {
        {"missing, then present",
         {0, 1, 0, 1, 0},
         [](auto& f) { f.Put(PathOf(4), Image(4)); },
         4,
         {FormatWithText(kMissingPathText, PathOf(2))},
         {false, true, false, true, false},
         4},
        {"missing, nothing else",
         {0, 1, 0, 0, 0},
         [](auto&) {},
         1,
         {FormatWithText(kMissingPathText, PathOf(2))},
         {true, true, false, false, false},
         0},
        {"unreadable is kept",
         {0, 0, 1, 0, 0},
         [](auto& f) {
             f.Put(PathOf(1), Image(1));
             f.Put(PathOf(3), Image(3));
             f.FailReadsAfter(PathOf(3), 10, win::kReadFault);
         },
         1,
         {FormatWithText(kReadFailedText, PathOf(3))},
         {true, false, true, false, false},
         1},
        {"locked is replaced",
         {0, 0, 1, 0, 0},
         [](auto& f) {
             f.Put(PathOf(1), Image(1));
             f.Put(PathOf(3), Image(3));
             f.FailOpen(PathOf(3), win::kSharingViolation);
         },
         1,
         {},
         {true, false, true, false, false},
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MemoryFileSystem disk;
        test::RecordingMessageBox boxes;
        ScopedSeam<IFileSystem> seam(&Seams::files, &disk);
        ScopedSeam<IMessageBox> shown(&Seams::messages, &boxes);
        disk.AddFolder(u"C:\\K47");
        c.disk(disk);
        StoreList(c.active);
        RecordingView window;
        InitProfileList(window);

        EXPECT_EQ(CurrentProfileIndex(), c.wantCurrent - 1);
        std::vector<std::uint32_t> wantActive(kProfileCount, 0);
        wantActive[std::size_t(c.wantCurrent - 1)] = 1;
        EXPECT_EQ(ActiveWords(), wantActive);
        EXPECT_EQ(Texts(boxes.Boxes()), c.wantShown);
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(disk.Exists(PathOf(p)), c.wantFiles[std::size_t(p - 1)]) << p;
        EXPECT_EQ(g_Settings.DpiLevels[0],
                  c.wantSeed ? Image(c.wantSeed)[22012] * 0x01010101 : 1000);
        EXPECT_EQ(window.calls, std::vector<int>{c.wantCurrent - 1});
    }
}

TEST_F(ProfileListTest, RegistryTroubleIsSilent)
{
    struct Case {
        const char* name;
        std::function<void(test::MemoryRegistry&)> set;
        bool wantList;
    } cases[] = {
        {"list of the wrong type",
         [](auto& r) {
             r.Put(kKey, u"ConfigInfo", win::kRegDword, std::vector<std::uint8_t>(8000, 1));
         },
         true},
        {"list too long",
         [](auto& r) {
             r.Put(kKey, u"ConfigInfo", win::kRegBinary, std::vector<std::uint8_t>(8004, 1));
         },
         true},
        {"key cannot be made", [](auto& r) { r.FailCreate(kKey, win::kAccessDenied); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MemoryRegistry keys;
        ScopedSeam<IRegistry> reg(&Seams::registry, &keys);
        c.set(keys);
        RecordingView window;
        InitProfileList(window);
        const auto* list = keys.Find(kKey, u"ConfigInfo");
        ASSERT_EQ(list != nullptr, c.wantList);
        if (list) {
            EXPECT_EQ(list->type, win::kRegBinary);
            EXPECT_EQ(list->data, std::vector<std::uint8_t>(8000, 0));
        }
        EXPECT_EQ(ActiveWords(), (std::vector<std::uint32_t>{1, 0, 0, 0, 0}));
        EXPECT_TRUE(messages.Boxes().empty());
    }
}

TEST_F(ProfileListTest, SwitchLoadsTheProfileAndRefreshesThePages)
{
    files.Put(PathOf(1), Image(1));
    files.Put(PathOf(4), Image(4));
    InitProfileList(view);
    view.calls.clear();

    EXPECT_TRUE(SwitchProfile(3, view));
    EXPECT_EQ(g_CurrentProfile, &g_ProfileList[3]);
    EXPECT_EQ(ActiveWords(), (std::vector<std::uint32_t>{0, 0, 0, 1, 0}));
    EXPECT_EQ(Current(), Image(4));
    EXPECT_EQ(view.calls, (std::vector<int>{3, -1}));
    EXPECT_FALSE(SwitchProfile(5, view));
    // The list reaches the registry only after a transfer.
    EXPECT_EQ(registry.Find(kKey, u"ConfigInfo")->data, std::vector<std::uint8_t>(8000, 0));
}

TEST_F(ProfileListTest, FailedSwitchKeepsTheCurrentProfileAndItsSettings)
{
    files.Put(PathOf(1), Image(1));
    InitProfileList(view);
    view.calls.clear();
    g_LightMode = 2; // an edit not yet applied

    EXPECT_FALSE(SwitchProfile(1, view));
    EXPECT_EQ(Shown(), std::vector<Text>{FormatWithText(kMissingPathText, PathOf(2))});
    EXPECT_EQ(g_CurrentProfile, &g_ProfileList[0]);
    EXPECT_EQ(ActiveWords(), (std::vector<std::uint32_t>{1, 0, 0, 0, 0}));
    EXPECT_EQ(view.calls, std::vector<int>{0});
    EXPECT_EQ(g_LightMode, 2);
    ASSERT_TRUE(files.Exists(PathOf(2)));

    // An apply afterwards saves profile 1's own settings, not the defaults.
    auto want = Image(1);
    std::memcpy(want.data() + offsetof(SettingsImage, LightMode), &g_LightMode, 4);
    ASSERT_TRUE(SaveCurrentProfile());
    EXPECT_EQ(*files.Contents(PathOf(1)), want);

    // The file made by the failed switch serves the next one.
    EXPECT_TRUE(SwitchProfile(1, view));
    EXPECT_EQ(g_CurrentProfile, &g_ProfileList[1]);
    EXPECT_EQ(g_Settings.LightMode, 4);
    EXPECT_EQ(messages.Boxes().size(), 1u);
}

TEST_F(ProfileListTest, FirstRunIsWrittenWhenMissing)
{
    const std::vector<std::uint8_t> one{1, 0, 0, 0};
    struct Case {
        const char* name;
        std::function<void(test::MemoryRegistry&)> set;
        std::vector<std::uint8_t> want; // empty: no value
    } cases[] = {
        {"no key", [](auto&) {}, one},
        {"no value", [](auto& r) { r.Put(kKey, u"ConfigInfo", win::kRegBinary, {0}); }, one},
        {"kept",
         [](auto& r) {
             r.Put(kKey, u"FirstRun", win::kRegBinary, {7, 0, 0, 0});
         },
         {7, 0, 0, 0}},
        {"wrong type",
         [](auto& r) {
             r.Put(kKey, u"FirstRun", win::kRegDword, {9, 0, 0, 0});
         },
         one},
        {"too long",
         [](auto& r) {
             r.Put(kKey, u"FirstRun", win::kRegBinary, {9, 0, 0, 0, 0});
         },
         one},
        {"key cannot be made", [](auto& r) { r.FailCreate(kKey, win::kAccessDenied); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MemoryRegistry keys;
        ScopedSeam<IRegistry> reg(&Seams::registry, &keys);
        c.set(keys);
        MarkFirstRun();
        const auto* value = keys.Find(kKey, u"FirstRun");
        ASSERT_EQ(value != nullptr, !c.want.empty());
        if (value) {
            EXPECT_EQ(value->type, win::kRegBinary);
            EXPECT_EQ(value->data, c.want);
        }
        EXPECT_EQ(keys.OpenHandles(), 0u);
    }
}

} // namespace
} // namespace k47
