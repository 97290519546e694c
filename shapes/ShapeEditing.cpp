#include "shapes/ShapeEditing.h"

#include <cstdint>
#include <cstdio>

#include "model/Bounds.h"
#include "shapes/DrawClass.h"

namespace {

constexpr std::uint32_t kFullOutline = 1;

std::uint32_t EdgeBit(int corner) {
  return std::uint32_t{1} << (corner + 1);
}

}  // namespace

std::string FaceRowText(int face, int outline) {
  const int number = face + 1;
  return std::to_string((outline & 1) != 0 ? number : -number);
}

std::string CornerRowText(const Point3& p) {
  char text[48];
  std::snprintf(text, sizeof text, "%4d%4d%4d", p.x, p.y, p.z);
  return text;
}

bool EdgeStroked(int outline, int corner) {
  if (outline == 0) return false;
  if (outline == 1) return true;
  if (corner < 0 || corner >= TDrawClass::kOutlinedEdges) return false;
  return (static_cast<std::uint32_t>(outline) & EdgeBit(corner)) == 0;
}

int SwitchedEdge(int outline, int corner) {
  if (corner < 0 || corner >= TDrawClass::kOutlinedEdges) return outline;
  const std::uint32_t edges =
      (static_cast<std::uint32_t>(outline) & ~kFullOutline) ^ EdgeBit(corner);
  return edges == 0 ? 1 : static_cast<int>(edges);
}

int SwitchedTransparency(int color) {
  constexpr int kWhite = 0xFFFFFF;
  if (color == 0) return -kWhite;
  const int switched = Clamp32(-std::int64_t{color});
  return switched == kWhite ? 0 : switched;
}

int SwitchedBorder(int outline) {
  return (outline & 1) == 0 ? 1 : -2;
}

void MoveFace(TDrawClass& shape, int face, const Point3& delta) {
  const int count = shape.GetPointCount(face);
  for (int i = 0; i < count; ++i) {
    const Point3 p = shape.GetPoint(face, i);
    shape.SetPoint(face, i,
                   {Clamp32(std::int64_t{p.x} + delta.x), Clamp32(std::int64_t{p.y} + delta.y),
                    Clamp32(std::int64_t{p.z} + delta.z)});
  }
}

std::vector<int> DrawOrderOf(const TDrawClass& shape, int octant) {
  std::vector<int> order;
  const int count = shape.GetDrawCount(octant);
  for (int i = 0; i < count; ++i) order.push_back(shape.GetDrawOrder(octant, i));
  return order;
}

void WriteDrawOrder(TDrawClass& shape, int octant, const std::vector<int>& order) {
  for (std::size_t i = 0; i < order.size(); ++i)
    shape.SetDrawOrder(octant, static_cast<int>(i), order[i]);
  shape.SetDrawCount(octant, static_cast<int>(order.size()));
}
