// SPDX-License-Identifier: MIT
#pragma once
// The captions of the game numbers that group the macros. Trailing blanks are
// part of the texts.

#include <array>
#include <cstdint>

#include "config/text.h"

namespace k47 {

struct GameName {
    const char16_t* chinese;
    const char16_t* english;
};

// Game numbers 1 to 21 at positions 0 to 20; 21 holds the user's own macros.
extern const std::array<GameName, 21> kGameNames;

// The caption of game number game in the language shown (g_ChineseUI); the
// empty text for a number outside 1-21.
TextView GameCaption(std::uint32_t game);

} // namespace k47
