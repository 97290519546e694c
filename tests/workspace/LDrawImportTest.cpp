// LDraw models read back into pieces: the shipped palette's pieces survive an
// export and an import, and a hand-written multi-part file comes in with its
// sub-models, steps, colours and faults.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "ldraw/LDrawLibrary.h"
#include "model/Block.h"
#include "output/LDrawExport.h"
#include "output/MappingList.h"
#include "platform/Error.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "tests/output/TempFolder.h"
#include "workspace/LDrawImport.h"
#include "workspace/PaletteEntry.h"
#include "workspace/Settings.h"

namespace {

const std::string kData = std::string(BRIKOLO_SOURCE_DIR) + "/data/";
const std::string kLibrary = std::string(BRIKOLO_SOURCE_DIR) + "/tests/ldraw/library";

// A box looks the same whatever its direction, so only shaped pieces show theirs.
std::string Describe(const TBlock& b) {
  return Format("%c %d,%d,%d %dx%dx%d dir %d colour %06X%s studs %d", b.BlockType, b.X, b.Y, b.Z,
                b.SizeX, b.SizeY, b.SizeZ, b.BlockType == 'B' ? 0 : b.Direction,
                static_cast<unsigned>(b.Color), b.Transparent ? " transparent" : "",
                b.HasStuds ? 1 : 0);
}

std::vector<std::string> Export(TBlock& piece, const std::vector<TLDrawRecord>& records) {
  TMappingList list = TMappingList::FromRecords(records);
  LDrawExportResult out;
  ConvertPiece(piece, list, out);
  return out.lines;
}

}  // namespace

TEST(LDrawImport, EveryPalettePieceComesBackFromItsExportInEveryDirection) {
  TempFolder folder;
  WorkspaceState state;
  ReadSettings(TIniFile(kData + "Brikolo.ini"), state);
  TShapeCache shapes(kData + "parts/");
  const TMappingList shipped = TMappingList::Load(kData + "bo2ld.lst");
  const LDrawImportSetup setup{kData + "bo2ld.lst", ""};
  int checked = 0;
  for (const PalettePage& page : state.Pages)
    for (const std::string& entry : page.Entries) {
      std::unique_ptr<TBlock> piece = CreatePaletteBlock(entry, shapes);
      ASSERT_TRUE(piece) << entry;
      piece->Color = 0x0000FF;  // the red colour field
      piece->Transparent = checked % 2 == 1;
      piece->X = 40;
      piece->Y = -60;
      piece->Z = 16;
      for (int direction = 0; direction < 4; ++direction, piece->Turn()) {
        SCOPED_TRACE(entry + " turned " + std::to_string(direction));
        const std::vector<std::string> lines = Export(*piece, shipped.Records());
        // A new file each time: rewriting one file would wait for the disk.
        const std::string file = folder / Format("piece%d-%d.ldr", checked, direction);
        std::ofstream(file, std::ios::binary) << JoinLines(lines);
        ModelReadResult read = ReadLDrawModelFile(file, setup, shapes);
        EXPECT_TRUE(read.errors.empty());
        ASSERT_EQ(read.pieces.size(), 1u);
        TBlock& back = *read.pieces[0];
        // Exported again, the piece read back is the same LDraw.
        EXPECT_EQ(Export(back, shipped.Records()), lines);
        // It is the same piece unless an earlier record shares its part (a
        // general piece made of a plain brick comes back as that brick).
        const auto first = std::find_if(
            shipped.Records().begin(), shipped.Records().end(),
            [&](const TLDrawRecord& r) { return SameText(r.LDrawName, piece->PartName); });
        ASSERT_NE(first, shipped.Records().end());
        if (first->TypeLetter == piece->BlockType && (first->Studs == 1) == piece->HasStuds &&
            first->Section == piece->ShapeSectionName()) {
          EXPECT_EQ(Describe(back), Describe(*piece));
        }
      }
      ++checked;
    }
  EXPECT_GT(checked, 60);
}

