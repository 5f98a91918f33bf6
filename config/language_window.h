// SPDX-License-Identifier: MIT
#pragma once
// What choosing a language asks of the main window.

#include <cstdint>

namespace k47 {

class ILanguageWindow {
public:
    virtual ~ILanguageWindow() = default;
    // True while the window holds a reference to an open language menu.
    virtual bool HasLanguageMenu() = 0;
    // Loads the bitmap resource flagBitmap and shows it in the language
    // picture (static control 1001).
    virtual void ShowLanguagePicture(std::uint16_t flagBitmap) = 0;
    // Posts WM_CLOSE to the language menu if it is still a window, and drops
    // the reference in any case.
    virtual void CloseLanguageMenu() = 0;
};

} // namespace k47
