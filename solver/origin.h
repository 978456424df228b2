// How a candidate vertex of the overlap was found: the sides that cross there, the shared
// stretch it ends, or the vertex that lies inside the other triangle.
#pragma once

#include <cstdint>

// How a candidate was found, in one byte: its kind in bits 0-1, a side or vertex of T1 in
// bits 2-3, a side of T2 in bits 4-5 (sides numbered from the vertex they start at).
enum class Found : std::uint8_t {
  kSidesCross,  // side i of T1 crosses side j of T2
  kStretchEnd,  // an end of the stretch that side i of T1 and side j of T2 share on one line
  kT1VertexIn,  // vertex k of T1 lies inside T2
  kT2VertexIn,  // vertex k of T2 lies inside T1
};
struct Origin {
  std::uint8_t code;
  Found kind() const { return Found(code & 3); }
  int ofT1() const { return code >> 2 & 3; }  // side i, or the vertex k of T1
  int ofT2() const { return code >> 4 & 3; }  // side j, or the vertex k of T2
};
inline Origin originOf(Found kind, int ofT1, int ofT2) {
  return {std::uint8_t(int(kind) | ofT1 << 2 | ofT2 << 4)};
}
