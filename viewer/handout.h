// The handout: a frame of the window kept as two files, a PNG of its pixels and an SVG of its
// lines, points and words. Nothing here draws, so all of it runs without a window.
#pragma once

#include <string>
#include <vector>

#include "geometry/predicates.h"
#include "viewer/palette.h"

// A colour component as the window's 8-bit pixels hold it.
int byteOf(float component);

// A vector copy of one frame, added to as the frame is drawn: every primitive at its window
// pixels (counted from the lower-left corner, as the window counts them), written out as SVG,
// whose y runs downwards.
class SvgDrawing {
 public:
  SvgDrawing(int width, int height, Rgb background);

  // Lines from ends[0] to ends[1], ends[2] to ends[3], ..., width pixels wide.
  void lines(const Vec ends[], int count, Rgb colour, double width);
  // The closed line through points[0..count).
  void loop(const Vec points[], int count, Rgb colour, double width);
  // Squares of side pixels centred at the points: the window's point marks.
  void squares(const Vec centres[], int count, Rgb colour, double side);
  // A filled box.
  void box(double left, double bottom, double right, double top, Rgb colour);
  // Words whose baseline starts at (left, baseline), `length` pixels long in the window's font.
  void text(const char* words, double left, double baseline, double length, Rgb colour);

  // The whole document.
  std::string finished() const;

 private:
  double y(double windowY) const { return height_ - windowY; }
  int width_, height_;
  std::string body_;
};

// The PNG of an image of width x height RGB pixels, rows from the top; false where libpng
// fails.
bool encodePng(const unsigned char* rgb, int width, int height, std::vector<unsigned char>* png);

// Saves the pair in folder (a path ending in its separator, or "" for the current folder) as
// presek-N.png and presek-N.svg, N the first number for which neither file exists; an existing
// file is never written over, and a file that cannot be written in full is removed. Returns the
// line for standard error: the names saved, or what could not be saved and why.
std::string saveHandout(const std::string& folder, const std::vector<unsigned char>& png,
                        const std::string& svg);
