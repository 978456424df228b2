#include "viewer/palette.h"

#include <gtest/gtest.h>

namespace {

TEST(PaletteColor, TenCodes) {
  const struct {
    Color code;
    Rgb rgb;
  } cases[] = {
      {RED, {1, 0, 0}},       {GREEN, {0, 1, 0}},   {BLUE, {0, 0, 1}}, {YELLOW, {1, 1, 0}},
      {ORANGE, {1, 0.5f, 0}}, {MAGENTA, {1, 0, 1}}, {CYAN, {0, 1, 1}}, {PURPLE, {0.5f, 0, 0.5f}},
      {WHITE, {1, 1, 1}},     {BLACK, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    Rgb rgb{-1, -1, -1};
    ASSERT_TRUE(paletteColor(c.code, &rgb)) << c.code;
    EXPECT_EQ(rgb.r, c.rgb.r) << c.code;
    EXPECT_EQ(rgb.g, c.rgb.g) << c.code;
    EXPECT_EQ(rgb.b, c.rgb.b) << c.code;
  }
}

// A code outside 0..9 leaves the colour of the previous shape in force.
TEST(PaletteColor, OtherCodesHaveNoColour) {
  for (int code : {10, -1, 255, -2147483647 - 1, 2147483647}) {
    Rgb rgb{0.25f, 0.25f, 0.25f};
    EXPECT_FALSE(paletteColor(static_cast<Color>(code), &rgb)) << code;
    EXPECT_EQ(rgb.r, 0.25f);
  }
}

}  // namespace
