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
