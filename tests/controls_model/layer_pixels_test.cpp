// SPDX-License-Identifier: MIT
#include "controls/model/layer_pixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace k47 {
namespace {

TEST(LayerPixels, TextLayerKeysMagentaAndLiftsBlack)
{
    EXPECT_EQ(TextLayerPixel(0x00FF00FFu), 0u);
    EXPECT_EQ(TextLayerPixel(0xAAFF00FFu), 0u);
    EXPECT_EQ(TextLayerPixel(0), 0xFF010000u);
    EXPECT_EQ(TextLayerPixel(0x000593D1u), 0xFF0593D1u);
}

TEST(LayerPixels, BlendAndPremultiply)
{
    EXPECT_EQ(Premultiply(0x80FF0000u), 0x80800000u);
    EXPECT_EQ(Premultiply(0x00FFFFFFu), 0u);
    EXPECT_EQ(BlendOver(0xFF0000FFu, 0xFF00FF00u), 0xFF00FF00u);
    EXPECT_EQ(BlendOver(0xFF0000FFu, 0), 0xFF0000FFu);
    EXPECT_EQ(BlendOver(0xFF0000FFu, 0x80800000u), 0xFF80007Fu);
    EXPECT_EQ(BlendOver(0, 0x80800000u), 0x80800000u);
    EXPECT_EQ(LiftBlack(0xFF000000u), 0xFF010000u);
    EXPECT_EQ(LiftBlack(0), 0u);
    EXPECT_EQ(LiftBlack(0xFF000001u), 0xFF000001u);
}

TEST(LayerPixels, NineSliceKeepsTheCornersOfTheSource)
{
    // 4 x 4 source: distinct corners, one colour elsewhere.
    std::vector<std::uint32_t> src(16, 5);
    src[0] = 1;
    src[3] = 2;
    src[12] = 3;
    src[15] = 4;
    std::vector<std::uint32_t> dst(10 * 6, 0);
    NineSlicePixels(src.data(), 4, 4, dst.data(), 10, 6, 1);
    EXPECT_EQ(dst[0], 1u);
    EXPECT_EQ(dst[9], 2u);
    EXPECT_EQ(dst[50], 3u);
    EXPECT_EQ(dst[59], 4u);
    for (std::size_t i : {1u, 8u, 10u, 25u, 51u})
        EXPECT_EQ(dst[i], 5u) << i;
}

} // namespace
} // namespace k47
