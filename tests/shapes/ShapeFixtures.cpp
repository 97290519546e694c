#include "tests/shapes/ShapeFixtures.h"

std::unique_ptr<TDrawClass> BrickShape() {
  auto s = TDrawClass::Create();
  s->FileName = "test.dat";
  s->SectionName = "brick";
  s->SetBox(40, 40, 24);
  const Point3 faces[6][4] = {
      {{0, 0, 24}, {40, 0, 24}, {40, 40, 24}, {0, 40, 24}},
      {{0, 0, 0}, {40, 0, 0}, {40, 40, 0}, {0, 40, 0}},
      {{0, 0, 0}, {40, 0, 0}, {40, 0, 24}, {0, 0, 24}},
      {{0, 40, 0}, {40, 40, 0}, {40, 40, 24}, {0, 40, 24}},
      {{0, 0, 0}, {0, 40, 0}, {0, 40, 24}, {0, 0, 24}},
      {{40, 0, 0}, {40, 40, 0}, {40, 40, 24}, {40, 0, 24}},
  };
  for (const auto& f : faces) s->AddFace(f, 4);
  s->TopFace = 0;
  s->BottomFace = 1;
  return s;
}

std::vector<std::string> SectionLines(const std::string& name,
                                      const std::vector<std::string>& body) {
  std::vector<std::string> lines = {"[" + name + "]"};
  lines.insert(lines.end(), body.begin(), body.end());
  return lines;
}

std::string ShapeDifference(const TDrawClass& a, const TDrawClass& b) {
  if (a.BoxX != b.BoxX || a.BoxY != b.BoxY || a.BoxZ != b.BoxZ) return "box";
  if (a.FaceCount != b.FaceCount) return "face count";
  for (std::size_t i = 0; i < a.Faces.size(); ++i)
    if (!(a.Faces[i] == b.Faces[i])) return "face " + std::to_string(i + 1);
  for (int o = 0; o < 8; ++o)
    if (!(a.DrawOrder[o] == b.DrawOrder[o])) return "order " + std::to_string(o + 1);
  for (int i = 0; i < 8; ++i)
    if (a.TurnShift[i] != b.TurnShift[i]) return "turn shift";
  if (a.TopFace != b.TopFace || a.TopStudCount != b.TopStudCount || a.TopStuds != b.TopStuds)
    return "top studs";
  if (a.BottomFace != b.BottomFace || a.BottomTubeCount != b.BottomTubeCount ||
      a.BottomTubes != b.BottomTubes)
    return "bottom tubes";
  if (a.FileName != b.FileName || a.SectionName != b.SectionName) return "names";
  if (a.Variant != b.Variant) return "variant";
  if (a.BitmapName != b.BitmapName || a.BitmapFace != b.BitmapFace) return "bitmap";
  return "";
}
