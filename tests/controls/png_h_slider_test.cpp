// SPDX-License-Identifier: MIT
#include "controls/png_h_slider_bar.h"

#include "config/window_messages.h"
#include "framework/msg.h"
#include "framework/window_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace k47 {
namespace {

constexpr UINT kId = 2561;

std::wstring ThumbPath()
{
    // The generated thumb of the build's program folder, seen through Wine's Z: drive.
    std::wstring path = L"Z:";
    for (const char* p = K47_DIST_DIR "/skins/Slider.png"; *p; ++p)
        path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
    return path;
}

struct SliderFixture : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create());
        ASSERT_TRUE(bar.Create(ThumbPath().c_str(), parent, kId, RECT{20, 40, 148, 52}));
        bar.m_nMin = bar.m_Slider.m_nMin = bar.m_Slider.m_nLowLimit = 0;
        bar.m_nMax = bar.m_Slider.m_nMax = bar.m_Slider.m_nHighLimit = 255;
        bar.m_rcMap = bar.m_Slider.m_rcMap = RECT{20, 40, 144, 52};
        PumpPending();
        parent.received.clear();
    }
    RECT ThumbInBar() const
    {
        RECT r = bar.m_Slider.GetWindowRect();
        ::MapWindowPoints(nullptr, bar, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    CTestParent parent;
    CPngHSliderBar bar;
};

TEST_F(SliderFixture, PlacesTheThumbWithUnsignedArithmetic)
{
    const int width = ThumbInBar().right - ThumbInBar().left;
    ASSERT_EQ(width, 10) << "the generated thumb";
    struct Case {
        int pos, storedPos, left;
    } cases[] = {{255, 255, 118}, {128, 128, 59}, {0, 0, 0}, {300, 0, 0}, {-1, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pos);
        bar.m_Slider.SetPos(c.pos);
        EXPECT_EQ(bar.m_Slider.GetPos(), c.storedPos);
        EXPECT_EQ(ThumbInBar().left, c.left);
        EXPECT_EQ(ThumbInBar().bottom, 12) << "sits on the track's bottom";
    }
}

TEST_F(SliderFixture, AClickOnTheTrackJumpsThereAndTellsThePage)
{
    struct Case {
        int barX, value;
    } cases[] = {{0, 0}, {62, 127}, {124, 255}, {127, 255}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.barX);
        parent.received.clear();
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, LParamFromPoint(POINT{c.barX, 6}));
        bar.SendMessage(WM_LBUTTONUP, 0, LParamFromPoint(POINT{c.barX, 6}));
        PumpPending();
        ASSERT_EQ(parent.Count(WM_SLIDER_POS), 1);
        EXPECT_EQ(static_cast<int>(parent.received[0].wp), c.value);
        EXPECT_EQ(parent.received[0].lp, static_cast<LPARAM>(kId));
        EXPECT_EQ(bar.m_Slider.GetPos(), c.value);
    }
}

TEST_F(SliderFixture, ADisabledTrackIgnoresClicks)
{
    bar.m_Slider.SetPos(10);
    EXPECT_EQ(bar.EnableWindow(FALSE), 1);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, LParamFromPoint(POINT{100, 6}));
    PumpPending();
    EXPECT_EQ(parent.Count(WM_SLIDER_POS), 0);
    EXPECT_EQ(bar.m_Slider.GetPos(), 10);
}

TEST_F(SliderFixture, TheThumbIsShapedLikeItsPicture)
{
    HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(bar.m_Slider, shape), ERROR);
    EXPECT_FALSE(::PtInRegion(shape, 0, 0)) << "the key-coloured corner is cut away";
    EXPECT_TRUE(::PtInRegion(shape, 5, 5));
    ::DeleteObject(shape);
}

} // namespace
} // namespace k47
