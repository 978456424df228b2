#include "app/console_input.h"

#include <cmath>

namespace {

// Whether v can be used as a coordinate.
bool usable(float v) {
  return std::isfinite(v) && std::fabs(double(v)) <= kMaxCoordinate;
}

// Prompts for vertex `index` of triangle `triangle` (1 or 2) and reads it into *vertex.
void readVertex(std::FILE* in, std::FILE* out, std::FILE* err, int triangle, int index,
                Point* vertex) {
  std::fprintf(out, "Uneti koordinate %d. temena (T%d): ", index, triangle);
  std::fflush(out);
  float x = vertex->x;
  float y = vertex->y;
  const int read = std::fscanf(in, "%f %f", &x, &y);
  const bool xTaken = read >= 1 && usable(x);
  const bool yTaken = read >= 2 && usable(y);
  if (xTaken) vertex->x = x;
  if (yTaken) vertex->y = y;
  if (!xTaken || !yTaken) {
    std::fprintf(err,
                 "Upozorenje: koordinate %d. temena (T%d) nisu ispravno ucitane; "
                 "koristi se ( %g , %g )\n",
                 index, triangle, double(vertex->x), double(vertex->y));
  }
}

}  // namespace

void readTriangles(std::FILE* in, std::FILE* out, std::FILE* err, Point t1[3], Point t2[3]) {
  for (int i = 0; i < 3; ++i) readVertex(in, out, err, 1, i + 1, &t1[i]);
  for (int i = 0; i < 3; ++i) readVertex(in, out, err, 2, i + 1, &t2[i]);
  std::fputc('\n', out);
}
