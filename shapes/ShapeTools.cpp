#include "shapes/ShapeTools.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "model/Bounds.h"
#include "shapes/DrawClass.h"
#include "shapes/ShapeEditing.h"

namespace {

std::int32_t& On(Point3& p, int axis) {
  return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
}
std::int32_t On(const Point3& p, int axis) {
  return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
}

std::int32_t Moved(std::int32_t value, std::int64_t by) {
  return Clamp32(std::int64_t{value} + by);
}

// The box around a face's corners; nothing for a face without corners.
struct FaceBox {
  Point3 min, max;
};
std::optional<FaceBox> BoxOf(const FaceRec& face) {
  if (face.Points.empty()) return std::nullopt;
  FaceBox box{face.Points[0], face.Points[0]};
  for (const Point3& p : face.Points)
    for (int axis = 0; axis < 3; ++axis) {
      On(box.min, axis) = std::min(On(box.min, axis), On(p, axis));
      On(box.max, axis) = std::max(On(box.max, axis), On(p, axis));
    }
  return box;
}

// The near side of each axis for an octant of the shape's frame.
bool NearLow(int octant, int axis) {
  switch (axis) {
    case 0:
      return octant % 4 == 0 || octant % 4 == 1;  // low x
    case 1:
      return octant % 4 == 1 || octant % 4 == 2;  // low y
    default:
      return octant >= 4;  // from below: low z
  }
}

bool Nearer(const FaceBox& a, const FaceBox& b, int octant) {
  for (int axis = 0; axis < 3; ++axis) {
    const bool nearer = NearLow(octant, axis) ? On(a.max, axis) <= On(b.min, axis)
                                              : On(a.min, axis) >= On(b.max, axis);
    if (nearer) return true;
  }
  return false;
}

}  // namespace

void StretchShape(TDrawClass& shape, const Point3& oldSize, const Point3& newSize) {
  for (FaceRec& face : shape.Faces)
    for (Point3& p : face.Points)
      for (int axis = 0; axis < 3; ++axis)
        if (On(p, axis) > On(oldSize, axis) / 2)
          On(p, axis) = Moved(On(p, axis), std::int64_t{On(newSize, axis)} - On(oldSize, axis));
  shape.SetBox(newSize.x, newSize.y, newSize.z);
  shape.PlaceStuds(newSize.x, newSize.y);
}

int Extrude(TDrawClass& shape, int face, int distance) {
  if (!shape.HasFace(face)) return 0;
  const std::vector<Point3> corners = shape.Faces[static_cast<std::size_t>(face)].Points;
  if (corners.size() < 2) return 0;
  int flat = -1;
  for (int axis = 0; axis < 3 && flat < 0; ++axis) {
    bool same = true;
    for (const Point3& p : corners) same = same && On(p, axis) == On(corners[0], axis);
    if (same) flat = axis;
  }
  if (flat < 0) return 0;
  const std::int32_t far = Moved(On(corners[0], flat), distance);
  const std::size_t n = corners.size();
  for (std::size_t i = 0; i < n; ++i) {
    Point3 side[4] = {corners[i], corners[(i + 1) % n], corners[(i + 1) % n], corners[i]};
    On(side[2], flat) = far;
    On(side[3], flat) = far;
    shape.AddFace(side, 4);
  }
  return static_cast<int>(n);
}

void MirrorFaces(TDrawClass& shape, int face, Axis axis) {
  if (face >= 0 && !shape.HasFace(face)) return;
  const int a = static_cast<int>(axis);
  std::optional<std::int64_t> largest;
  for (const FaceRec& f : shape.Faces)
    for (const Point3& p : f.Points)
      if (!largest || On(p, a) > *largest) largest = On(p, a);
  if (!largest) return;
  std::int64_t sum = *largest;
  // Across x the mirror keeps to whole studs.
  if (axis == Axis::X) sum = (sum + 19) / 20 * 20;
  for (int i = 0; i < shape.FaceCount; ++i) {
    if (face >= 0 && i != face) continue;
    for (Point3& p : shape.Faces[static_cast<std::size_t>(i)].Points)
      On(p, a) = Clamp32(sum - On(p, a));
  }
}

void SortDrawOrder(TDrawClass& shape, int octant) {
  std::vector<int> order = DrawOrderOf(shape, octant);
  const std::size_t n = order.size();
  if (n < 2) return;
  std::vector<std::optional<FaceBox>> boxes;
  for (const FaceRec& face : shape.Faces) boxes.push_back(BoxOf(face));
  auto boxOf = [&](int entry) -> const std::optional<FaceBox>& {
    static const std::optional<FaceBox> none;
    return shape.HasFace(entry) ? boxes[static_cast<std::size_t>(entry)] : none;
  };
  for (std::size_t pass = 0; pass + 1 < n; ++pass)
    for (std::size_t j = 0; j + 1 < n; ++j) {
      const std::optional<FaceBox>& a = boxOf(order[j]);
      const std::optional<FaceBox>& b = boxOf(order[j + 1]);
      if (a && b && Nearer(*a, *b, octant)) std::swap(order[j], order[j + 1]);
    }
  WriteDrawOrder(shape, octant, order);
}
