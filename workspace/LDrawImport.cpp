#include "workspace/LDrawImport.h"

#include <cmath>
#include <exception>
#include <map>
#include <optional>

#include "ldraw/LDrawModel.h"
#include "model/Block.h"
#include "model/Bounds.h"
#include "model/ColorTable.h"
#include "output/LDrawExport.h"
#include "output/MappingList.h"
#include "platform/Error.h"
#include "platform/FileLocations.h"
#include "platform/IniFile.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"
#include "workspace/BlockFactory.h"
#include "workspace/Settings.h"

namespace {

constexpr TColor kNoColourGrey = 0xC0C0C0;  // what 16 (no colour of its own) becomes

// The numbers of the matrices the export writes, by index (ldraw: row by row).
const double kMatrices[8][9] = {
    {1, 0, 0, 0, 1, 0, 0, 0, 1},
    {0, 0, -1, 0, 1, 0, 1, 0, 0},
    {-1, 0, 0, 0, 1, 0, 0, 0, -1},
    {0, 0, 1, 0, 1, 0, -1, 0, 0},
    {0.7, 0, -0.7, 0, 1, 0, 0.7, 0, 0.7},
    {-0.7, 0, -0.7, 0, 1, 0, 0.7, 0, -0.7},
    {-0.7, 0, 0.7, 0, 1, 0, -0.7, 0, -0.7},
    {0.7, 0, 0.7, 0, 1, 0, -0.7, 0, 0.7},
};

// The export's matrix nearest to a placement's (the exact one for what the
// export wrote; 0.7071 counts as 0.7). -1 when none is near: a part lying on
// its side or upside down.
int MatrixIndex(const LDrawTransform& t) {
  for (int i = 0; i < 8; ++i) {
    bool near = true;
    for (int k = 0; k < 9 && near; ++k) near = std::fabs(t.m[k] - kMatrices[i][k]) < 0.05;
    if (near) return i;
  }
  return -1;
}

// A part name as records hold it: without its folder's '\' turned and
// without ".dat".
std::string RecordName(const std::string& file) {
  std::string name = NativePath(file);
  if (name.size() > 4 && SameText(name.substr(name.size() - 4), ".dat"))
    name.resize(name.size() - 4);
  return name;
}

// A piece made from a record as the export would make it into this part,
// turned to a direction, at the origin.
std::unique_ptr<TBlock> PieceOfRecord(const TLDrawRecord& r, int direction, TShapeCache& shapes) {
  std::unique_ptr<TBlock> piece = CreateEmptyBlock(r.TypeLetter);
  piece->Direction = direction;
  if (piece->BlockType == 'G') {
    try {
      piece->LoadShape(shapes, r.DefinitionFile, r.Section);
    } catch (const std::exception&) {
      return nullptr;  // a record whose shape is missing cannot give a piece
    }
  } else {
    piece->SizeX = (direction % 2 ? r.Width : r.Length) * 20;
    piece->SizeY = (direction % 2 ? r.Length : r.Width) * 20;
    piece->SizeZ = r.Height * 8;
  }
  piece->HasStuds = r.Studs == 1;
  piece->Variant = r.Marker;
  piece->PartName = r.LDrawName;
  return piece;
}

// What the export writes for a piece through this record alone.
std::vector<LDrawLine> ExportedLines(TBlock& piece, const TLDrawRecord& r) {
  TMappingList alone = TMappingList::FromRecords({r});
  LDrawExportResult out;
  ConvertPiece(piece, alone, out);
  std::vector<LDrawLine> lines(out.lines.size());
  std::string error;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!ParseLDrawLine(out.lines[i], lines[i], error)) return {};
  return lines;
}

// One way a part at one matrix comes back: a record's piece at the origin,
// turned to a direction, and the lines the export writes for it.
struct Reversal {
  const TLDrawRecord* record = nullptr;
  int direction = 0;
  std::vector<LDrawLine> lines;  // the part's line first, then its companions
};

class Importer {
 public:
  Importer(const TMappingList& mapping, LDrawLibrary& library, TShapeCache& shapes)
      : mapping_(mapping), library_(library), shapes_(shapes) {}

