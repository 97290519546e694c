#include "output/PovConverter.h"

#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "ldraw/LDrawLibrary.h"
#include "ldraw/LDrawModel.h"
#include "model/ColorTable.h"
#include "output/MappingList.h"
#include "output/PovFallback.h"
#include "output/PovText.h"
#include "platform/Error.h"
#include "platform/TextFile.h"

namespace {

// A placed part without a colour of its own is drawn light grey.
constexpr int kUnsetColour = 7;

// The scene of the include form counts in studs.
constexpr double kLDrawUnitsPerStud = 20;

bool ProgramKnowsCode(int code) {
  for (const NamedColor& c : kColorTable)
    if (c.ldrawCode == code) return true;
  return false;
}

PovColour FromRgb(std::uint32_t rgb, bool transparent) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0,
          transparent};
}

PovColour FromTColor(TColor c, bool transparent) {
  return {RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0, transparent};
}

// With a library the parts come in the library's colours (its LDConfig.ldr
// when it has one); without, the model keeps the colours the program shows,
// a see-through piece (code + 32) its own colour made clear.
PovColour ColourOfCode(int code, bool useLibrary, LDrawLibrary& library) {
  LDrawColour found;
  if (useLibrary && library.Colours().Find(code, found))
    return FromRgb(found.rgb, found.alpha < 255);
  if (ProgramKnowsCode(code)) return FromTColor(ColourOfLDrawCode(code), false);
  if (code >= 32 && code < 64 && ProgramKnowsCode(code - 32))
    return FromTColor(ColourOfLDrawCode(code - 32), true);
  if (library.Colours().Find(code, found)) return FromRgb(found.rgb, found.alpha < 255);
  return FromTColor(ColourOfLDrawCode(kUnsetColour), false);
}

// A box grown point by point.
// The eight corners of `inner` as `t` places them.
void AddPlaced(LDrawBox& box, const LDrawBox& inner, const LDrawTransform& t) {
  if (inner.empty) return;
  for (int corner = 0; corner < 8; ++corner)
    box.Add(t.Apply({corner & 1 ? inner.max.x : inner.min.x, corner & 2 ? inner.max.y : inner.min.y,
                     corner & 4 ? inner.max.z : inner.min.z}));
}

// The box of a stand-in piece; with its studs when `studs`.
void AddPiece(LDrawBox& box, const FallbackPiece& p, bool studs) {
  const double rise = studs && p.studs ? 4 : 0;
  box.Add({p.centreX - p.sizeX / 2.0, p.topY - rise, p.centreZ - p.sizeZ / 2.0});
  box.Add({p.centreX + p.sizeX / 2.0, p.topY + p.height, p.centreZ + p.sizeZ / 2.0});
}

bool Invertible(const LDrawTransform& t) {
  const double* m = t.m;
  const double det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
                     m[2] * (m[3] * m[7] - m[4] * m[6]);
  return std::fabs(det) > 1e-9;
}

class Converter {
 public:
  Converter(LDrawLibrary& library, const std::vector<TLDrawRecord>& records)
      : library_(library), records_(records), useLibrary_(library.HasParts()) {}

  PovConversion Run(const LDrawModel& model, PovSceneForm form, const std::string& title);

 private:
  void Place(const LDrawPlacedPart& part);
  void Problem(const std::string& text) {
    if (problemSeen_.insert(text).second) result_.problems.push_back(text);
  }
  // The program's box grows by a box in LDraw units: x, y = -z, z up = -y.
  void AddToProgramBox(const LDrawBox& ldraw) {
    if (ldraw.empty) return;
    program_.Add({ldraw.min.x, -ldraw.max.z, -ldraw.max.y});
    program_.Add({ldraw.max.x, -ldraw.min.z, -ldraw.min.y});
  }
  void AppendHeader(PovSceneForm form, const std::string& title);
  void AppendModelInclude();
  void AppendModelScene();

  LDrawLibrary& library_;
  const std::vector<TLDrawRecord>& records_;
  bool useLibrary_;
  PovConversion result_;
  std::set<std::string> problemSeen_;
  std::set<int> colours_;
  std::vector<std::string> declarations_;          // meshes and pieces
  std::map<std::string, std::string> meshOfPart_;  // library key -> declared name
  std::map<std::tuple<int, int, int, bool>, std::string> pieceOfShape_;
  std::vector<std::string> placed_;  // the object lines of the model
  LDrawBox drawn_;                   // LDraw units, what the picture shows
  LDrawBox program_;                 // the program's units: x, y, z up
};

