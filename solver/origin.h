// How a candidate vertex of the overlap was found: the sides that cross there, the shared
// stretch it ends, the vertex that lies inside the other triangle, or where a triangle with no
// area touches the other.
#pragma once

#include <cstdint>

// How a candidate was found, in one byte: its kind in bits 0-2, a side or vertex of T1 in
// bits 3-4, a side or vertex of T2 in bits 5-6 (sides numbered from the vertex they start at).
enum class Found : std::uint8_t {
  kSidesCross,     // side i of T1 crosses side j of T2
  kStretchEnd,     // an end of the stretch that side i of T1 and side j of T2 share on one line
  kT1VertexIn,     // vertex k of T1 lies inside T2
  kT2VertexIn,     // vertex k of T2 lies inside T1
  kT1PointOnSide,  // T1, shrunk to one point, lies on side j of T2
  kT2PointOnSide,  // T2, shrunk to one point, lies on side i of T1
  kVerticesTouch,  // two flat triangles touch where vertex k of T1 is vertex m of T2
};
struct Origin {
  std::uint8_t code;
  Found kind() const { return Found(code & 7); }
  int ofT1() const { return code >> 3 & 3; }  // side i, or the vertex k of T1
  int ofT2() const { return code >> 5 & 3; }  // side j, or the vertex k (m) of T2
};
inline Origin originOf(Found kind, int ofT1, int ofT2) {
  return {std::uint8_t(int(kind) | ofT1 << 3 | ofT2 << 5)};
}
