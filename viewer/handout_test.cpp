#include "viewer/handout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Window pixels (y up) become SVG's (y down) in a 100 x 50 drawing, in the window's colours; the
// words are escaped.
TEST(SvgDrawing, PutsEachPrimitiveAtItsPixelsYDown) {
  SvgDrawing svg(100, 50, kBackground);
  const Vec ends[] = {{10, 20}, {30, 40.5}};
  svg.lines(ends, 2, {0.55f, 0, 0}, 3);
  svg.squares(ends, 1, {1, 0, 0}, 4);
  svg.loop(ends, 2, {0, 0, 1}, 1);
  svg.text("T<1> & \"x\"", 7, 9, 40, {0, 0, 0});
  const std::string out = svg.finished();
  for (const char* part : {"viewBox=\"0 0 100 50\"", "height=\"50\" fill=\"#e6e6cc\"/>",
                           "x1=\"10.00\" y1=\"30.00\" x2=\"30.00\" y2=\"9.50\" stroke=\"#8c0000\" "
                           "stroke-width=\"3.00\"/>",
                           "x=\"8.00\" y=\"28.00\" width=\"4.00\" height=\"4.00\" fill=\"#ff0000\"",
                           "points=\"10.00,30.00 30.00,9.50\" fill=\"none\" stroke=\"#0000ff\"",
                           "x=\"7.00\" y=\"41.00\" textLength=\"40.00\"",
                           "fill=\"#000000\">T&lt;1&gt; &amp; &quot;x&quot;</text>"}) {
    EXPECT_NE(out.find(part), std::string::npos) << part << "\n" << out;
  }
}

// Pairs go to the first number with neither file, whole; files there are kept as they were.
TEST(SaveHandout, TakesTheFirstFreeNumberAndKeepsWhatIsThere) {
  const fs::path folder =
      fs::temp_directory_path() / ("presek_handout_" + std::to_string(std::random_device()()));
  fs::create_directories(folder);
  const std::string at = folder.string() + "/", png(300000, 'p');
  std::ofstream(folder / "presek-1.png") << "earlier";
  std::ofstream(folder / "presek-3.svg") << "earlier";
  for (const std::string stem : {"presek-2", "presek-4"}) {
    EXPECT_EQ(saveHandout(at, {png.begin(), png.end()}, "<svg/>"),
              "Sacuvano: " + at + stem + ".png i " + at + stem + ".svg");
    EXPECT_EQ(contentOf(folder / (stem + ".png")) + contentOf(folder / (stem + ".svg")),
              png + "<svg/>");
  }
  EXPECT_EQ(contentOf(folder / "presek-1.png") + contentOf(folder / "presek-3.svg"),
            "earlierearlier");
  EXPECT_FALSE(fs::exists(folder / "presek-1.svg") || fs::exists(folder / "presek-3.png"));
  fs::remove_all(folder);
}

}  // namespace
