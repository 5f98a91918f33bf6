// SPDX-License-Identifier: MIT
#include "controls/model/button_face.h"

namespace k47 {

FaceChoice ChooseBitmapBtnFace(const BitmapBtnState& s)
{
    const bool pressed = s.checkMode ? s.mark : s.selected;
    if (pressed)
        return {ButtonFace::Pressed, CaptionColour::Pressed};
    if (s.hover && s.hoverLook)
        return {ButtonFace::Hover, CaptionColour::Hover};
    if (s.disabled)
        return {ButtonFace::Disabled, CaptionColour::Disabled};
    return {ButtonFace::Normal, CaptionColour::Normal};
}

FaceChoice ChooseIrrButtonFace(bool checkMode, bool mark, bool selected, bool disabled, bool hover)
{
    if (checkMode) {
        if (mark)
            return {ButtonFace::Pressed, CaptionColour::Pressed};
    } else if (disabled) {
        return {ButtonFace::Disabled, CaptionColour::Normal};
    } else if (selected) {
        return {ButtonFace::Pressed, CaptionColour::Pressed};
    }
    if (hover)
        return {ButtonFace::Hover, CaptionColour::Hover};
    return {ButtonFace::Normal, CaptionColour::Normal};
}

std::uint32_t ColorBtnOutline(bool selected, bool held, bool hover)
{
    if (selected)
        return 0xFF393839u;
    if (held)
        return 0xFFD31814u;
    if (hover)
        return 0xFFE8BE1Cu;
    return 0xFF313439u;
}

Rect BitmapBtnCaptionRect(std::int32_t width, std::int32_t height, std::int32_t textHeight,
                          bool useCaptionRect, const Rect& captionRect, bool pressedColour)
{
    if (useCaptionRect) {
        Rect r{captionRect.left + 5, captionRect.top, captionRect.right - 5, captionRect.bottom};
        if (pressedColour) {
            ++r.left;
            ++r.right;
            ++r.top;
            ++r.bottom;
        }
        return r;
    }
    return Rect{8, height / 2 - textHeight / 2, width - 5, height};
}

Point IrrCaptionCentre(const Rect& box)
{
    return Point{(box.right - box.left) / 2 + box.left, (box.bottom - box.top) / 2 + box.top};
}

Point IrrCaptionOrigin(const Point& centre, std::size_t length)
{
    const auto n = static_cast<std::int32_t>(length);
    const std::int32_t half = length > 5 ? 3 * n : 6 * n;
    return Point{centre.x - half + 5, centre.y - 6};
}

} // namespace k47
