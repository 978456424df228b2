#include "viewer/handout.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Window pixels (y up) become SVG's (y down) in a 100 x 50 drawing, in the window's colours.
TEST(SvgDrawing, PutsEachPrimitiveAtItsPixelsYDown) {
  SvgDrawing svg(100, 50, kBackground);
  const Vec ends[] = {{10, 20}, {30, 40.5}}, marks[] = {{5, 5}};
  svg.lines(ends, 2, {0.55f, 0, 0}, 3);
  svg.squares(marks, 1, {1, 0, 0}, 4);
  svg.box(1, 2, 11, 22, kBackground);
  svg.loop(ends, 2, {0, 0, 1}, 1);
  svg.text("T<1> & \"x\"", 7, 9, 40, {0, 0, 0});
  const std::string out = svg.finished();
  for (const char* part :
       {"width=\"100\" height=\"50\" viewBox=\"0 0 100 50\"",
        "<rect width=\"100\" height=\"50\" fill=\"#e6e6cc\"/>",
        "<line x1=\"10.00\" y1=\"30.00\" x2=\"30.00\" y2=\"9.50\" stroke=\"#8c0000\" "
        "stroke-width=\"3.00\"/>",
        "<rect x=\"3.00\" y=\"43.00\" width=\"4.00\" height=\"4.00\" fill=\"#ff0000\"/>",
        "<rect x=\"1.00\" y=\"28.00\" width=\"10.00\" height=\"20.00\" fill=\"#e6e6cc\"/>",
        "points=\"10.00,30.00 30.00,9.50\" fill=\"none\" stroke=\"#0000ff\"",
        "<text x=\"7.00\" y=\"41.00\" textLength=\"40.00\"",
        "fill=\"#000000\">T&lt;1&gt; &amp; &quot;x&quot;</text>"}) {
    EXPECT_NE(out.find(part), std::string::npos) << part << "\n" << out;
  }
}

// The PNG reads back, through libpng, as the pixels given.
TEST(EncodePng, ReadsBackAsThePixels) {
  std::vector<unsigned char> rgb(7 * 5 * 3);
  std::mt19937 random(5);
  for (unsigned char& c : rgb) c = static_cast<unsigned char>(random());
  std::vector<unsigned char> png;
  ASSERT_TRUE(encodePng(rgb.data(), 7, 5, &png));
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size()));
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> back(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, back.data(), 0, nullptr));
  EXPECT_EQ(std::make_tuple(image.width, image.height), std::make_tuple(7u, 5u));
  EXPECT_EQ(back, rgb);
}

// Pairs go to the first number with neither file; files there are kept as they were; a folder
// that is not there is said.
TEST(SaveHandout, TakesTheFirstFreeNumberAndKeepsWhatIsThere) {
  const fs::path folder =
      fs::temp_directory_path() / ("presek_handout_" + std::to_string(std::random_device()()));
  fs::create_directories(folder);
  const std::string at = folder.string() + "/";
  std::ofstream(folder / "presek-1.png") << "earlier";
  std::ofstream(folder / "presek-3.svg") << "earlier";
  const std::vector<unsigned char> png(300000, 7);
  for (const char* stem : {"presek-2", "presek-4"}) {
    EXPECT_EQ(saveHandout(at, png, "<svg/>"),
              "Sacuvano: " + at + stem + ".png i " + at + stem + ".svg");
    EXPECT_EQ(contentOf(folder / (std::string(stem) + ".png")),
              std::string(png.begin(), png.end()));
    EXPECT_EQ(contentOf(folder / (std::string(stem) + ".svg")), "<svg/>");
  }
  EXPECT_EQ(contentOf(folder / "presek-1.png"), "earlier");
  EXPECT_EQ(contentOf(folder / "presek-3.svg"), "earlier");
  EXPECT_FALSE(fs::exists(folder / "presek-1.svg") || fs::exists(folder / "presek-3.png"));
  EXPECT_EQ(saveHandout(at + "none/", png, ""), "Nije sacuvano: " + at + "none/presek-1.png i " +
                                                    at + "none/presek-1.svg (fascikla ne postoji)");
  fs::remove_all(folder);
}

}  // namespace
