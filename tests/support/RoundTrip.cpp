#include "tests/support/RoundTrip.h"

#include <unistd.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <memory>

#include "model/Block.h"
#include "output/LDrawRecord.h"
#include "output/MappingList.h"
#include "output/PovRoutes.h"
#include "platform/IniFile.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"
#include "render/View.h"
#include "shapes/DrawClass.h"
#include "shapes/PartFile.h"
#include "shapes/ShapeCache.h"
#include "workspace/BlockFactory.h"
#include "workspace/LDrawImport.h"
#include "workspace/ModelFile.h"
#include "workspace/Settings.h"

namespace {

// A folder of this process's own for files a check must write, gone at exit.
struct ScratchFolder {
  std::string path =
      (std::filesystem::temp_directory_path() / ("brikolo-check-" + std::to_string(::getpid())))
          .string() +
      "/";
  ScratchFolder() { std::filesystem::create_directories(path); }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

template <class T>
bool Differs(const T& a, const T& b, const char* name, std::string& note) {
  if (a == b) return false;
  note = name;
  return true;
}

}  // namespace

std::string PieceDifference(const TBlock& a, const TBlock& b) {
  std::string n;
  if (Differs(a.BlockType, b.BlockType, "type", n) || Differs(a.X, b.X, "x", n) ||
      Differs(a.Y, b.Y, "y", n) || Differs(a.Z, b.Z, "z", n) ||
      Differs(a.SizeX, b.SizeX, "size x", n) || Differs(a.SizeY, b.SizeY, "size y", n) ||
      Differs(a.SizeZ, b.SizeZ, "size z", n) || Differs(a.Color, b.Color, "colour", n) ||
      Differs(a.HasStuds, b.HasStuds, "studs", n) ||
      Differs(a.IsBaseplate, b.IsBaseplate, "baseplate", n) ||
      Differs(a.Direction, b.Direction, "direction", n) ||
      Differs(a.Transparent, b.Transparent, "transparent", n) ||
      Differs(a.Group, b.Group, "group", n) || Differs(a.PartName, b.PartName, "part name", n) ||
      Differs(a.Step, b.Step, "step", n) || Differs(a.Variant, b.Variant, "variant", n) ||
      Differs(a.Shape, b.Shape, "shape", n))
    return n;
  return "";
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

namespace {

struct SavedAndRead {
  std::vector<std::string> lines;  // the header line, then a line per piece
  ModelReadResult again;
  std::string difference;  // "" when every piece came back as it was
};

// The pieces saved as model lines under `header` and read again.
SavedAndRead SaveAndReadAgain(const ModelHeader& header,
                              const std::vector<std::unique_ptr<TBlock>>& pieces,
                              TShapeCache& shapes, const ModelReadOptions& options) {
  SavedAndRead r;
  r.lines.push_back(FormatHeaderLine(header));
  for (const auto& piece : pieces) r.lines.push_back(FormatPieceLine(*piece));
  r.again = ReadModelLines(r.lines, shapes, options);
  if (!r.again.errors.empty()) {
    const int line = std::max(r.again.errors[0].lineNumber, 1);
    r.difference = "line " + std::to_string(line) + " written as \"" +
                   r.lines[static_cast<std::size_t>(line - 1)] +
                   "\" does not read: " + r.again.errors[0].message;
  } else if (r.again.pieces.size() != pieces.size()) {
    r.difference = "piece count";
  }
  for (std::size_t i = 0; i < pieces.size() && r.difference.empty(); ++i) {
    const std::string difference = PieceDifference(*pieces[i], *r.again.pieces[i]);
    if (!difference.empty())
      r.difference = difference + " of the piece written as \"" + r.lines[i + 1] + "\"";
  }
  return r;
}

}  // namespace

std::string ModelRoundTrip(const std::vector<std::string>& lines, TShapeCache& shapes) {
  for (const LoadMode mode : {LoadMode::Complete, LoadMode::Subassembly}) {
    ModelReadOptions options;
    options.mode = mode;
    const ModelReadResult first = ReadModelLines(lines, shapes, options);
    const SavedAndRead saved =
        SaveAndReadAgain(first.header.value_or(ModelHeader{}), first.pieces, shapes, options);
    if (!saved.difference.empty()) return saved.difference;
    if (first.header) {
      const ModelHeader& a = *first.header;
      const ModelHeader& b = saved.again.header.value_or(ModelHeader{});
      if (!saved.again.header || a.RotX != b.RotX || a.RotZ != b.RotZ || a.ScaleBar != b.ScaleBar ||
          a.OffsetX != b.OffsetX || a.OffsetY != b.OffsetY || a.StudsShown != b.StudsShown)
        return "header written as \"" + saved.lines[0] + "\"";
    }
  }
  return "";
}

std::string PartFileRoundTrip(const std::vector<std::string>& lines) {
  std::vector<std::string> sections = SectionNames(lines);
  if (sections.size() > 4) sections.resize(4);
  std::vector<std::unique_ptr<TDrawClass>> before;
  for (const std::string& section : sections) {
    try {
      before.push_back(ParseShape(lines, "f.dat", section));
    } catch (const std::exception&) {
      before.push_back(nullptr);
    }
  }
  for (const auto& stored : before) {
    if (!stored) continue;
    std::vector<std::string> file = lines;
    WriteShape(*stored, file);
    for (std::size_t i = 0; i < sections.size(); ++i) {
      if (!before[i]) continue;
      const bool same = SameText(sections[i], stored->SectionName);
      std::string difference;
      try {
        auto after = ParseShape(file, "f.dat", sections[i]);
        if (same) after->SectionName = stored->SectionName;  // asked for in another case
        difference = ShapeDifference(*after, same ? *stored : *before[i]);
      } catch (const std::exception& e) {
        difference = e.what();
      }
      if (!difference.empty())
        return "section " + sections[i] + " after writing " + stored->SectionName + ": " +
               difference;
    }
  }
  return "";
}

namespace {

WorkspaceState ReadState(const TIniFile& ini, int& version) {
  WorkspaceState state;
  version = ReadSettings(ini, state);
  return state;
}

std::string StateDifference(const WorkspaceState& a, const WorkspaceState& b) {
  if (a.Pages.size() != b.Pages.size()) return "page count";
  for (std::size_t i = 0; i < a.Pages.size(); ++i) {
    const PalettePage& p = a.Pages[i];
    const PalettePage& q = b.Pages[i];
    const std::string page = "page " + std::to_string(i + 1) + ": ";
    if (p.Title != q.Title) return page + "title";
    if (p.Height != q.Height) return page + "height";
    if (!(p.Scale == q.Scale)) return page + "scale";
    if (p.Entries != q.Entries) return page + "entries";
  }
  const ToolPaths& s = a.Tools;
  const ToolPaths& t = b.Tools;
  if (s.LDrawLib != t.LDrawLib || s.LDrawProg != t.LDrawProg || s.LDrawTest != t.LDrawTest ||
      s.L2PCmd != t.L2PCmd || s.L3PCmd != t.L3PCmd || s.PovRayEng != t.PovRayEng)
    return "tool paths";
  const Preferences& p = a.Prefs;
  const Preferences& q = b.Prefs;
  if (p.Hints != q.Hints || p.StudQual != q.StudQual || p.Details != q.Details ||
      p.Shading != q.Shading)
    return "preferences";
  return "";
}

}  // namespace

std::string SettingsRoundTrip(const std::vector<std::string>& lines) {
  TIniFile ini = TIniFile::FromLines(lines);
  int version = 0;
  const WorkspaceState first = ReadState(ini, version);
  if (version == 1)
    TurnIntoCurrentForm(ini, first);
  else
    WriteSettings(ini, first);
  const TIniFile written = TIniFile::FromLines(ini.Lines());
  const WorkspaceState again = ReadState(written, version);
  const std::string difference = StateDifference(first, again);
  return difference.empty() && version != 2 ? "version" : difference;
}

namespace {

std::string RecordDifference(const TLDrawRecord& a, const TLDrawRecord& b) {
  std::string n;
  if (Differs(a.TypeLetter, b.TypeLetter, "type", n) || Differs(a.Width, b.Width, "width", n) ||
      Differs(a.Length, b.Length, "length", n) || Differs(a.Height, b.Height, "height", n) ||
      Differs(a.Studs, b.Studs, "studs", n) || Differs(a.Reserved, b.Reserved, "reserved", n) ||
      Differs(a.OffsetAlong, b.OffsetAlong, "along", n) ||
      Differs(a.OffsetUp, b.OffsetUp, "up", n) ||
      Differs(a.OffsetAcross, b.OffsetAcross, "across", n) ||
      Differs(a.Rotation, b.Rotation, "rotation", n) ||
      Differs(a.LDrawName, b.LDrawName, "name", n) || Differs(a.Marker, b.Marker, "marker", n) ||
      Differs(a.DefinitionFile, b.DefinitionFile, "file", n) ||
      Differs(a.Section, b.Section, "section", n))
    return n;
  return "";
}

}  // namespace

std::string MappingListRoundTrip(const std::vector<std::string>& lines) {
  TMappingList list = TMappingList::FromLines(lines);
  std::vector<std::string> problems;
  for (const char letter : std::string("BTNCEIRWDOGX;")) {
    auto piece = CreateEmptyBlock(letter);
    piece->SizeX = 40;
    piece->SizeY = 80;
    piece->SizeZ = 24;
    piece->HasStuds = true;
    piece->PartName = letter == 'X' ? "" : "3001";
    list.FindMapping(*piece, problems);
  }
  for (const TLDrawRecord& record : list.Records()) {
    if (!MappingLineReadsBack(record)) {
      if (record.TypeLetter == ';') continue;  // such a record is kept in memory only
      return "record " + FormatMappingLine(record) + " cannot be written";
    }
    std::optional<TLDrawRecord> back = ParseMappingLine(FormatMappingLine(record));
    if (!back) return "record " + FormatMappingLine(record) + " is not read back";
    const std::string difference = RecordDifference(record, *back);
    if (!difference.empty()) return difference + " of " + FormatMappingLine(record);
  }
  return "";
}

std::string PovSceneEditCheck(const std::string& bytes) {
  const auto byte = [&](std::size_t i, int otherwise) {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : otherwise;
  };
  TView view;
  view.SetAngles(byte(0, 60) % 181, byte(1, 85) * 360 / 256);
  view.SetScaleBar(1 + byte(2, 9) % 80);
  const TColor background = RGB(byte(3, 255), byte(4, 255), byte(5, 255));
  const std::vector<std::string> edited = EditL3PScene(SplitLines(bytes), view, background);
  // A camera line that a colour's texture took over is no camera any more.
  bool camera = false, angle = false;
  for (const std::string& line : edited) {
    camera = camera || SameText(line, "camera {");
    angle = angle || line == "    angle 25";
  }
  if (camera && !angle) return "the camera has no angle";
  if (EditL3PScene(edited, view, background) != edited) return "a second edit changes the scene";
  return "";
}

std::string LDrawImportRoundTrip(const std::string& bytes, const std::string& sourceDir) {
  static ScratchFolder scratch;
  static TShapeCache shapes(sourceDir + "/data/parts/");
  const std::string file = scratch.path + "model.mpd";
  WriteFileAtomically(file, bytes);
  const LDrawImportSetup setup{sourceDir + "/data/bo2ld.lst", sourceDir + "/tests/ldraw/library"};
  const ModelReadResult imported = ReadLDrawModelFile(file, setup, shapes);
  return SaveAndReadAgain(ModelHeader{}, imported.pieces, shapes, {}).difference;
}

std::vector<std::vector<std::string>> HostileVariants(const std::vector<std::string>& lines,
                                                      int count, unsigned seed) {
  static const std::string kInserts[] = {
      " ",  "  ",         "\t",          std::string(1, '\0'), "\r", "\x01", "-", "0", "9",
      "-1", "2147483647", "-2147483648", "99999999999",        ",",  ";",    "=", "[", "]",
      "x",  "\xff",       "|",
  };
  std::vector<std::vector<std::string>> variants;
  for (int v = 0; v < count; ++v) {
    std::vector<std::string> copy = lines;
    const auto next = [&seed] {
      seed = seed * 1103515245u + 12345u;
      return seed >> 8;
    };
    for (int change = 0; change < 1 + static_cast<int>(next() % 3) && !copy.empty(); ++change) {
      std::string& line = copy[next() % copy.size()];
      const std::size_t at = line.empty() ? 0 : next() % (line.size() + 1);
      switch (next() % 6) {
        case 0:
          line.resize(at);
          break;
        case 1:
          line.insert(at, std::string(200 + next() % 200, static_cast<char>('a' + next() % 26)));
          break;
        case 2:
          copy.push_back(line);
          break;
        case 3:
          if (at < line.size()) line.erase(at, 1);
          break;
        default: {
          line.insert(at, kInserts[next() % (sizeof kInserts / sizeof *kInserts)]);
        }
      }
    }
    variants.push_back(std::move(copy));
  }
  return variants;
}