  // The piece of the part at `at`, which may take the companion lines after
  // it along (a tyre, a door leaf); `used` tells how many lines it took.
  std::unique_ptr<TBlock> PieceAt(const std::vector<LDrawPlacedPart>& parts, std::size_t at,
                                  std::size_t& used, std::string& error) {
    const LDrawPlacedPart& part = parts[at];
    const std::string name = RecordName(part.name);
    used = 1;
    std::unique_ptr<TBlock> piece;
    if (const Reversal* r = Best(parts, at, name)) {
      piece = PieceOfRecord(*r->record, r->direction, shapes_);
      // The export's position is the piece's position plus a fixed shift.
      const LDrawTransform& origin = r->lines[0].placement;
      piece->X = Clamp32(std::llround(part.placement.x - origin.x));
      piece->Y = Clamp32(std::llround(origin.z - part.placement.z));
      piece->Z = Clamp32(std::llround(origin.y - part.placement.y));
      piece->IsBaseplate = IsBaseplate(*r->record);
      used = r->lines.size();
    } else {
      piece = MeasuredBox(part, name);
      if (!piece) {
        error = Format("No record and no part in the LDraw library for \"%s\"", part.name.c_str());
        return nullptr;
      }
    }
    PieceColourOfLDrawCode(part.colour, library_, piece->Color, piece->Transparent);
    piece->Step = static_cast<std::int16_t>(std::min(part.step, 32767));
    return piece;
  }

 private:
  // The reversal that explains the most lines from `at` on, the earlier
  // record first; none when no record names the part.
  const Reversal* Best(const std::vector<LDrawPlacedPart>& parts, std::size_t at,
                       const std::string& name) {
    const Reversal* best = nullptr;
    for (const Reversal& r : Reversals(name, MatrixIndex(parts[at].placement))) {
      if (best != nullptr && r.lines.size() <= best->lines.size()) continue;
      if (r.lines.size() == 1 || CompanionsFollow(r, parts, at)) best = &r;
    }
    return best;
  }

  // The companions of the reversal stand in the lines after `at`, where the
  // export would have put them for this part.
  static bool CompanionsFollow(const Reversal& r, const std::vector<LDrawPlacedPart>& parts,
                               std::size_t at) {
    if (at + r.lines.size() > parts.size()) return false;
    const LDrawTransform& main = parts[at].placement;
    const LDrawTransform& origin = r.lines[0].placement;
    for (std::size_t k = 1; k < r.lines.size(); ++k) {
      const LDrawPlacedPart& next = parts[at + k];
      const LDrawTransform& want = r.lines[k].placement;
      if (!SameText(RecordName(next.name), RecordName(r.lines[k].file)) ||
          MatrixIndex(next.placement) != MatrixIndex(want) ||
          std::fabs(next.placement.x - main.x - (want.x - origin.x)) > 0.5 ||
          std::fabs(next.placement.y - main.y - (want.y - origin.y)) > 0.5 ||
          std::fabs(next.placement.z - main.z - (want.z - origin.z)) > 0.5)
        return false;
    }
    return true;
  }

  // Every record of the part and the direction in which its export matrix is
  // this one, in list order; without a matching matrix (a part on its side)
  // the first record, unturned.
  const std::vector<Reversal>& Reversals(const std::string& name, int matrix) {
    const std::string key = LowerCase(name) + "|" + std::to_string(matrix);
    if (auto known = cache_.find(key); known != cache_.end()) return known->second;
    std::vector<Reversal>& found = cache_[key];
    for (const TLDrawRecord& r : mapping_.Records()) {
      if (!SameText(r.LDrawName, name)) continue;
      for (int direction = 0; direction < 4; ++direction) {
        std::unique_ptr<TBlock> piece = PieceOfRecord(r, direction, shapes_);
        if (!piece) break;
        std::vector<LDrawLine> lines = ExportedLines(*piece, r);
        if (lines.empty()) continue;
        if (MatrixIndex(lines[0].placement) == matrix || (matrix < 0 && found.empty())) {
          found.push_back(Reversal{&r, direction, std::move(lines)});
          break;
        }
      }
    }
    return found;
  }

  // Records whose part is a baseplate make baseplates: by the part's title
  // when the library has it, else by a baseplate's size.
  bool IsBaseplate(const TLDrawRecord& r) {
    if (r.TypeLetter != 'B') return false;
    if (const LDrawFile* file = library_.Find(r.LDrawName + ".dat").file) {
      for (const LDrawLine& line : file->lines)
        if (line.type == 0) return LowerCase(line.text).rfind("baseplate", 0) == 0;
      return false;
    }
    return r.Height == 1 && std::min(r.Width, r.Length) >= 8 && std::max(r.Width, r.Length) >= 16;
  }

