#pragma once
#include <string>

// Points, placements and boxes in LDraw units (LDU): 20 per stud pitch, 8 per
// plate, 24 per brick; -y is up. These are doubles because LDraw files hold
// decimals (0.7071 in matrices, 0.5 in primitives).

struct LDrawVector {
  double x = 0, y = 0, z = 0;
};

// Where a type-1 line puts its sub-file: a point p of the sub-file lands at
// M p + t, M given row by row as in the line "1 c x y z a b c d e f g h i".
struct LDrawTransform {
  double x = 0, y = 0, z = 0;
  double m[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};

  LDrawVector Apply(const LDrawVector& p) const {
    return {m[0] * p.x + m[1] * p.y + m[2] * p.z + x, m[3] * p.x + m[4] * p.y + m[5] * p.z + y,
            m[6] * p.x + m[7] * p.y + m[8] * p.z + z};
  }
  // The placement of a sub-file placed by `inner` inside a file placed by
  // this: first inner, then this.
  LDrawTransform operator*(const LDrawTransform& inner) const {
    LDrawTransform out;
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c)
        out.m[3 * r + c] =
            m[3 * r] * inner.m[c] + m[3 * r + 1] * inner.m[3 + c] + m[3 * r + 2] * inner.m[6 + c];
    const LDrawVector t = Apply({inner.x, inner.y, inner.z});
    out.x = t.x;
    out.y = t.y;
    out.z = t.z;
    return out;
  }
};

// An axis-aligned box; empty until the first point is added.
struct LDrawBox {
  bool empty = true;
  LDrawVector min, max;

  void Add(const LDrawVector& p) {
    if (empty) {
      min = max = p;
      empty = false;
      return;
    }
    if (p.x < min.x) min.x = p.x;
    if (p.y < min.y) min.y = p.y;
    if (p.z < min.z) min.z = p.z;
    if (p.x > max.x) max.x = p.x;
    if (p.y > max.y) max.y = p.y;
    if (p.z > max.z) max.z = p.z;
  }
};

// A damaged or unusable line, or a file that could not be used. `line` is the
// 1-based line number in `file` (0 when the problem concerns the whole file).
struct LDrawProblem {
  std::string file;
  int line = 0;
  std::string message;

  // "file:line: message", or "file: message" for a whole file.
  std::string Text() const;
};
