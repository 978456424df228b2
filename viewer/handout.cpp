#include "viewer/handout.h"

#include <fcntl.h>
#include <png.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>

// The one place where files are made by descriptor: the same calls under their Windows names.
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef O_BINARY
constexpr int kBinary = O_BINARY;  // Windows would turn each \n into \r\n
#else
constexpr int kBinary = 0;
#endif
constexpr int kMaxNumber = 100000;  // presek-1 .. presek-99999 are tried

// A length in pixels as the drawing writes it.
std::string number(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

std::string colourOf(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", byteOf(c.r), byteOf(c.g), byteOf(c.b));
  return text;
}

bool finite(const Vec points[], int count) {
  return std::all_of(points, points + count,
                     [](Vec p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

// The words as XML text: the markup's characters escaped, a byte of the font's upper half
// (Latin-1) as its character, a control character left out.
std::string escaped(const char* words) {
  std::string out;
  for (const unsigned char* c = reinterpret_cast<const unsigned char*>(words); *c != 0; ++c) {
    char code[16];
    switch (*c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        if (*c >= 0x80) {
          std::snprintf(code, sizeof code, "&#%d;", *c);
          out += code;
        } else if (*c >= 0x20) {
          out += char(*c);
        }
    }
  }
  return out;
}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

// The image through libpng into out; false where libpng gives up. It comes back here by
// longjmp, so nothing in this frame may need a destructor.
bool writeImage(png_structp png, png_infop info, const unsigned char* rgb, int width, int height,
                std::vector<unsigned char>* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, appendBytes, noFlush);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int row = 0; row < height; ++row) png_write_row(png, rgb + std::size_t(row) * width * 3);
  png_write_end(png, info);
  return true;
}

// A file made anew for writing alone, or -1 with errno set (EEXIST where one is there already).
int createNew(const std::string& path) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | kBinary, 0666);
}

// Writes all of bytes[0..size) to fd, then closes it; false, with errno set, where a write or
// the close fails.
bool writeAll(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    const auto written = write(fd, bytes, unsigned(std::min<std::size_t>(size, 1 << 20)));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      const int error = written < 0 ? errno : ENOSPC;
      close(fd);
      errno = error;
      return false;
    }
    bytes += written;
    size -= std::size_t(written);
  }
  return close(fd) == 0;
}

// Why a file could not be made or written, in the program's words.
std::string reasonOf(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "nema dozvole za pisanje";
    case EROFS:
      return "fascikla je samo za citanje";
    case ENOSPC:
      return "nema mesta na disku";
    case ENOENT:
    case ENOTDIR:
      return "fascikla ne postoji";
    default:
      return std::strerror(error);
  }
}

// The file written in full, or removed; an empty answer, or the reason.
std::string filled(int fd, const std::string& path, const char* bytes, std::size_t size) {
  if (writeAll(fd, bytes, size)) return "";
  const std::string reason = reasonOf(errno);
  std::remove(path.c_str());
  return reason;
}

// The line that says how the pair names[0], names[1] went: each saved, or not for the reason
// given.
std::string told(const std::string names[2], const std::string& pngWrong,
                 const std::string& svgWrong) {
  if (!pngWrong.empty() && pngWrong == svgWrong) {
    return "Nije sacuvano: " + names[0] + " i " + names[1] + " (" + pngWrong + ")";
  }
  const std::string* wrong[2] = {&pngWrong, &svgWrong};
  std::string saved, failed;
  for (int k = 0; k < 2; ++k) {
    if (wrong[k]->empty()) {
      saved += (saved.empty() ? "" : " i ") + names[k];
    } else {
      failed += (failed.empty() ? "" : ", ") + names[k] + " (" + *wrong[k] + ")";
    }
  }
  if (failed.empty()) return "Sacuvano: " + saved;
  return (saved.empty() ? "Nije sacuvano: " : "Sacuvano: " + saved + "; nije sacuvano: ") + failed;
}

}  // namespace

int byteOf(float component) {
  // As OpenGL stores a colour: scaled in single precision, rounded to the nearest, ties to even.
  return int(std::nearbyint(std::clamp(component, 0.0f, 1.0f) * 255.0f));
}

