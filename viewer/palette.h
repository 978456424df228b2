// The drawing colours of the colour codes.
#pragma once

#include "geometry/geometry.h"

// An RGB triple with components in [0, 1].
struct Rgb {
  float r, g, b;
};

// The window's background, its clear colour.
constexpr Rgb kBackground = {0.9f, 0.9f, 0.8f};

// Writes the RGB of code c to *rgb; false (and *rgb untouched) for a code outside 0..9.
bool paletteColor(Color c, Rgb* rgb);

// Makes c the current GL drawing colour; a code outside 0..9 keeps the current one.
void setColor(Color c);
