#include "workspace/LDrawCheck.h"

#include <array>
#include <cmath>
#include <optional>

#include "model/Block.h"
#include "model/FieldScanner.h"
#include "output/LDrawExport.h"
#include "pieces/LocalFrame.h"
#include "pieces/RoofSurface.h"
#include "platform/Error.h"
#include "platform/TextCase.h"
#include "shapes/ShapeCache.h"
#include "workspace/BlockFactory.h"

namespace {

constexpr double kTolerance = 1.0;  // LDU
constexpr double kStudHeight = 4.0;
// Mean height difference (LDU) above which a roof's top does not follow the
// piece's slopes; real slopes differ from the drawn ones by about 1. A turn
// of the slopes that comes closer by more than kBetterTurn shows a part
// turned the wrong way even when it is near.
constexpr double kFacingTolerance = 5.0;
constexpr double kBetterTurn = 1.5;

struct Triangle {
  LDrawVector a, b, c;
};

// The box the parts should fill, in LDraw coordinates.
LDrawBox TargetBox(const TBlock& piece) {
  LDrawBox box;
  auto add = [&box, &piece](double x, double y) {
    box.Add({x, -static_cast<double>(piece.Top()), -y});
    box.Add({x, -static_cast<double>(piece.Z), -y});
  };
  if (piece.BlockType != 'O') {
    add(piece.X, piece.Y);
    add(static_cast<double>(piece.Right()), static_cast<double>(piece.Back()));
    return box;
  }
  // The wheel as drawn: in the local frame round the axle along local y.
  const LocalBox b = LocalFrameOf(piece);
  const double radius = static_cast<double>(b.Lx * 3 / 4) * 0.5;
  const double xc = static_cast<double>(b.x0 + b.Lx / 2);
  const double y0 = static_cast<double>(b.y0 + 1), y1 = static_cast<double>(b.y1() - 1);
  const double zc = static_cast<double>(piece.Z) + 28;
  for (double lx : {xc - radius, xc + radius})
    for (double ly : {y0, y1}) {
      double x = 0, y = 0;
      LocalToWorld(QuarterTurns(piece), lx, ly, x, y);
      box.Add({x, -(zc + radius), -y});
      box.Add({x, -(zc - radius), -y});
    }
  return box;
}

bool IsBaseplatePart(LDrawLibrary& library, const std::string& name) {
  const LDrawFile* file = library.Find(name).file;
  if (file == nullptr) return false;
  for (const LDrawLine& line : file->lines)
    if (line.type == 0) return LowerCase(line.text).rfind("baseplate", 0) == 0;
  return false;
}

// "+y 10 short, top 4 over": each side of the box that the parts miss. Some
// parts shape their studs themselves instead of using stud primitives; on a
// piece with studs up to a stud's height above the top is taken for them.
std::string SidesMissed(const LDrawBox& part, const LDrawBox& box, bool measureBottom, bool studs) {
  struct Side {
    const char* name;
    double overBy;  // how far the part reaches past the box on this side
  };
  const Side sides[] = {
      {"-x", box.min.x - part.min.x},     {"+x", part.max.x - box.max.x},
      {"-y", part.max.z - box.max.z},     {"+y", box.min.z - part.min.z},
      {"bottom", part.max.y - box.max.y}, {"top", box.min.y - part.min.y},
  };
  std::string text;
  for (const Side& s : sides) {
    if (std::string(s.name) == "bottom" && !measureBottom && s.overBy <= kTolerance) continue;
    if (std::string(s.name) == "top" && studs && s.overBy > 0 &&
        s.overBy <= kStudHeight + kTolerance)
      continue;
    if (std::fabs(s.overBy) <= kTolerance) continue;
    if (!text.empty()) text += ", ";
    text += Format("%s %g %s", s.name, std::round(std::fabs(s.overBy) * 10) / 10,
                   s.overBy > 0 ? "over" : "short");
  }
  return text;
}

// The highest point (model z) of the triangles above a model point, if any.
std::optional<double> TopAt(const std::vector<Triangle>& triangles, double x, double y) {
  const double px = x, pz = -y;
  std::optional<double> top;
  for (const Triangle& t : triangles) {
    const double d = (t.b.z - t.c.z) * (t.a.x - t.c.x) + (t.c.x - t.b.x) * (t.a.z - t.c.z);
    if (std::fabs(d) < 1e-9) continue;  // seen edge on
    const double l1 = ((t.b.z - t.c.z) * (px - t.c.x) + (t.c.x - t.b.x) * (pz - t.c.z)) / d;
    const double l2 = ((t.c.z - t.a.z) * (px - t.c.x) + (t.a.x - t.c.x) * (pz - t.c.z)) / d;
    const double l3 = 1 - l1 - l2;
    if (l1 < -1e-9 || l2 < -1e-9 || l3 < -1e-9) continue;
    const double h = -(l1 * t.a.y + l2 * t.b.y + l3 * t.c.y);
    if (!top || h > *top) top = h;
  }
  return top;
}

// The mean distance between the parts' top and the piece's slopes, with the
// piece's surface turned `quarters` quarter turns about the box's centre.
double MeanTopDifference(const TBlock& piece, const std::vector<Triangle>& triangles,
                         int quarters) {
  const double cx = piece.X + piece.SizeX / 2.0, cy = piece.Y + piece.SizeY / 2.0;
  double sum = 0;
  int count = 0;
  for (double x = piece.X + 2.5; x < piece.Right(); x += 5)
    for (double y = piece.Y + 2.5; y < piece.Back(); y += 5) {
      double dx = x - cx, dy = y - cy;
      for (int q = 0; q < quarters; ++q) {
        const double t = dx;
        dx = -dy;
        dy = t;
      }
      const std::optional<double> drawn = RoofSurfaceHeight(piece, cx + dx, cy + dy);
      if (!drawn) continue;
      const double part = TopAt(triangles, x, y).value_or(static_cast<double>(piece.Z));
      sum += std::fabs(part - *drawn);
      ++count;
    }
  return count == 0 ? 0 : sum / count;
}

// A roof part faces the wrong way when its top is far off the drawn slopes,
// or when the slopes turned about the box's centre fit it clearly better.
std::string FacingFault(const TBlock& piece, const std::vector<Triangle>& triangles) {
  const bool square = piece.SizeX == piece.SizeY;
  double difference[4] = {MeanTopDifference(piece, triangles, 0), 0, 0, 0};
  int best = 0;
  for (int q = square ? 1 : 2; q < 4; q += square ? 1 : 2) {
    difference[q] = MeanTopDifference(piece, triangles, q);
    if (difference[q] < difference[best]) best = q;
  }
  const bool turned = best != 0 && difference[0] - difference[best] > kBetterTurn;
  if (!turned && difference[0] <= kFacingTolerance) return std::string();
  std::string text = Format("its top is %.0f LDU off the slopes the program draws", difference[0]);
  // Turning the sampled slopes one way is turning the part the other way.
  static const char* const kTurns[4] = {"", "a rotation 3 quarter turns more", "a half turn",
                                        "a rotation one quarter turn more"};
  if (turned) text += Format(" (%s would fit)", kTurns[best]);
  return text;
}

}  // namespace