SvgDrawing::SvgDrawing(int width, int height, Rgb background) : width_(width), height_(height) {
  body_ = "<rect width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) +
          "\" fill=\"" + colourOf(background) + "\"/>\n";
}

void SvgDrawing::lines(const Vec ends[], int count, Rgb colour, double width) {
  for (int k = 0; k + 1 < count; k += 2) {
    if (!finite(ends + k, 2)) continue;
    body_ += "<line x1=\"" + number(ends[k].x) + "\" y1=\"" + number(y(ends[k].y)) + "\" x2=\"" +
             number(ends[k + 1].x) + "\" y2=\"" + number(y(ends[k + 1].y)) + "\" stroke=\"" +
             colourOf(colour) + "\" stroke-width=\"" + number(width) + "\"/>\n";
  }
}

void SvgDrawing::loop(const Vec points[], int count, Rgb colour, double width) {
  if (count < 2 || !finite(points, count)) return;
  body_ += "<polygon points=\"";
  for (int k = 0; k < count; ++k) {
    body_ += (k ? " " : "") + number(points[k].x) + "," + number(y(points[k].y));
  }
  body_ += "\" fill=\"none\" stroke=\"" + colourOf(colour) + "\" stroke-width=\"" + number(width) +
           "\"/>\n";
}

void SvgDrawing::squares(const Vec centres[], int count, Rgb colour, double side) {
  for (int k = 0; k < count; ++k) {
    if (!finite(centres + k, 1)) continue;
    body_ += "<rect x=\"" + number(centres[k].x - side / 2) + "\" y=\"" +
             number(y(centres[k].y) - side / 2) + "\" width=\"" + number(side) + "\" height=\"" +
             number(side) + "\" fill=\"" + colourOf(colour) + "\"/>\n";
  }
}

void SvgDrawing::box(double left, double bottom, double right, double top, Rgb colour) {
  body_ += "<rect x=\"" + number(left) + "\" y=\"" + number(y(top)) + "\" width=\"" +
           number(right - left) + "\" height=\"" + number(top - bottom) + "\" fill=\"" +
           colourOf(colour) + "\"/>\n";
}

void SvgDrawing::text(const char* words, double left, double baseline, double length, Rgb colour) {
  body_ += "<text x=\"" + number(left) + "\" y=\"" + number(y(baseline)) + "\" textLength=\"" +
           number(length) + "\" lengthAdjust=\"spacingAndGlyphs\" fill=\"" + colourOf(colour) +
           "\">" + escaped(words) + "</text>\n";
}

std::string SvgDrawing::finished() const {
  const std::string width = std::to_string(width_), height = std::to_string(height_);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
         width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height +
         "\" font-family=\"Helvetica, Arial, sans-serif\" font-size=\"18px\" "
         "xml:space=\"preserve\">\n" +
         body_ + "</svg>\n";
}

bool encodePng(const unsigned char* rgb, int width, int height, std::vector<unsigned char>* png) {
  png->clear();
  png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (writer == nullptr) return false;
  png_infop info = png_create_info_struct(writer);
  const bool done = info != nullptr && writeImage(writer, info, rgb, width, height, png);
  png_destroy_write_struct(&writer, &info);
  return done;
}

std::string saveHandout(const std::string& folder, const std::vector<unsigned char>& png,
                        const std::string& svg) {
  for (int n = 1; n < kMaxNumber; ++n) {
    const std::string stem = folder + "presek-" + std::to_string(n);
    const std::string names[2] = {stem + ".png", stem + ".svg"};
    int files[2] = {createNew(names[0]), -1};
    int error = errno;
    if (files[0] >= 0) {
      files[1] = createNew(names[1]);
      error = errno;
      if (files[1] < 0) {
        close(files[0]);
        std::remove(names[0].c_str());
      }
    }
    if (files[1] < 0 && error == EEXIST) continue;
    if (files[1] < 0) return told(names, reasonOf(error), reasonOf(error));
    return told(names,
                filled(files[0], names[0], reinterpret_cast<const char*>(png.data()), png.size()),
                filled(files[1], names[1], svg.data(), svg.size()));
  }
  return "Nije sacuvano: nema slobodnog broja za presek-N.png";
}
