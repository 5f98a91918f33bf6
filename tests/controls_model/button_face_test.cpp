// SPDX-License-Identifier: MIT
#include "controls/model/button_face.h"

#include <gtest/gtest.h>

namespace k47 {
namespace {

TEST(ChooseBitmapBtnFace, FollowsMarkInCheckModeAndHeldStateOtherwise)
{
    using F = ButtonFace;
    using C = CaptionColour;
    struct Case {
        const char* name;
        BitmapBtnState s;
        FaceChoice want;
    } cases[] = {
        {"plain", {}, {F::Normal, C::Normal}},
        {"held", {false, false, true, false, false, true}, {F::Pressed, C::Pressed}},
        {"hover", {false, false, false, false, true, true}, {F::Hover, C::Hover}},
        {"hover look off", {false, false, false, false, true, false}, {F::Normal, C::Normal}},
        {"disabled", {false, false, false, true, false, true}, {F::Disabled, C::Disabled}},
        {"hover beats disabled", {false, false, false, true, true, true}, {F::Hover, C::Hover}},
        {"check held unmarked", {true, false, true, false, false, true}, {F::Normal, C::Normal}},
        {"check held unmarked hover", {true, false, true, false, true, true}, {F::Hover, C::Hover}},
        {"check marked", {true, true, false, false, true, true}, {F::Pressed, C::Pressed}},
        {"check marked disabled", {true, true, false, true, false, true}, {F::Pressed, C::Pressed}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseBitmapBtnFace(c.s), c.want);
    }
}

TEST(ChooseIrrButtonFace, DisabledKeepsNormalColourAndWinsOverHeld)
{
    using F = ButtonFace;
    using C = CaptionColour;
    struct Case {
        const char* name;
        bool checkMode, mark, selected, disabled, hover;
        FaceChoice want;
    } cases[] = {
        {"normal", false, false, false, false, false, {F::Normal, C::Normal}},
        {"disabled held", false, false, true, true, false, {F::Disabled, C::Normal}},
        {"held", false, false, true, false, true, {F::Pressed, C::Pressed}},
        {"hover", false, false, false, false, true, {F::Hover, C::Hover}},
        {"check marked", true, true, false, true, false, {F::Pressed, C::Pressed}},
        {"check unmarked held", true, false, true, false, false, {F::Normal, C::Normal}},
        {"check unmarked hover", true, false, false, false, true, {F::Hover, C::Hover}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseIrrButtonFace(c.checkMode, c.mark, c.selected, c.disabled, c.hover),
                  c.want);
    }
}

TEST(ColorBtnOutline, SelectedKeepsItsDarkOutline)
{
    EXPECT_EQ(ColorBtnOutline(true, true, true), 0xFF393839u);
    EXPECT_EQ(ColorBtnOutline(false, true, true), 0xFFD31814u);
    EXPECT_EQ(ColorBtnOutline(false, false, true), 0xFFE8BE1Cu);
    EXPECT_EQ(ColorBtnOutline(false, false, false), 0xFF313439u);
}

TEST(BitmapBtnCaptionRect, CentresVerticallyOrUsesTheStoredRectangle)
{
    EXPECT_EQ(BitmapBtnCaptionRect(66, 32, 15, false, {}, false), (Rect{8, 9, 61, 32}));
    EXPECT_EQ(BitmapBtnCaptionRect(66, 32, 15, false, {}, true), (Rect{8, 9, 61, 32}));
    const Rect stored{10, 4, 60, 20};
    EXPECT_EQ(BitmapBtnCaptionRect(66, 32, 15, true, stored, false), (Rect{15, 4, 55, 20}));
    EXPECT_EQ(BitmapBtnCaptionRect(66, 32, 15, true, stored, true), (Rect{16, 5, 56, 21}));
}

TEST(IrrCaption, StartsLeftOfTheBoxCentre)
{
    const Point centre = IrrCaptionCentre(Rect{101, 20, 200, 51});
    EXPECT_EQ(centre, (Point{150, 35}));
    struct Case {
        std::size_t length;
        std::int32_t left;
    } cases[] = {{0, 155}, {1, 149}, {5, 125}, {6, 137}, {10, 125}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(IrrCaptionOrigin(centre, c.length), (Point{c.left, 29}));
    }
}

} // namespace
} // namespace k47
