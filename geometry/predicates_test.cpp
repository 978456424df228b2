#include "geometry/predicates.h"

#include <gtest/gtest.h>

namespace {

struct TurnCase {
  Point p, q, r;
  int expected;
};

TEST(Orientation, CodesAreClockwiseOneCounterClockwiseZeroCollinearMinusOne) {
  const TurnCase cases[] = {
      {{0, 0}, {1, 0}, {0, 1}, 0},
      {{0, 0}, {0, 1}, {1, 0}, 1},
      {{0, 0}, {1, 1}, {2, 2}, -1},
      {{0, 0}, {0, 0}, {5, 7}, -1},
      // The cross product, 1e-46, is kept in double: rounded to single it would vanish.
      {{0, 0}, {1e-23f, 0}, {0, 1e-23f}, 0},
      {{0, 0}, {0, 1e-23f}, {1e-23f, 0}, 1},
      // Large coordinates: the differences are exact and the sign survives.
      {{1e17f, 1e17f}, {-1e17f, 1e17f}, {0, -1e17f}, 0},
  };
  for (const TurnCase& c : cases) {
    EXPECT_EQ(orientation(c.p, c.q, c.r), c.expected)
        << c.p.x << "," << c.p.y << " " << c.q.x << "," << c.q.y << " " << c.r.x << "," << c.r.y;
  }
}

struct ContainmentCase {
  Point a, b, c, p;
  int expected;
  const char* what;
};

TEST(PointInTriangle, CodesAreInsideOneOnASideLineTwoOtherwiseZero) {
  const ContainmentCase cases[] = {
      {{0, 0}, {4, 0}, {0, 4}, {1, 1}, 1, "inside a counter-clockwise triangle"},
      {{0, 0}, {0, 4}, {4, 0}, {1, 1}, 0, "the same triangle clockwise has no inside"},
      {{0, 0}, {4, 0}, {0, 4}, {6, 0}, 2, "on a side line beyond the triangle"},
      {{0, 0}, {4, 0}, {0, 4}, {0, 4}, 2, "a vertex of the triangle"},
      {{0, 0}, {4, 0}, {0, 4}, {2, 2}, 2, "on the long side"},
      {{0, 0}, {4, 0}, {0, 4}, {3, 3}, 0, "outside, off every side line"},
      {{0, 0}, {4, 0}, {0, 4}, {-1, 2}, 0, "outside on the left"},
      {{1, 1}, {1, 1}, {3, 2}, {2, 1.5f}, 2, "a triangle with a repeated vertex"},
      // Each product, 1e-46, is formed in double and rounded to single precision, where it
      // underflows to zero: the point counts as on a side line.
      {{0, 0}, {2e-23f, 0}, {0, 2e-23f}, {5e-24f, 5e-24f}, 2, "products underflow"},
      {{0, 0}, {2e-18f, 0}, {0, 2e-18f}, {5e-19f, 5e-19f}, 1, "small but representable"},
  };
  for (const ContainmentCase& c : cases) {
    EXPECT_EQ(pointInTriangle(c.a, c.b, c.c, c.p), c.expected) << c.what;
  }
}

TEST(PointInTriangle, IgnoresColours) {
  EXPECT_EQ(pointInTriangle({0, 0, RED}, {4, 0, GREEN}, {0, 4, BLUE}, {1, 1, WHITE}), 1);
}

}  // namespace
