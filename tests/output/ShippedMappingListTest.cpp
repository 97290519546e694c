// Checks the shipped mapping list against the LDraw parts it names: for every
// record a piece of that kind is placed in each of the four directions and
// exported, and the part's known extent, put through the written matrix and
// position, must cover exactly the piece's box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "model/Block.h"
#include "model/FieldScanner.h"
#include "output/LDrawExport.h"
#include "output/MappingList.h"
#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "workspace/BlockFactory.h"

namespace {

const std::string kSourceData = std::string(BRIKOLO_SOURCE_DIR) + "/data/";

// A direction in the ground plane: (x, z) of the part's own frame, or (x, y)
// of the piece's local frame.
struct Vec2 {
  double a = 0, b = 0;
};

// What the LDraw parts library's files give for a part, in LDU, the part's
// own frame (-y is up; the origin's y is the part's top without studs).
struct PartFacts {
  double x0, x1, z0, z1;
  double top, bottom;  // y of the top face (studs rise 4 above it) and of the bottom
  enum Feature { None, Direction, Axis } feature = None;
  Vec2 partFeature;       // in the part's x, z
  Vec2 pieceFeature;      // in the piece's local x, y
  bool thinBase = false;  // baseplates are 4 thick whatever the piece's height
};

PartFacts Extent(double x0, double x1, double z0, double z1, double height) {
  PartFacts f{};
  f.x0 = x0, f.x1 = x1, f.z0 = z0, f.z1 = z1;
  f.top = 0, f.bottom = height;
  return f;
}

PartFacts Box(double lengthX, double depthZ, double height) {
  return Extent(-lengthX / 2, lengthX / 2, -depthZ / 2, depthZ / 2, height);
}

PartFacts WithFeature(PartFacts f, PartFacts::Feature kind, Vec2 part, Vec2 piece) {
  f.feature = kind;
  f.partFeature = part;
  f.pieceFeature = piece;
  return f;
}

const std::map<std::string, PartFacts>& Facts() {
  static const std::map<std::string, PartFacts> facts = [] {
    std::map<std::string, PartFacts> m;
    const std::pair<const char*, int> bricks1[] = {{"3005", 1}, {"3004", 2}, {"3622", 3},
                                                   {"3010", 4}, {"3009", 6}, {"3008", 8}};
    for (auto [name, l] : bricks1) m[name] = Box(20 * l, 20, 24);
    const std::pair<const char*, int> bricks2[] = {{"3003", 2}, {"3002", 3}, {"3001", 4},
                                                   {"2456", 6}, {"3007", 8}, {"3006", 10}};
    for (auto [name, l] : bricks2) m[name] = Box(20 * l, 40, 24);
    m["2454"] = Box(40, 20, 120);  // the tall brick is made like the others
    m["30145"] = Box(40, 40, 72);
    const std::tuple<const char*, int, int> plates[] = {
        {"3024", 1, 1}, {"3023b", 2, 1}, {"3623", 3, 1},  {"3710", 4, 1},  {"3666", 6, 1},
        {"3460", 8, 1}, {"3022", 2, 2},  {"3021", 3, 2},  {"3020", 4, 2},  {"3795", 6, 2},
        {"3034", 8, 2}, {"3832", 10, 2}, {"3031", 4, 4},  {"3032", 6, 4},  {"3035", 8, 4},
        {"3958", 6, 6}, {"3036", 8, 6},  {"41539", 8, 8}, {"3070b", 1, 1}, {"3069b", 2, 1},
        {"2431", 4, 1}, {"3068b", 2, 2}, {"87079", 4, 2}, {"3033", 10, 6}, {"92438", 16, 8},
        {"11212", 3, 3}};
    for (auto [name, l, w] : plates) m[name] = Box(20 * l, 20 * w, 8);
    const std::tuple<const char*, int, int> baseplates[] = {{"3865", 16, 8},  {"3867", 16, 16},
                                                            {"3857", 32, 16}, {"3811", 32, 32},
                                                            {"4186", 48, 48}, {"10b", 32, 24}};
    for (auto [name, l, w] : baseplates) {
      m[name] = Box(20 * l, 20 * w, 4);
      m[name].thinBase = true;
    }
    // 45-degree slopes: two studs down the slope, which falls towards -z; the
    // stud row's top centre is the origin.
    const std::pair<const char*, int> slopes45[] = {
        {"3040b", 1}, {"3039", 2}, {"3038", 3}, {"3037", 4}};
    for (auto [name, w] : slopes45)
      m[name] = WithFeature(Extent(-10.0 * w, 10.0 * w, -30, 10, 24), PartFacts::Direction, {0, -1},
                            {0, 1});
    const std::pair<const char*, int> slopes33[] = {{"3298", 2}, {"4286", 1}};
    for (auto [name, w] : slopes33)
      m[name] = WithFeature(Extent(-10.0 * w, 10.0 * w, -50, 10, 24), PartFacts::Direction, {0, -1},
                            {0, 1});
    // Ridges along x with the apex at y 0.
    const std::pair<const char*, int> ridges[] = {
        {"3044b", 1}, {"3043", 2}, {"3042", 3}, {"3041", 4}};
    for (auto [name, l] : ridges)
      m[name] = WithFeature(Box(20 * l, 40, 24), PartFacts::Axis, {1, 0}, {1, 0});
    // The corner's flat stud cell lies towards -x, +z of the footprint centre;
    // the piece's towards local +x, -y.
    m["3045"] = WithFeature(Extent(-10, 30, -30, 10, 24), PartFacts::Direction, {-1, 1}, {1, -1});
    // The ridge end's apex points to +z; the piece's to local +x.
    m["3048b"] = WithFeature(Box(40, 20, 24), PartFacts::Direction, {0, 1}, {1, 0});
    m["962"] = Box(40, 40, 24);
    m["3062b"] = Box(20, 20, 24);
    m["3941"] = Box(40, 40, 24);
    m["6141"] = Box(20, 20, 8);
    m["4032a"] = Box(40, 40, 8);
    m["87081"] = Box(80, 80, 24);
    // Window frames: glass towards -z; the piece's glass is at its local back (+y).
    m["60592c01"] = WithFeature(Box(40, 20, 48), PartFacts::Direction, {0, -1}, {0, 1});
    m["60593c01"] = WithFeature(Box(40, 20, 72), PartFacts::Direction, {0, -1}, {0, 1});
    m["60594"] = WithFeature(Box(80, 20, 72), PartFacts::Direction, {0, -1}, {0, 1});
    m["604bc01"] = Box(120, 20, 72);
    m["33bc01"] = Box(40, 20, 72);
    m["3579"] = Box(60, 20, 96);
    m["60596"] = Box(80, 20, 144);
    m["3659"] = Box(80, 20, 24);  // the arch is taken to be made like the bricks
    return m;
  }();
  return facts;
}

// The wheel rim's origin is the wheel centre with the axle along z; the
// piece's axle runs along its local y, 28 above its bottom.
bool IsWheelRim(const std::string& name) {
  return name == "4624" || name == "3482" || name == "42610" || name == "50944c01";
}

// The local frame of shaped pieces: local (lx, ly) is world (x, y).
Vec2 LocalToWorld(int direction, Vec2 v) {
  switch (direction & 3) {
    case 0:
      return {v.a, v.b};
    case 1:
      return {v.b, -v.a};
    case 2:
      return {-v.a, -v.b};
    default:
      return {-v.b, v.a};
  }
}

struct TypeOne {
  double x, y, z;
  double m[9];
  std::string file;
};

TypeOne ParseTypeOne(const std::string& line) {
  std::istringstream in(line);
  int kind, code;
  TypeOne t;
  in >> kind >> code >> t.x >> t.y >> t.z;
  for (double& v : t.m) in >> v;
  in >> t.file;
  return t;
}

std::string Describe(const TLDrawRecord& r, int turns) {
  return FormatMappingLine(r) + " turned " + std::to_string(turns);
}

void CheckPlacement(const TLDrawRecord& r, TBlock& piece, int turns, const TypeOne& t) {
  const std::string what = Describe(r, turns);
  ASSERT_EQ(t.file, r.LDrawName + ".dat") << what;
  double boxX0 = piece.X, boxX1 = piece.Right();
  double boxZ0 = -piece.Back(), boxZ1 = -double(piece.Y);  // LDraw z is the piece's -y
  if (r.TypeLetter == 'E' && r.Length == 2) {
    // The two-stud ridge end is shown by the one-stud part on its apex half.
    const Vec2 apex = LocalToWorld(piece.Direction, {1, 0});
    if (apex.a > 0) boxX0 += 20;
    if (apex.a < 0) boxX1 -= 20;
    if (apex.b > 0) boxZ1 -= 20;  // towards the piece's +y is towards LDraw -z
    if (apex.b < 0) boxZ0 += 20;
  }
  const double top = -piece.Top(), bottom = -double(piece.Z);  // LDraw y is the piece's -z

  if (IsWheelRim(r.LDrawName)) {
    EXPECT_NEAR(t.x, (boxX0 + boxX1) / 2, 1) << what;
    EXPECT_NEAR(t.z, (boxZ0 + boxZ1) / 2, 1) << what;
    EXPECT_NEAR(t.y, -(piece.Z + 28.0), 1) << what;
    const Vec2 axle = LocalToWorld(piece.Direction, {0, 1});
    EXPECT_NEAR(std::abs(t.m[2] * axle.a + t.m[8] * -axle.b), 1, 1e-9) << what;
    return;
  }
  const auto found = Facts().find(r.LDrawName);
  ASSERT_NE(found, Facts().end()) << "no facts for " << r.LDrawName;
  PartFacts f = found->second;
  if (r.TypeLetter == 'G') {
    // A shape has its own frame. The slope falls towards its +y as a roof
    // does; the window has its glass across the shape's x (the part's glass
    // faces its z); the others look the same either way round.
    if (r.Section == "window1x2x2")
      f = WithFeature(f, PartFacts::Axis, {0, 1}, {1, 0});
    else if (r.Section != "slope33_1x2")
      f.feature = PartFacts::None;
  }
  double lo[3] = {1e18, 1e18, 1e18}, hi[3] = {-1e18, -1e18, -1e18};
  for (double u : {f.x0, f.x1})
    for (double v : {f.top, f.bottom})
      for (double w : {f.z0, f.z1}) {
        const double p[3] = {t.m[0] * u + t.m[1] * v + t.m[2] * w + t.x,
                             t.m[3] * u + t.m[4] * v + t.m[5] * w + t.y,
                             t.m[6] * u + t.m[7] * v + t.m[8] * w + t.z};
        for (int k = 0; k < 3; ++k) lo[k] = std::min(lo[k], p[k]), hi[k] = std::max(hi[k], p[k]);
      }
  EXPECT_NEAR(lo[0], boxX0, 1) << what;
  EXPECT_NEAR(hi[0], boxX1, 1) << what;
  EXPECT_NEAR(lo[2], boxZ0, 1) << what;
  EXPECT_NEAR(hi[2], boxZ1, 1) << what;
  // The top face lies on the piece's top; the studs (4 high) stick out above
  // it, as they do on the piece. Baseplates are 4 thick, so their bottom lies
  // higher than that of a one-plate or a thick baseplate piece.
  EXPECT_NEAR(lo[1], top, 1) << what;
  if (f.thinBase)
    EXPECT_NEAR(hi[1], top + 4, 1) << what;
  else
    EXPECT_NEAR(hi[1], bottom, 1) << what;

  if (f.feature != PartFacts::None) {
    const Vec2 world = LocalToWorld(piece.Direction, f.pieceFeature);
    const double wantX = world.a, wantZ = -world.b;
    const double gotX = t.m[0] * f.partFeature.a + t.m[2] * f.partFeature.b;
    const double gotZ = t.m[6] * f.partFeature.a + t.m[8] * f.partFeature.b;
    const double sign = f.feature == PartFacts::Axis && gotX * wantX + gotZ * wantZ < 0 ? -1 : 1;
    EXPECT_NEAR(sign * gotX, wantX, 1e-9) << what;
    EXPECT_NEAR(sign * gotZ, wantZ, 1e-9) << what;
  }
}

std::unique_ptr<TBlock> PieceOf(const TLDrawRecord& r) {
  auto piece = CreateEmptyBlock(r.TypeLetter);
  piece->X = -60;
  piece->Y = 100;
  piece->Z = 16;
  piece->SizeX = r.Length * 20;
  piece->SizeY = r.Width * 20;
  piece->SizeZ = r.Height * 8;
  piece->HasStuds = r.Studs == 1;
  piece->Variant = r.Marker;
  piece->Color = 0xFFFFFF;
  piece->PartName = r.LDrawName;
  return piece;
}

std::vector<std::string> ShippedLines() {
  return ReadTextLines(kSourceData + "bo2ld.lst");
}

void CheckAllDirections(const TLDrawRecord& r, TBlock& piece) {
  for (int turns = 0; turns < 4; ++turns) {
    TMappingList mapping = TMappingList::FromLines(ShippedLines());
    LDrawExportResult out;
    ConvertPiece(piece, mapping, out);
    ASSERT_FALSE(out.lines.empty()) << Describe(r, turns);
    EXPECT_EQ(mapping.Records().size(), TMappingList::FromLines(ShippedLines()).Records().size())
        << "the piece made a record of its own: " << Describe(r, turns);
    CheckPlacement(r, piece, turns, ParseTypeOne(out.lines[0]));
    piece.Turn();
  }
}

}  // namespace