void Converter::Place(const LDrawPlacedPart& part) {
  const int colour = part.colour == kLDrawMainColour || part.colour == kLDrawEdgeColour
                         ? kUnsetColour
                         : part.colour;
  const LDrawTransform& t = part.placement;
  if (!Invertible(t)) {
    Problem(Format("%s:%d: %s is squashed flat and left out", part.file.c_str(), part.line,
                   part.name.c_str()));
    ++result_.leftOut;
    return;
  }
  const TLDrawRecord* record = FindRecordOfPart(records_, part.name);
  FallbackPiece piece;
  if (record) piece = PieceOfRecord(*record, t.x, t.y, t.z, t.m[0], t.m[2]);

  const LDrawGeometry& g = library_.Geometry(part.name);
  if (g.found && !g.faces.empty()) {
    const std::string key = LDrawNameKey(part.name);
    auto known = meshOfPart_.find(key);
    if (known == meshOfPart_.end()) {
      const std::string name = "BO_Part" + std::to_string(meshOfPart_.size() + 1);
      declarations_.push_back("// " + part.name);
      AppendPovMesh(declarations_, name, g);
      for (const LDrawFace& f : g.faces)
        if (f.colour != kLDrawMainColour && f.colour != kLDrawEdgeColour) colours_.insert(f.colour);
      for (const std::string& sub : g.missing)
        Problem(Format("%s: %s is not in the library", part.name.c_str(), sub.c_str()));
      known = meshOfPart_.emplace(key, name).first;
    }
    placed_.push_back(PovPlacedObject(known->second, t, colour));
    AddPlaced(drawn_, g.bounds, t);
    if (piece.Empty()) {
      LDrawBox body;
      AddPlaced(body, g.bodyBounds, t);
      AddToProgramBox(body);
    }
    ++result_.fromLibrary;
  } else if (!piece.Empty()) {
    const auto shape = std::make_tuple(piece.sizeX, piece.sizeZ, piece.height, piece.studs);
    auto known = pieceOfShape_.find(shape);
    if (known == pieceOfShape_.end()) {
      const std::string name = "BO_Piece" + std::to_string(pieceOfShape_.size() + 1);
      declarations_.push_back(Format("// %d by %d, %d high%s, for %s", piece.sizeX, piece.sizeZ,
                                     piece.height, piece.studs ? ", with studs" : "",
                                     part.name.c_str()));
      AppendPovPiece(declarations_, name, piece);
      known = pieceOfShape_.emplace(shape, name).first;
    }
    placed_.push_back("  object { " + known->second + " translate " +
                      PovVector(piece.centreX, piece.topY, piece.centreZ) + " texture { " +
                      PovTextureName(colour) + " } }");
    AddPiece(drawn_, piece, true);
    ++result_.asPieces;
  } else {
    Problem(Format("%s: not in the library and not in the mapping list", part.name.c_str()));
    ++result_.leftOut;
    return;
  }
  colours_.insert(colour);
  if (!piece.Empty()) {
    LDrawBox box;
    AddPiece(box, piece, false);
    AddToProgramBox(box);
  }
}

void Converter::AppendHeader(PovSceneForm form, const std::string& title) {
  std::vector<std::string>& out = result_.lines;
  out.push_back("// " + title + " for POV-Ray, written by Brikolo.");
  if (form == PovSceneForm::Scene) {
    out.push_back("#version 3.7;");
    out.push_back("global_settings { assumed_gamma 1.0 }");
  }
  out.push_back("");
  out.push_back(
      "#declare BO_Finish = finish { ambient 0.25 diffuse 0.55 phong 0.3 phong_size 40 }");
  for (int code : colours_) {
    AppendPovTexture(out, code, ColourOfCode(code, useLibrary_, library_));
  }
  out.push_back("");
  out.insert(out.end(), declarations_.begin(), declarations_.end());
  out.push_back("");
  out.push_back("#declare BO_Model = union {");
  out.insert(out.end(), placed_.begin(), placed_.end());
  // A union needs something in it even when the model is empty.
  if (placed_.empty()) out.push_back("  sphere { 0, 0 }");
  out.push_back("}");
  out.push_back("");
}

// The include form: the model in the scene's frame (x across, y along, z up,
// in studs) over the program's origin, as the program shows it. The scene's
// camera looks at the middle of the program's box of the model counted in
// the brick units of lg_defs.inc, which is right across for a model around
// the origin; upwards the model is lifted to where the camera looks. The
// middle's height is counted from the program's box, which the converter
// knows from the mapping list's pieces.
void Converter::AppendModelInclude() {
  std::vector<std::string>& out = result_.lines;
  long long middleZ = 0;
  if (!program_.empty) {
    const long long low = std::llround(program_.min.z), high = std::llround(program_.max.z);
    middleZ = low + (high - low) / 2;
  }
  out.push_back("object { BO_Model");
  out.push_back(
      "  matrix <0,1,0, 0,0,-1, 1,0,0, 0,0,0> // LDraw's x, y, z to the scene's y, -z, x");
  out.push_back("  scale 1/" + PovNumber(kLDrawUnitsPerStud));
  out.push_back("  translate " + PovVector(0, 0, -middleZ / kLDrawUnitsPerStud) +
                " // the middle down to the ground");
  out.push_back(Format(
      "  translate <0, 0, %lld*LG_BRICK_HEIGHT> // and up to where the camera looks", middleZ / 3));
  out.push_back("}");
}

