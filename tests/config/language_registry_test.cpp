// SPDX-License-Identifier: MIT
#include "config/language_registry.h"

#include <gtest/gtest.h>

#include "config/seams.h"
#include "fakes/memory_registry.h"
#include "fakes/recording_message_box.h"

namespace k47 {
namespace {

using test::MemoryRegistry;

class LanguageRegistryTest : public ::testing::Test {
protected:
    MemoryRegistry registry;
    test::RecordingMessageBox boxes;
    ScopedSeam<IRegistry> registrySeam{&Seams::registry, &registry};
    ScopedSeam<IMessageBox> boxSeam{&Seams::messages, &boxes};

    const MemoryRegistry::Value* Saved() const
    {
        return registry.Find(kLanguageKeyPath, kLanguageValueName);
    }
};

TEST_F(LanguageRegistryTest, SaveWritesFourLittleEndianBytesAndCreatesTheKey)
{
    struct Case {
        std::int32_t index;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {4, {4, 0, 0, 0}},
        {12, {12, 0, 0, 0}},
        {0x01020304, {4, 3, 2, 1}},
        {-1, {0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        SaveLanguageIndex(c.index);
        ASSERT_NE(Saved(), nullptr);
        EXPECT_EQ(Saved()->type, win::kRegBinary);
        EXPECT_EQ(Saved()->data, c.bytes);
        EXPECT_EQ(registry.LastAccess(), 0x2001Fu);
        EXPECT_EQ(registry.OpenHandles(), 0u);
        EXPECT_EQ(ReadLanguageIndex(), c.index);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(LanguageRegistryTest, SaveFallsBackToCreateWhenOpenFails)
{
    registry.Put(kLanguageKeyPath, u"Other", win::kRegDword, {1, 0, 0, 0});
    registry.FailOpen(kLanguageKeyPath, win::kAccessDenied);
    SaveLanguageIndex(3);
    ASSERT_NE(Saved(), nullptr);
    EXPECT_EQ(Saved()->data, (std::vector<std::uint8_t>{3, 0, 0, 0}));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(LanguageRegistryTest, SaveReportsAKeyThatCannotBeCreated)
{
    struct Case {
        std::int32_t error;
        Text message;
    } cases[] = {
        {win::kAccessDenied, u"Reg_SaveData Create key failed, error: 0x5"},
        {1021, u"Reg_SaveData Create key failed, error: 0x3fd"},
        {-2147024891, u"Reg_SaveData Create key failed, error: 0x80070005"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        MemoryRegistry failing;
        test::RecordingMessageBox shown;
        ScopedSeam<IRegistry> r(&Seams::registry, &failing);
        ScopedSeam<IMessageBox> m(&Seams::messages, &shown);
        failing.FailOpen(kLanguageKeyPath, win::kFileNotFound);
        failing.FailCreate(kLanguageKeyPath, c.error);

        SaveLanguageIndex(2);
        ASSERT_EQ(shown.Boxes().size(), 1u);
        EXPECT_EQ(shown.Boxes()[0].text, c.message);
        EXPECT_EQ(shown.Boxes()[0].caption, u"Error");
        EXPECT_EQ(failing.Find(kLanguageKeyPath, kLanguageValueName), nullptr);
        EXPECT_FALSE(failing.HasKey(kLanguageKeyPath));
    }
}

TEST_F(LanguageRegistryTest, ReadGivesTheSavedValueOrOne)
{
    struct Case {
        const char* name;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        std::int32_t expected;
    } cases[] = {
        {"binary index", win::kRegBinary, {5, 0, 0, 0}, 5},
        {"out of range kept", win::kRegBinary, {99, 0, 0, 0}, 99},
        {"zero kept", win::kRegBinary, {0, 0, 0, 0}, 0},
        {"negative", win::kRegBinary, {0xFE, 0xFF, 0xFF, 0xFF}, -2},
        {"short value fills the low bytes", win::kRegBinary, {0, 2}, 0x200},
        {"empty value", win::kRegBinary, {}, 1},
        {"too long", win::kRegBinary, {5, 0, 0, 0, 0}, 1},
        {"dword", win::kRegDword, {5, 0, 0, 0}, 1},
        {"string", 1, {'5', 0}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryRegistry reg;
        ScopedSeam<IRegistry> r(&Seams::registry, &reg);
        reg.Put(kLanguageKeyPath, kLanguageValueName, c.type, c.data);
        EXPECT_EQ(ReadLanguageIndex(), c.expected);
        EXPECT_EQ(reg.LastAccess(), 0x2001Fu);
        EXPECT_EQ(reg.OpenHandles(), 0u);
    }
}

TEST_F(LanguageRegistryTest, ReadWithoutKeyOrValueGivesOne)
{
    EXPECT_EQ(ReadLanguageIndex(), 1);
    registry.Put(kLanguageKeyPath, u"Other", win::kRegBinary, {7, 0, 0, 0});
    EXPECT_EQ(ReadLanguageIndex(), 1);
    registry.Put(kLanguageKeyPath, kLanguageValueName, win::kRegBinary, {7, 0, 0, 0});
    registry.FailOpen(kLanguageKeyPath, win::kAccessDenied);
    EXPECT_EQ(ReadLanguageIndex(), 1);
    EXPECT_FALSE(registry.HasKey(u"Software\\ORVEK\\K47\\LANGUAGE\\Language"));
}

} // namespace
} // namespace k47