TEST(ShippedMappingList, EveryBuiltInRecordPutsItsPartOnThePiecesBox) {
  TMappingList list = TMappingList::FromLines(ShippedLines());
  EXPECT_TRUE(list.LineProblems().empty());
  int checked = 0;
  for (const TLDrawRecord& r : list.Records()) {
    if (r.TypeLetter == 'G') continue;
    auto piece = PieceOf(r);
    CheckAllDirections(r, *piece);
    // Made the other way round at Direction 0, the piece lies across its
    // record and still gets its part on its box.
    if (r.Width != r.Length && r.TypeLetter == 'B') {
      auto crossed = PieceOf(r);
      std::swap(crossed->SizeX, crossed->SizeY);
      CheckAllDirections(r, *crossed);
    }
    ++checked;
  }
  EXPECT_GT(checked, 70);
}

TEST(ShippedMappingList, GeneralPieceRecordsFitTheirShapes) {
  TShapeCache shapes(kSourceData + "parts/");
  TMappingList list = TMappingList::FromLines(ShippedLines());
  int checked = 0;
  std::vector<std::string> missing;
  for (const TLDrawRecord& r : list.Records()) {
    if (r.TypeLetter != 'G') continue;
    auto piece = PieceOf(r);
    try {
      piece->LoadShape(shapes, r.DefinitionFile, r.Section);
    } catch (const std::exception& error) {
      missing.push_back(FormatMappingLine(r) + ": " + error.what());
      continue;
    }
    piece->HasStuds = r.Studs == 1;
    piece->PartName.clear();  // found through its shape, as a palette piece is
    EXPECT_EQ(piece->Variant, r.Marker) << FormatMappingLine(r);
    EXPECT_EQ(piece->SizeZ / 8, r.Height) << FormatMappingLine(r);
    // Later exports find the piece by the name it took; the result must not change.
    CheckAllDirections(r, *piece);
    CheckAllDirections(r, *piece);
    ++checked;
  }
  // Without any of the shipped shapes (a tree without the part files) there
  // is nothing to check; with them, every record must find its shape.
  if (checked == 0) GTEST_SKIP() << "no shipped shapes to check";
  for (const std::string& m : missing) ADD_FAILURE() << "no shape for " << m;
}

