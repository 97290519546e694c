#pragma once
#include <string>
#include <utility>
#include <vector>

class TDrawClass;

// Which faces of a shape must be painted before which, in one octant of the
// shape's frame: every whole-degree view of a grid of views in that octant is
// sampled on a raster, and wherever two faces cover the same point the farther
// one must come first. A face lying on another (a print, a lamp) comes after
// the face it lies on, which the file lists first.
struct PainterConstraints {
  std::vector<std::pair<int, int>> before;  // (a, b): a is painted before b
};
PainterConstraints SampleConstraints(const TDrawClass& shape, int octant);

// A painting order satisfying the constraints (lowest face first where free),
// or an empty list when they contradict each other.
std::vector<int> PainterOrder(const TDrawClass& shape, const PainterConstraints& c);

// The first constraint the shape's own order for the octant breaks, as text;
// "" when there is none.
std::string FirstBrokenConstraint(const TDrawClass& shape, int octant,
                                  const PainterConstraints& c);
