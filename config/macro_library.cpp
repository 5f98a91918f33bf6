// SPDX-License-Identifier: MIT
#include "config/macro_library.h"

#include <algorithm>
#include <cstring>

#include "config/app_folder.h"
#include "config/clock.h"
#include "config/file_image.h"
#include "config/file_messages.h"
#include "config/lang_text.h"
#include "config/macro_table.h"
#include "config/message_box.h"
#include "config/seams.h"
#include "config/text_format.h"

namespace k47 {

namespace {

constexpr std::uint32_t kSavePauseMs = 100;

bool IsMissing(std::int32_t error)
{
    return error == win::kFileNotFound || error == win::kPathNotFound;
}

std::int32_t WriteTable(const Text& path)
{
    return WriteFileImage(*ProcessSeams().files, path, g_MacroTable, sizeof g_MacroTable);
}

} // namespace

Text MacroFilePath()
{
    return g_AppFolder + u"Macro.cfg";
}

bool LoadMacroFile()
{
    const Text path = MacroFilePath();
    std::memset(g_MacroTable, 0, sizeof g_MacroTable);
    FileReadResult read =
        ReadFileImage(*ProcessSeams().files, path, g_MacroTable, sizeof g_MacroTable);
    if (read.opened && read.error == win::kSuccess)
        return true;
    IMessageBox& messages = *ProcessSeams().messages;
    if (read.opened) {
        std::memset(g_MacroTable, 0, sizeof g_MacroTable);
        messages.ShowInfoMessage(FormatWithText(kReadFailedText, path), 0);
    } else if (IsMissing(read.error)) {
        messages.ShowInfoMessage(FormatWithText(LangTextOf("str_msg2"), path), 0);
    }
    return false;
}

bool SaveMacroFile()
{
    const Text path = MacroFilePath();
    IMessageBox& messages = *ProcessSeams().messages;
    std::int32_t rc;
    {
        File existing(*ProcessSeams().files);
        rc = existing.Open(path, FileAccess::ReadWriteExisting);
    }
    if (rc == win::kSuccess) {
        IClock& clock = *ProcessSeams().clock;
        clock.Sleep(kSavePauseMs);
        rc = WriteTable(path);
        clock.Sleep(kSavePauseMs);
    } else if (IsMissing(rc)) {
        messages.ShowPlatformMessage(FormatWithText(kMissingPathText, path), kInfoCaption);
        rc = WriteTable(path);
        if (rc == win::kAccessDenied) {
            messages.ShowInfoMessage(kNoPermissionText, 0);
            return false;
        }
    }
    if (rc == win::kSuccess)
        return true;
    messages.ShowInfoMessage(FormatWithText(kWriteFailedText, path), 0);
    return false;
}

bool StoreMacro(const BuiltMacro* macro, const std::vector<std::uint32_t>& events)
{
    if (!macro || macro->Size < kBuiltMacroMinSize || (macro->Tag >> 16) != (kMacroTag >> 16))
        return false;
    // A slot holds 1000 events; a longer macro is refused whole rather than cut
    // off between a press and its release.
    if (macro->EventCount > kMacroMaxEvents || macro->EventCount > events.size())
        return false;

    int slot = FindMacro(macro->Id);
    const bool replacing = slot >= 0;
    if (!replacing) {
        for (std::size_t i = 0; i < kMacroSlots && slot < 0; ++i) {
            if (g_MacroTable[i].Tag == 0)
                slot = int(i);
        }
        if (slot < 0)
            return false;
    }

    MacroRecord& record = g_MacroTable[slot];
    if (replacing)
        std::memset(record.Events, 0, sizeof record.Events);
    std::copy(events.begin(), events.begin() + macro->EventCount, record.Events);
    record.Id = macro->Id;
    record.EventCount = macro->EventCount;
    record.Repeat = macro->Repeat;
    record.Reserved = macro->Reserved;
    std::memcpy(record.Name, macro->Name, sizeof record.Name);
    record.Size = macro->Size;
    record.Tag = macro->Tag;
    SaveMacroFile();
    return true;
}

void DeleteMacro(std::uint32_t id)
{
    int slot = FindMacro(id);
    if (slot >= 0)
        std::memset(&g_MacroTable[slot], 0, sizeof g_MacroTable[slot]);
    SaveMacroFile();
}

} // namespace k47
