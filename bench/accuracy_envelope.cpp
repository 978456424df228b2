// Measures the program's answers against the exact overlap where single precision is tested
// hardest: sides crossing at shallow angles, within the 1e-5 parallel tolerance and around it,
// and a vertex placed on the other triangle's side with decimal coordinates. Prints a Markdown
// table.
//
//   build/bench/accuracy_envelope [pairs per row]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "testing/exact_overlap.h"
#include "testing/triangle_pairs.h"

namespace {

// The float read for the decimal nearest to v, with three decimals.
float decimal(double v) {
  return decimalCoordinate(std::llround(v * 1000));
}

Point decimalPoint(double x, double y) {
  return makePoint(decimal(x), decimal(y));
}

struct Row {
  const char* what;
  std::vector<TrianglePair> pairs;
};

// T1 is a wide triangle; a side of T2 crosses its first side near the middle at `angle`
// radians, and T2's third vertex lies inside T1, so the crossing is a vertex of the overlap.
std::vector<TrianglePair> shallowCrossings(int count, double lo, double hi, std::mt19937_64& rng) {
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<TrianglePair> pairs;
  while (int(pairs.size()) < count) {
    const double px = -40 + 20 * unit(rng), py = -40 + 20 * unit(rng);
    const double qx = 20 + 20 * unit(rng), qy = -40 + 20 * unit(rng);
    const double rx = -10 + 20 * unit(rng), ry = 20 + 20 * unit(rng);
    TrianglePair pair;
    pair.t1[0] = decimalPoint(px, py);
    pair.t1[1] = decimalPoint(qx, qy);
    pair.t1[2] = decimalPoint(rx, ry);
    const double angle = lo * std::pow(hi / lo, unit(rng));  // log-uniform in [lo, hi]
    const double t = 0.3 + 0.4 * unit(rng);
    const double xx = px + t * (qx - px), xy = py + t * (qy - py);
    const double heading = std::atan2(qy - py, qx - px) + angle;
    const double reach = 0.3 * std::hypot(qx - px, qy - py);
    // From outside T1, below its first side, across it at X, into T1.
    pair.t2[0] = decimalPoint(xx - reach * std::cos(heading), xy - reach * std::sin(heading));
    pair.t2[1] = decimalPoint(xx + reach * std::cos(heading), xy + reach * std::sin(heading));
    pair.t2[2] = decimalPoint((px + qx + rx) / 3, (py + qy + ry) / 3);
    pairs.push_back(pair);
  }
  return pairs;
}

// T1 has integer vertices; a vertex of T2 is a decimal point of T1's first side (exactly on it
// in decimal arithmetic, within rounding as floats), and T2 reaches into or away from T1.
std::vector<TrianglePair> vertexOnSide(int count, bool inward, std::mt19937_64& rng) {
  std::uniform_int_distribution<int> coordinate(-50, 50);
  std::uniform_int_distribution<int> step(100, 900);
  std::vector<TrianglePair> pairs;
  while (int(pairs.size()) < count) {
    const int px = coordinate(rng), py = coordinate(rng), qx = coordinate(rng),
              qy = coordinate(rng), rx = coordinate(rng), ry = coordinate(rng);
    const long twiceArea = long(qx - px) * (ry - py) - long(qy - py) * (rx - px);
    if (std::labs(twiceArea) < 200) continue;
    const int j = step(rng);
    // P + j/1000 (Q - P) has three decimals at most.
    const long vx = long(px) * 1000 + long(j) * (qx - px);
    const long vy = long(py) * 1000 + long(j) * (qy - py);
    TrianglePair pair;
    pair.t1[0] = makePoint(float(px), float(py));
    pair.t1[1] = makePoint(float(qx), float(qy));
    pair.t1[2] = makePoint(float(rx), float(ry));
    pair.t2[0] = makePoint(decimalCoordinate(vx), decimalCoordinate(vy));
    // The other two vertices towards R (into T1) or away from it, on either side of V.
    const double sign = inward ? 1 : -1;
    const double cx = (px + qx + rx) / 3.0, cy = (py + qy + ry) / 3.0;
    const double dx = sign * (cx - vx / 1000.0), dy = sign * (cy - vy / 1000.0);
    const double ux = (qx - px) * 0.2, uy = (qy - py) * 0.2;
    pair.t2[1] = decimalPoint(vx / 1000.0 + 0.5 * dx + ux, vy / 1000.0 + 0.5 * dy + uy);
    pair.t2[2] = decimalPoint(vx / 1000.0 + 0.5 * dx - ux, vy / 1000.0 + 0.5 * dy - uy);
    pairs.push_back(pair);
  }
  return pairs;
}

}  // namespace

int main(int argc, char** argv) {
  const int perRow = argc > 1 ? std::atoi(argv[1]) : 10000;
  std::mt19937_64 rng(20261206);
  std::vector<Row> rows;
  rows.push_back({"crossing at 0.0001-0.0003 rad", shallowCrossings(perRow, 1e-4, 3e-4, rng)});
  rows.push_back({"crossing at 0.0003-0.001 rad", shallowCrossings(perRow, 3e-4, 1e-3, rng)});
  rows.push_back({"crossing at 0.001-0.003 rad", shallowCrossings(perRow, 1e-3, 3e-3, rng)});
  rows.push_back({"crossing at 0.003-0.01 rad", shallowCrossings(perRow, 3e-3, 1e-2, rng)});
  rows.push_back({"crossing at 0.01-0.03 rad", shallowCrossings(perRow, 1e-2, 3e-2, rng)});
  rows.push_back({"vertex on a side, pointing in", vertexOnSide(perRow, true, rng)});
  rows.push_back({"vertex on a side, pointing out", vertexOnSide(perRow, false, rng)});

  std::printf("| class | pairs | agree with exact arithmetic | other |\n");
  std::printf("|---|---:|---:|---:|\n");
  for (const Row& row : rows) {
    int agree = 0;
    for (const TrianglePair& pair : row.pairs) agree += disagreement(pair.t1, pair.t2).empty();
    const double pairs = double(row.pairs.size());
    std::printf("| %s | %zu | %.2f%% | %.2f%% |\n", row.what, row.pairs.size(),
                100.0 * agree / pairs, 100.0 * (pairs - agree) / pairs);
  }
}
