#include "viewer/palette.h"

#include <cstdint>

#include "viewer/canvas.h"

namespace {

constexpr Rgb kPalette[] = {
    {1.0f, 0.0f, 0.0f},  // RED
    {0.0f, 1.0f, 0.0f},  // GREEN
    {0.0f, 0.0f, 1.0f},  // BLUE
    {1.0f, 1.0f, 0.0f},  // YELLOW
    {1.0f, 0.5f, 0.0f},  // ORANGE
    {1.0f, 0.0f, 1.0f},  // MAGENTA
    {0.0f, 1.0f, 1.0f},  // CYAN
    {0.5f, 0.0f, 0.5f},  // PURPLE
    {1.0f, 1.0f, 1.0f},  // WHITE
    {0.0f, 0.0f, 0.0f},  // BLACK
};

}  // namespace

bool paletteColor(Color c, Rgb* rgb) {
  const auto code = static_cast<std::uint32_t>(c);
  if (code >= sizeof kPalette / sizeof kPalette[0]) return false;
  *rgb = kPalette[code];
  return true;
}

void setColor(Color c) {
  Rgb rgb;
  if (paletteColor(c, &rgb)) useColor(rgb);
}
