#include "output/LDrawExport.h"

#include <cctype>
#include <cstdint>

#include "model/Block.h"
#include "model/BlockList.h"
#include "output/LDrawColour.h"
#include "output/LDrawTiling.h"
#include "output/MappingList.h"
#include "pieces/LocalFrame.h"
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

// A part the export writes together with the part of a record: a wheel's
// tyre, a door's leaf, the glass of a window, the other half of a ridge end.
struct Companion {
  char type;              // the piece's type letter; 0 for any piece
  const char* part;       // the record's part
  const char* companion;  // the part written with it
  int colour;             // its colour code; kPieceColour for the piece's own
  int x, y, z;            // its origin in the part's own frame
  int turns;              // quarter turns of its matrix beyond the part's
};
constexpr int kPieceColour = -1;

const Companion kCompanions[] = {
    {0, "497", "3483.dat", 0, 0, 0, 0, 0},
    {0, "7039", "3483.dat", 0, 0, 0, 0, 0},
    {0, "wheel2", "3483.dat", 0, 0, 0, 0, 0},
    {0, "4624", "3641.dat", 0, 0, 0, 0, 0},
    {0, "3482", "3483.dat", 0, 0, 0, 0, 0},
    // The door leaves turn on the frames' hinges at the left post.
    {'D', "60596", "60616a.dat", kPieceColour, -32, 0, 5, 0},
    {'D', "3579", "7930c01.dat", kPieceColour, -24, 8, 0, 0},
    // The glass of the 1-by-4 window.
    {'W', "60594", "86210.dat", 47, 0, 8, -4, 0},
    // A ridge end two studs long: the ridge half at the apex, the one-stud
    // ridge end sloping away from it.
    {'E', "3044b", "3048b.dat", kPieceColour, -20, 0, 0, 3},
};

// A point of a part's own frame turned by the quarter-turn matrix of index d:
// the matrix turns as the pieces' local frames do, in the model's x and y (-z).
void TurnOffset(int d, int x, int z, std::int64_t& outX, std::int64_t& outZ) {
  std::int64_t y = 0;
  LocalToWorld<std::int64_t>(d, x, -std::int64_t{z}, outX, y);
  outZ = -y;
}

int PositiveMod4(std::int64_t v) {
  return static_cast<int>(((v % 4) + 4) % 4);
}

// "R 3x3x3 at 40, -20, 0": the piece as a palette entry names it, and where it stands.
std::string DescribePiece(const TBlock& piece) {
  return Format("%c %dx%dx%d at %d, %d, %d", piece.BlockType, piece.SizeX / 20, piece.SizeY / 20,
                piece.SizeZ / 8, piece.X, piece.Y, piece.Z);
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
  } else if (piece.PartName.empty()) {
    // A box no record matches is built of boxes that records do match.
    std::vector<std::unique_ptr<TBlock>> tiles = TileBox(piece, mapping);
    if (tiles.empty()) {
      ++out.piecesLeftOut;
      out.problems.push_back(
          Format("No LDraw part for the piece %s: it is left out", DescribePiece(piece).c_str()));
    }
    for (std::unique_ptr<TBlock>& tile : tiles) ConvertPiece(*tile, mapping, out);
    return;
  } else {
    ++out.piecesLeftOut;
  }
  for (const Companion& c : kCompanions) {
    if ((c.type != 0 && c.type != piece.BlockType) || !SameText(c.part, piece.PartName)) continue;
    std::int64_t dx = 0, dz = 0;
    TurnOffset(d, c.x, c.z, dx, dz);
    out.lines.push_back(TypeOneLine(c.colour == kPieceColour ? code : c.colour, x + dx, y + c.y,
                                    z + dz, PositiveMod4(d + c.turns), c.companion));
  }
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