TEST(LDrawImport, MultiPartFileWithStepsSubModelsAndFaults) {
  TempFolder folder;
  WriteTextLines(folder / "bo2ld.lst",
                 {"B 2 4 3 1 16 0 0 0 0 3001.DAT 0", "B 2 2 3 1 16 0 0 0 0 3003.DAT 0",
                  "T 2 2 3 1 16 0 0 10 0 3039.DAT 0"});
  WriteTextLines(folder / "town.mpd",
                 {"0 FILE town.ldr", "0 A street and a house",
                  "1 4 20 -24 -40 1 0 0 0 1 0 0 0 1 3001.dat",  // red brick at the origin
                  "0 STEP",
                  "1 1 100 0 0 0 0 1 0 1 0 -1 0 0 house.ldr",          // the house, turned, in blue
                  "1 36 0 -48 0 1 0 0 0 1 0 0 0 1 3003.DAT",           // transparent red
                  "1 16 0 0 0 1 0 0 0 1 0 0 0 1",                      // damaged: no part
                  "0 STEP", "1 15 0 0 0 1 0 0 0 1 0 0 0 1 6216m.dat",  // nobody knows it
                  "1 7 200 -24 0 1 0 0 0 1 0 0 0 1 TestBox2x4.dat",    // measured
                  "0 NOFILE", "0 FILE house.ldr", "1 16 20 -24 -20 1 0 0 0 1 0 0 0 1 3003.dat",
                  "0 STEP", "1 16 20 -48 -10 1 0 0 0 1 0 0 0 1 3039.dat"});
  TShapeCache shapes;
  const ModelReadResult read = ReadLDrawModelFile(
      folder / "town.mpd", LDrawImportSetup{folder / "bo2ld.lst", kLibrary}, shapes);
  std::vector<std::string> pieces;
  for (const auto& p : read.pieces)
    pieces.push_back(Describe(*p) + " step " + std::to_string(p->Step) + " " + p->PartName);
  EXPECT_EQ(pieces, (std::vector<std::string>{
                        // The 2-by-4 brick lies along x: its top centre is (20, -40) in LDraw.
                        "B -20,20,0 80x40x24 dir 0 colour 0000FF studs 1 step 0 3001",
                        // The house is turned three quarters and moved 100 along x: its part at
                        // x 20, z -20 is at x 80, z -20 of the model; the parts take its blue.
                        "B 60,0,0 40x40x24 dir 0 colour CC0211 studs 1 step 1 3003",
                        "T 60,0,24 40x40x24 dir 3 colour CC0211 studs 1 step 1 3039",
                        "B -20,-20,24 40x40x24 dir 0 colour 0000FF transparent studs 1 step 1 3003",
                        // No record, but the library has it: a box of its size, named after it.
                        "B 160,-20,0 80x40x24 dir 0 colour C0C0C0 studs 1 step 2 TestBox2x4",
                    }));
  ASSERT_EQ(read.errors.size(), 2u);
  EXPECT_EQ(read.errors[0].lineNumber, 7);
  EXPECT_EQ(read.errors[1].lineNumber, 9);
  EXPECT_EQ(read.errors[1].message, "No record and no part in the LDraw library for \"6216m.dat\"");
}

TEST(LDrawImport, ColoursComeThroughTheFieldsTheTableAndTheTransparentRule) {
  LDrawLibrary library(kLibrary);
  struct Case {
    int code;
    TColor colour;
    bool transparent;
  } cases[] = {
      {4, 0x0000FF, false},
      {36, 0x0000FF, true},
      {2, 0x008000, false},
      {382, 0x7BB6D2, false},
      {43, 0xFFFF00, false},
      {47, 0xFFFFFF, true},
      {495, RGB(255, 255, 128), false},  // only the table has it
      {16, 0xC0C0C0, false},             // no colour of its own
      {0x2FF8000, RGB(255, 128, 0), false},
  };
  for (const Case& c : cases) {
    TColor colour = 0;
    bool transparent = false;
    PieceColourOfLDrawCode(c.code, library, colour, transparent);
    EXPECT_EQ(colour, c.colour) << c.code;
    EXPECT_EQ(transparent, c.transparent) << c.code;
  }
}