std::string LDrawFit::Describe() const {
  if (lines.empty()) return "left out";
  if (!missingParts.empty()) {
    std::string text = "missing part";
    for (const std::string& part : missingParts) text += " " + part;
    return text;
  }
  std::string text = sides;
  if (!facing.empty()) text += (text.empty() ? "" : "; ") + facing;
  return text.empty() ? "fits" : text;
}

LDrawFit CheckPieceFit(const TBlock& piece, const TMappingList& mapping, LDrawLibrary& library) {
  LDrawFit fit;
  TMappingList copy = TMappingList::FromRecords(mapping.Records());
  std::unique_ptr<TBlock> exported = piece.Clone();
  LDrawExportResult result;
  ConvertPiece(*exported, copy, result);
  fit.lines = result.lines;

  const bool roof =
      RoofSurfaceHeight(piece, piece.X + piece.SizeX / 2.0, piece.Y + piece.SizeY / 2.0)
          .has_value();
  LDrawBox body;
  bool measureBottom = true;
  std::vector<Triangle> triangles;
  for (const std::string& text : fit.lines) {
    LDrawLine line;
    std::string error;
    if (!ParseLDrawLine(text, line, error) || line.type != 1) continue;
    const LDrawGeometry& part = library.Geometry(line.file);
    if (!part.found) {
      fit.missingParts.push_back(line.file);
      continue;
    }
    if (IsBaseplatePart(library, line.file)) measureBottom = false;
    for (const LDrawFace& face : part.faces) {
      if (face.stud) continue;
      std::array<LDrawVector, 4> v;
      for (int i = 0; i < face.count; ++i) {
        v[i] = line.placement.Apply(face.v[i]);
        body.Add(v[i]);
      }
      if (!roof) continue;
      triangles.push_back({v[0], v[1], v[2]});
      if (face.count == 4) triangles.push_back({v[0], v[2], v[3]});
    }
  }
  if (fit.lines.empty() || !fit.missingParts.empty()) return fit;
  if (body.empty) {
    fit.sides = "the parts have no faces";
    return fit;
  }
  // Wheels, ridges and their ends and corners never show studs.
  const bool studs =
      piece.HasStuds && std::string("ONEI").find(piece.BlockType) == std::string::npos;
  fit.sides = SidesMissed(body, TargetBox(piece), measureBottom, studs);
  if (roof) fit.facing = FacingFault(piece, triangles);
  return fit;
}

std::vector<std::string> CheckMappingRecords(const TMappingList& mapping, LDrawLibrary& library,
                                             TShapeCache& shapes) {
  std::vector<std::string> report;
  for (const TLDrawRecord& record : mapping.Records()) {
    const std::string where =
        Format("line %d: %s", record.LineNumber, Trim(FormatMappingLine(record)).c_str());
    std::unique_ptr<TBlock> piece = CreateEmptyBlock(record.TypeLetter);
    if (piece->BlockType == 'G') {
      try {
        piece->LoadShape(shapes, record.DefinitionFile, record.Section);
      } catch (const std::exception& error) {
        report.push_back(where + ": " + error.what());
        continue;
      }
    } else {
      piece->SizeX = record.Length * 20;
      piece->SizeY = record.Width * 20;
      piece->SizeZ = record.Height * 8;
    }
    piece->HasStuds = record.Studs == 1;
    piece->Variant = record.Marker;
    piece->PartName = record.LDrawName;
    piece->Color = 0xFFFFFF;
    const TMappingList alone = TMappingList::FromRecords({record});

    std::string faults[4];
    for (int direction = 0; direction < 4; ++direction) {
      const LDrawFit fit = CheckPieceFit(*piece, alone, library);
      if (!fit.Fits()) faults[direction] = fit.Describe();
      piece->Turn();
    }
    if (faults[0].empty() && faults[1].empty() && faults[2].empty() && faults[3].empty()) continue;
    if (faults[0] == faults[1] && faults[1] == faults[2] && faults[2] == faults[3]) {
      report.push_back(where + ": " + faults[0]);
      continue;
    }
    std::string text = where + ":";
    for (int direction = 0; direction < 4; ++direction)
      if (!faults[direction].empty())
        text += Format(" direction %d: %s;", direction, faults[direction].c_str());
    text.pop_back();
    report.push_back(text);
  }
  return report;
}