  // A box of the part's measured size (studs aside), named after the part.
  std::unique_ptr<TBlock> MeasuredBox(const LDrawPlacedPart& part, const std::string& name) {
    const LDrawGeometry& g = library_.Geometry(part.name);
    if (!g.found || g.bodyBounds.empty) return nullptr;
    LDrawBox box;
    for (const LDrawFace& f : g.faces)
      if (!f.stud)
        for (int i = 0; i < f.count; ++i) box.Add(part.placement.Apply(f.v[i]));
    auto piece = CreateEmptyBlock('B');
    // LDraw x is the model's x, LDraw -y its z and LDraw -z its y.
    piece->X = Clamp32(std::llround(box.min.x));
    piece->Y = Clamp32(std::llround(-box.max.z));
    piece->Z = Clamp32(std::llround(-box.max.y));
    piece->SizeX = Clamp32(std::llround(box.max.x - box.min.x));
    piece->SizeY = Clamp32(std::llround(box.max.z - box.min.z));
    piece->SizeZ = Clamp32(std::llround(box.max.y - box.min.y));
    piece->HasStuds = !g.studs.empty();
    piece->PartName = name;
    return piece;
  }

  const TMappingList& mapping_;
  LDrawLibrary& library_;
  TShapeCache& shapes_;
  std::map<std::string, std::vector<Reversal>> cache_;
};

}  // namespace

LDrawImportSetup LDrawImportSetup::ForLocations(const FileLocations& files) {
  LDrawImportSetup setup;
  setup.mappingList = files.MappingList();
  WorkspaceState state;
  state.Tools = ToolPaths::Defaults();
  const std::string settings = files.SettingsFile();
  if (FileExists(settings)) ReadSettings(TIniFile(settings), state);
  setup.library = state.Tools.LDrawLib;
  return setup;
}

bool IsLDrawModelFileName(const std::string& fileName) {
  const std::string ext = LowerCase(FileExtension(fileName));
  return ext == ".ldr" || ext == ".dat" || ext == ".mpd";
}

void PieceColourOfLDrawCode(int code, LDrawLibrary& library, TColor& colour, bool& transparent) {
  transparent = false;
  if (code == kLDrawMainColour) {
    colour = kNoColourGrey;
    return;
  }
  auto known = [](int c, TColor& out) {
    for (const ColorField& field : kColorFields)
      if (field.tag == c) return out = field.color, true;
    for (const NamedColor& row : kColorTable)
      if (row.ldrawCode == c) return out = row.color(), true;
    return false;
  };
  if (known(code, colour)) return;
  if ((code & 32) != 0 && known(code & ~32, colour)) {
    transparent = true;
    return;
  }
  LDrawColour ldraw;
  if (library.Colours().Find(code, ldraw)) {
    colour = RGB((ldraw.rgb >> 16) & 0xFF, (ldraw.rgb >> 8) & 0xFF, ldraw.rgb & 0xFF);
    transparent = ldraw.alpha < 255;
    return;
  }
  colour = ColourOfLDrawCode(code);
}

ModelReadResult ReadLDrawModelFile(const std::string& fileName, const LDrawImportSetup& setup,
                                   TShapeCache& shapes, const ModelReadOptions& options) {
  ModelReadResult result;
  LDrawLibrary library(setup.library);
  const LDrawModel model = ReadLDrawModel(fileName, library);
  for (const LDrawProblem& p : model.problems)
    result.errors.push_back(LineError{p.line, p.file == fileName ? p.message : p.Text()});

  TMappingList mapping;
  try {
    mapping = TMappingList::Load(setup.mappingList);
  } catch (const FileError& error) {
    result.errors.push_back(LineError{0, error.what()});
  }
  Importer importer(mapping, library, shapes);
  std::size_t used = 1;
  for (std::size_t i = 0; i < model.parts.size(); i += used) {
    const LDrawPlacedPart& part = model.parts[i];
    std::string error;
    std::unique_ptr<TBlock> piece = importer.PieceAt(model.parts, i, used, error);
    if (!piece) {
      result.errors.push_back(LineError{
          part.line, part.file == fileName
                         ? error
                         : Format("%s:%d: %s", part.file.c_str(), part.line, error.c_str())});
      continue;
    }
    AddReadPiece(std::move(piece), result, options);
  }
  return result;
}

ModelReadResult ReadAnyModelFile(const std::string& fileName, const LDrawImportSetup& setup,
                                 TShapeCache& shapes, const ModelReadOptions& options) {
  if (IsLDrawModelFileName(fileName)) return ReadLDrawModelFile(fileName, setup, shapes, options);
  return ReadModelLines(ReadTextLines(fileName), shapes, options);
}
