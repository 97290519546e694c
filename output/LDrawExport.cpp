#include "output/LDrawExport.h"

#include <cctype>
#include <cstdint>

#include "model/Block.h"
#include "model/BlockList.h"
#include "output/LDrawColour.h"
#include "output/MappingList.h"
#include "platform/Error.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"

const char* const kLDrawMatrices[8] = {
    "  1   0  0    0  1  0   0   0  1",   "  0   0 -1    0  1  0   1   0  0",
    " -1   0  0    0  1  0   0   0 -1",   "  0   0  1    0  1  0  -1   0  0",
    "  0.7 0 -0.7  0  1  0   0.7 0  0.7", " -0.7 0 -0.7  0  1  0   0.7 0 -0.7",
    " -0.7 0  0.7  0  1  0  -0.7 0 -0.7", "  0.7 0  0.7  0  1  0  -0.7 0  0.7",
};

namespace {

std::string TypeOneLine(int code, std::int64_t x, std::int64_t y, std::int64_t z, int matrix,
                        const std::string& file) {
  return Format("1 %d %lld %lld %lld %s %s", code, static_cast<long long>(x),
                static_cast<long long>(y), static_cast<long long>(z), kLDrawMatrices[matrix],
                file.c_str());
}

// The tyre that goes with a wheel rim, or nothing.
const char* TyreOf(const std::string& partName) {
  if (partName == "497" || partName == "7039" || partName == "wheel2") return "3483.dat";
  if (partName == "4624") return "3641.dat";
  return nullptr;
}

int PositiveMod4(std::int64_t v) {
  return static_cast<int>(((v % 4) + 4) % 4);
}

}  // namespace

void ConvertPiece(TBlock& piece, TMappingList& mapping, LDrawExportResult& out) {
  if (piece.BlockType == ' ') piece.BlockType = 'B';
  int code = LDrawCodeOf(piece.Color);
  if (piece.Transparent) code |= 32;

  // Internal units are LDraw units; LDraw's y points down and its z towards
  // the viewer, so the piece's top centre is (x, -top, -y).
  std::int64_t x = (2 * std::int64_t{piece.X} + piece.SizeX) * 10 / 20;
  std::int64_t z = -((2 * std::int64_t{piece.Y} + piece.SizeY) * 10 / 20);
  std::int64_t y = -piece.Top();

  const TMapping m = mapping.FindMapping(piece, out.problems);
  int d = PositiveMod4(piece.Direction);
  if (m.Found) {
    y += m.OffsetUp;
    d = PositiveMod4(std::int64_t{piece.Direction} + (m.Rotation & 3));
    switch (d) {
      case 0:
        x -= m.OffsetAlong;
        z += m.OffsetAcross;
        break;
      case 1:
        x -= m.OffsetAcross;
        z -= m.OffsetAlong;
        break;
      case 2:
        x += m.OffsetAlong;
        z -= m.OffsetAcross;
        break;
      default:
        x += m.OffsetAcross;
        z += m.OffsetAlong;
        break;
    }
    out.lines.push_back(TypeOneLine(code, x, y, z, d + (m.Rotation & 4), piece.PartName + ".dat"));
  } else {
    ++out.piecesLeftOut;
  }
  if (const char* tyre = TyreOf(piece.PartName))
    out.lines.push_back(TypeOneLine(0, x, y, z, d, tyre));
}

LDrawExportResult ExportLDraw(TBlockList& list, TMappingList& mapping) {
  LDrawExportResult out;
  out.problems = mapping.LineProblems();
  for (int i = 0; i < list.Count(); ++i) ConvertPiece(*list[i], mapping, out);
  return out;
}

std::string MappingListPath(const std::string& listFolder) {
  std::string folder = listFolder;
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder + "bo2ld.lst";
}

LDrawExportResult SaveLDrawFile(const std::string& fileName, TBlockList& list,
                                const std::string& listFolder) {
  TMappingList mapping = TMappingList::Load(MappingListPath(listFolder));
  LDrawExportResult result = ExportLDraw(list, mapping);
  WriteTextLines(fileName, result.lines);
  return result;
}

bool IsLDrawFileName(const std::string& fileName) {
  return LowerCase(FileExtension(fileName)) == ".dat";
}
