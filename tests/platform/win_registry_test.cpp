// SPDX-License-Identifier: MIT
#include "platform/win32/win_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>

namespace k47 {
namespace {

// A key of its own right below HKLM\Software, so that removing it after each
// case leaves nothing behind.
class WinRegistryTest : public ::testing::Test {
protected:
    static constexpr TextView kTestKey = u"Software\\K47RegistryTest";

    void SetUp() override { DeleteTestKey(); }
    void TearDown() override
    {
        DeleteTestKey();
        RegHandle key = 0;
        EXPECT_EQ(registry.OpenKey(kTestKey, KEY_READ, key), ERROR_FILE_NOT_FOUND);
    }
    static void DeleteTestKey()
    {
        std::wstring path(reinterpret_cast<const wchar_t*>(kTestKey.data()), kTestKey.size());
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, path.c_str());
        ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, path.c_str());
    }

    WinRegistry registry;
};

TEST_F(WinRegistryTest, WritesAndReadsValuesBack)
{
    RegKey missing(registry);
    EXPECT_EQ(missing.Open(kTestKey), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(missing.IsOpen());

    {
        RegKey key(registry);
        ASSERT_EQ(key.Create(kTestKey, kSettingsKeyAccess), ERROR_SUCCESS);
        const std::uint8_t bytes[4] = {5, 0, 0, 0};
        EXPECT_EQ(key.Set(u"Language", REG_BINARY, bytes, sizeof bytes), ERROR_SUCCESS);
        const std::uint8_t big[6] = {1, 2, 3, 4, 5, 6};
        EXPECT_EQ(key.Set(u"Big", REG_BINARY, big, sizeof big), ERROR_SUCCESS);
        const std::uint32_t dword = 7;
        EXPECT_EQ(key.Set(u"Dword", REG_DWORD, &dword, sizeof dword), ERROR_SUCCESS);
    }

    RegKey key(registry);
    ASSERT_EQ(key.Open(kTestKey, kSettingsKeyAccess), ERROR_SUCCESS);

    struct Case {
        const char16_t* name;
        std::uint32_t buffer; // bytes offered
        std::int32_t rc;
        std::uint32_t type;
        std::uint32_t size; // on return
    } cases[] = {
        {u"Language", 4, ERROR_SUCCESS, REG_BINARY, 4},
        {u"language", 8, ERROR_SUCCESS, REG_BINARY, 4}, // names ignore case
        {u"Dword", 4, ERROR_SUCCESS, REG_DWORD, 4},
        {u"Big", 4, ERROR_MORE_DATA, REG_BINARY, 6},
        {u"Missing", 4, ERROR_FILE_NOT_FOUND, 0, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.name));
        std::uint8_t data[8] = {};
        std::uint32_t type = 0;
        std::uint32_t size = c.buffer;
        EXPECT_EQ(key.Query(c.name, type, data, size), c.rc);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(size, c.size);
        if (c.rc == ERROR_SUCCESS && c.type == REG_BINARY) {
            EXPECT_EQ(data[0], 5);
        }
    }
}

TEST_F(WinRegistryTest, EnumeratesSubKeys)
{
    const Text names[] = {u"Macro", u"STS", u"LANGUAGE", u"\u0423\u043a\u0440"};
    for (const Text& name : names) {
        RegKey sub(registry);
        ASSERT_EQ(sub.Create(Text(kTestKey) + u"\\" + name), ERROR_SUCCESS);
    }

    RegKey key(registry);
    ASSERT_EQ(key.Open(kTestKey), ERROR_SUCCESS);
    std::set<Text> found;
    Text name;
    std::uint32_t index = 0;
    while (key.EnumKey(index, name) == ERROR_SUCCESS) {
        found.insert(name);
        ++index;
    }
    EXPECT_EQ(index, 4u);
    EXPECT_EQ(found, std::set<Text>(std::begin(names), std::end(names)));
    EXPECT_EQ(key.EnumKey(index, name), ERROR_NO_MORE_ITEMS);
}

} // namespace
} // namespace k47