TEST(ShippedMappingList, TheNewModelsBaseplateIsMapped) {
  for (bool studs : {true, false}) {
    TBlock base(-8, -4, -1, 16, 8, 1, 0xC0C0C0, studs, true, false, "3865");
    TMappingList list = TMappingList::FromLines(ShippedLines());
    LDrawExportResult out;
    ConvertPiece(base, list, out);
    ASSERT_EQ(out.lines.size(), 1u);
    EXPECT_EQ(out.lines[0], "1 7 0 0 0   1   0  0    0  1  0   0   0  1 3865.dat");
  }
  // A sized baseplate has no name and is found by its size.
  TBlock sized(0, 0, 0, 32, 32, 3, 0xC0C0C0, true, true, false, "");
  TMappingList list = TMappingList::FromLines(ShippedLines());
  LDrawExportResult out;
  ConvertPiece(sized, list, out);
  EXPECT_EQ(sized.PartName, "3811");
}

namespace {

// A palette piece as the entry text makes it: "[letter ]LxWxH[|part]" or
// "G file, section[|part]", sizes in studs and plates, studs on.
std::unique_ptr<TBlock> PalettePiece(std::string entry, TShapeCache& shapes) {
  std::string part;
  if (auto bar = entry.find('|'); bar != std::string::npos) {
    part = entry.substr(bar + 1);
    entry.resize(bar);
  }
  char letter = 'B';
  if (!entry.empty() && entry[0] >= 'A' && entry[0] <= 'Z') {
    letter = entry[0];
    entry.erase(0, 1);
  }
  auto piece = CreateEmptyBlock(letter);
  piece->HasStuds = true;
  piece->PartName = part;
  if (letter == 'G') {
    const auto comma = entry.find(',');
    piece->LoadShape(shapes, Trim(entry.substr(0, comma)), Trim(entry.substr(comma + 1)));
    return piece;
  }
  int l = 0, w = 0, h = 0;
  std::sscanf(entry.c_str(), "%dx%dx%d", &l, &w, &h);
  piece->SizeX = 20 * l;
  piece->SizeY = 20 * w;
  piece->SizeZ = 8 * h;
  // Roofs, corners and ridge corners made 3 along x by 2 along y are told apart.
  if ((letter == 'T' || letter == 'C' || letter == 'I') && l == 3 && w == 2) piece->Variant = 1;
  return piece;
}

}  // namespace

TEST(ShippedMappingList, EveryPalettePieceFindsARecord) {
  TShapeCache shapes(kSourceData + "parts/");
  int checked = 0;
  for (const std::string& line : ReadTextLines(kSourceData + "Brikolo.ini")) {
    if (line.rfind("Brick", 0) != 0 || line.find('=') == std::string::npos) continue;
    const std::string entry = line.substr(line.find('=') + 1);
    std::unique_ptr<TBlock> piece;
    try {
      piece = PalettePiece(entry, shapes);
    } catch (const std::exception& error) {
      ADD_FAILURE() << entry << ": " << error.what();
      continue;
    }
    TMappingList list = TMappingList::FromLines(ShippedLines());
    const std::size_t records = list.Records().size();
    std::vector<std::string> problems;
    EXPECT_TRUE(list.FindMapping(*piece, problems).Found) << entry;
    EXPECT_EQ(list.Records().size(), records) << entry << " made a record of its own";
    ++checked;
  }
  EXPECT_GT(checked, 50);
}
