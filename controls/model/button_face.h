// SPDX-License-Identifier: MIT
#pragma once
// Which picture and caption colour the skinned buttons show, decided without
// the platform so the rules can be checked natively.

#include "controls/model/geometry.h"

#include <cstddef>
#include <cstdint>

namespace k47 {

enum class ButtonFace { Normal, Hover, Pressed, Disabled };
enum class CaptionColour { Normal, Hover, Pressed, Disabled };

struct FaceChoice {
    ButtonFace face;
    CaptionColour colour;
    bool operator==(const FaceChoice& o) const { return face == o.face && colour == o.colour; }
};

// What a rectangular bitmap button knows when it draws.
struct BitmapBtnState {
    bool checkMode = false;
    bool mark = false;
    bool selected = false; // held down
    bool disabled = false;
    bool hover = false;
    bool hoverLook = true;
};

// Check mode follows the mark, otherwise the held-down state wins; then hover
// (when the hover look is on), then disabled, then normal.
FaceChoice ChooseBitmapBtnFace(const BitmapBtnState& s);

// The shaped button: like the above, but disabled wins over held down (and keeps
// the normal caption colour), and hover needs no switch.
FaceChoice ChooseIrrButtonFace(bool checkMode, bool mark, bool selected, bool disabled, bool hover);

// Outline colour (ARGB) of a colour swatch: selected, then held down, then hover.
std::uint32_t ColorBtnOutline(bool selected, bool held, bool hover);

// Where a bitmap button lays out its caption. Without a caption rectangle the
// caption sits vertically centred between x 8 and width - 5; with one, inside
// it narrowed by 5 pixels each side, shifted by one pixel while the pressed
// colour is shown.
Rect BitmapBtnCaptionRect(std::int32_t width, std::int32_t height, std::int32_t textHeight,
                          bool useCaptionRect, const Rect& captionRect, bool pressedColour);

// Centre of a shaped button's region box, in the box's own coordinates.
Point IrrCaptionCentre(const Rect& box);

// Left end of a shaped button's caption: short captions are assumed 12 pixels
// a character, longer ones 6.
Point IrrCaptionOrigin(const Point& centre, std::size_t length);

} // namespace k47