// The scene form: the model around the origin, the camera looking at it from
// the front left and above, far enough to show it whole, and PCT per cent
// further.
void Converter::AppendModelScene() {
  std::vector<std::string>& out = result_.lines;
  LDrawVector middle;
  double radius = 100;
  if (!drawn_.empty) {
    const LDrawVector& a = drawn_.min;
    const LDrawVector& b = drawn_.max;
    middle = {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
    radius = std::max(std::hypot(b.x - a.x, b.y - a.y, b.z - a.z) / 2, 20.0);
  }
  const double distance = radius / std::sin(12.5 * 3.14159265358979 / 180);
  out.push_back("// Background:");
  out.push_back("background { color rgb <1,1,1> }");
  out.push_back("");
  out.push_back("camera {");
  // The program rewrites the #declare without its semicolon: the next line has it.
  out.push_back("    #declare PCT = 0 // Percentage further away");
  out.push_back("    ;");
  out.push_back("    location " +
                PovVector(-0.47 * distance, -0.342 * distance, -0.814 * distance) + "*(1+PCT/100)");
  // Up is -y; leaning it a little towards +z keeps a view from straight above
  // the right way round.
  out.push_back("    sky <0,-1,0.0001>");
  out.push_back("    right -x*image_width/image_height // LDraw turns the other way round");
  out.push_back("    look_at <0,0,0>");
  out.push_back("    angle 25");
  out.push_back("}");
  out.push_back("");
  out.push_back("light_source { <-700,-900,-1000> color rgb <1,1,1> }");
  out.push_back("light_source { <1200,-1000,400> color rgb <1,1,1> }");
  out.push_back("light_source { <-900,-600,-900> color rgb <1,1,1> }");
  out.push_back("");
  out.push_back("object { BO_Model translate " + PovVector(-middle.x, -middle.y, -middle.z) + " }");
}

PovConversion Converter::Run(const LDrawModel& model, PovSceneForm form, const std::string& title) {
  for (const LDrawPlacedPart& part : model.parts) Place(part);
  AppendHeader(form, title);
  if (form == PovSceneForm::Include)
    AppendModelInclude();
  else
    AppendModelScene();
  for (const LDrawProblem& p : model.problems) Problem(p.Text());
  for (const LDrawProblem& p : library_.Problems()) Problem(p.Text());
  return std::move(result_);
}

}  // namespace

PovConversion ConvertLDrawModelToPov(const LDrawModel& model, LDrawLibrary& library,
                                     const std::vector<TLDrawRecord>& records, PovSceneForm form,
                                     const std::string& title) {
  return Converter(library, records).Run(model, form, title);
}

PovConversion ConvertLDrawFileToPov(const std::string& ldrawFile, const std::string& ldrawFolder,
                                    const std::string& mappingList, PovSceneForm form,
                                    const std::string& outFile) {
  std::vector<TLDrawRecord> records;
  std::vector<std::string> listProblems;
  try {
    records = TMappingList::Load(mappingList).Records();
  } catch (const FileError& error) {
    listProblems.push_back(std::string(error.what()) + " (no stand-in pieces)");
  }
  LDrawLibrary library(ldrawFolder);
  const LDrawModel model = ReadLDrawModel(ldrawFile, library);
  PovConversion result =
      ConvertLDrawModelToPov(model, library, records, form, FileBaseName(ldrawFile));
  result.problems.insert(result.problems.begin(), listProblems.begin(), listProblems.end());
  WriteTextLines(outFile, result.lines);
  return result;
}

std::vector<std::string> InstallPovIncludeFiles(const std::string& programFolder,
                                                const std::string& ldrawFolder) {
  std::vector<std::string> problems;
  std::string to = NativePath(ldrawFolder);
  if (!to.empty() && to.back() != '/') to += '/';
  for (const char* name : {"lg_color.inc", "lg_defs.inc"}) {
    if (FileExists(to + name)) continue;
    try {
      WriteFileAtomically(to + name, ReadFileBytes(programFolder + name));
    } catch (const FileError& error) {
      problems.push_back(error.what());
    }
  }
  return problems;
}
