// The POV-Ray converter: stand-in pieces recovered from exported lines, parts
// from a small library written here, the two forms and the L3P edits on them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "ldraw/LDrawLibrary.h"
#include "ldraw/LDrawLine.h"
#include "ldraw/LDrawModel.h"
#include "model/Block.h"
#include "model/BlockList.h"
#include "output/LDrawExport.h"
#include "output/MappingList.h"
#include "output/PovConverter.h"
#include "output/PovFallback.h"
#include "output/PovRoutes.h"
#include "render/View.h"
#include "tests/output/TempFolder.h"

namespace {

std::size_t CountLines(const std::vector<std::string>& lines, const std::string& part) {
  return static_cast<std::size_t>(
      std::count_if(lines.begin(), lines.end(),
                    [&](const std::string& l) { return l.find(part) != std::string::npos; }));
}

std::size_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

std::string LineAfter(const std::vector<std::string>& lines, const std::string& line) {
  const std::size_t at = IndexOf(lines, line);
  return at + 1 < lines.size() ? lines[at + 1] : std::string();
}

}  // namespace

TEST(PovFallback, RecoversTheExportedPieceInEveryTurn) {
  // Offsets and extra turns of the record must be undone whatever way the
  // piece is turned; the diagonal matrices count as the turn below them.
  for (const char* record : {"B 2 4 3 1 16 7 -3 5 1 brikolotestbrick.DAT 0",
                             "B 2 4 3 0 16 -6 2 9 6 brikolotestbrick.DAT 0"}) {
    TMappingList mapping = TMappingList::FromLines({record});
    for (int turns = 0; turns < 4; ++turns) {
      auto piece = std::make_unique<TBlock>(3, -2, 1, 4, 2, 3, 0x0000FF, record[8] == '1', false,
                                            false, "brikolotestbrick");
      for (int t = 0; t < turns; ++t) piece->Turn();
      const TBlock& copy = *piece;
      TBlockList list;
      list.Add(std::move(piece));
      const LDrawExportResult out = ExportLDraw(list, mapping);
      ASSERT_EQ(out.lines.size(), 1u);
      LDrawLine line;
      std::string error;
      ASSERT_TRUE(ParseLDrawLine(out.lines[0], line, error)) << out.lines[0];
      const LDrawTransform& t = line.placement;
      const FallbackPiece p = PieceOfRecord(*FindRecordOfPart(mapping.Records(), line.file), t.x,
                                            t.y, t.z, t.m[0], t.m[2]);
      SCOPED_TRACE(std::string(record) + " turned " + std::to_string(turns));
      EXPECT_DOUBLE_EQ(p.centreX, copy.X + copy.SizeX / 2.0);
      EXPECT_DOUBLE_EQ(p.centreZ, -(copy.Y + copy.SizeY / 2.0));
      EXPECT_DOUBLE_EQ(p.topY, -(copy.Z + copy.SizeZ));
      EXPECT_EQ(p.sizeX, copy.SizeX);
      EXPECT_EQ(p.sizeZ, copy.SizeY);
      EXPECT_EQ(p.height, copy.SizeZ);
      EXPECT_EQ(p.studs, copy.HasStuds);
    }
  }
  const std::vector<TLDrawRecord> records =
      TMappingList::FromLines(
          {"B 0 4 3 1 16 0 0 0 0 brikolotestflat.DAT 0", "B 2 4 3 1 16 0 0 0 0 Brikolotest.DAT 0"})
          .Records();
  EXPECT_TRUE(PieceOfRecord(records[0], 0, 0, 0, 1, 0).Empty());
  EXPECT_EQ(FindRecordOfPart(records, "s\\BRIKOLOTEST.dat"), &records[1]);
  EXPECT_EQ(FindRecordOfPart(records, "brikolotest2.dat"), nullptr);
}

namespace {

// A library of two parts written for this test, a mapping list that knows
// a part the library lacks, and a model that uses them.
struct ConverterFixture {
  TempFolder folder;
  std::vector<TLDrawRecord> records =
      TMappingList::FromLines({"B 1 2 1 1 16 0 0 0 0 brikolotestplate.DAT 0"}).Records();

  ConverterFixture() {
    ::mkdir((folder / "parts").c_str(), 0755);
    ::mkdir((folder / "parts/s").c_str(), 0755);
    WriteBytes(folder / "parts/BrikoloTestPart.dat",
               "0 A part for the converter's tests\r\n0 !LDRAW_ORG Unofficial_Part\r\n"
               "3 16 0 0 0 20 0 0 0 0 20\r\n"
               "4 4 0 0 0 20 0 0 20 -8 0 0 -8 0\r\n"
               "3 16 1 0 1 2 0 2 3 0 3\r\n"  // no area: left out
               "1 16 0 -8 0 1 0 0 0 1 0 0 0 1 S\\brikolotestpart1.dat\r\n");
    WriteBytes(folder / "parts/s/brikolotestpart1.dat", "3 16 0 0 0 -20 0 0 0 0 -20\r\n");
    WriteBytes(folder / "LDConfig.ldr",
               "0 !COLOUR Test_Blue CODE 1 VALUE #102030 EDGE #000000\r\n");
  }
  LDrawModel Model(LDrawLibrary& library) {
    return ReadLDrawModelText("TEST.DAT",
                              "1 1 0 0 0 1 0 0 0 1 0 0 0 1 brikolotestpart.dat\r\n"
                              "1 36 40 -24 0 0 0 -1 0 1 0 1 0 0 BRIKOLOTESTPART.DAT\r\n"
                              "1 36 100 -8 20 0 0 -1 0 1 0 1 0 0 brikolotestplate.dat\r\n"
                              "1 4 0 0 0 1 0 0 0 1 0 0 0 1 brikolotestnowhere.dat\r\n",
                              "", library);
  }
};

}  // namespace

TEST(PovConverter, PartsFromTheLibraryOnceAndMappedPiecesAsBoxesWithStuds) {
  ConverterFixture f;
  LDrawLibrary library(f.folder.Path());
  const PovConversion c = ConvertLDrawModelToPov(f.Model(library), library, f.records,
                                                 PovSceneForm::Include, "TEST.DAT");
  EXPECT_EQ(c.fromLibrary, 2);
  EXPECT_EQ(c.asPieces, 1);
  EXPECT_EQ(c.leftOut, 1);
  EXPECT_EQ(CountLines(c.problems, "brikolotestnowhere.dat"), 1u);

  const std::vector<std::string>& l = c.lines;
  EXPECT_EQ(CountLines(l, "= mesh {"), 1u);
  EXPECT_EQ(CountLines(l, "  triangle {"), 4u);
  EXPECT_EQ(CountLines(l, "texture { Color4 } }"), 2u);  // the quad's halves
  // The library's colours: its LDConfig.ldr, and its see-through red.
  EXPECT_EQ(LineAfter(l, "#declare Color1 = texture {"),
            "pigment { srgb <0.0627451,0.12549,0.188235> }");
  EXPECT_EQ(LineAfter(l, "#declare Color36 = texture {").substr(0, 16), "pigment { srgbf ");
  EXPECT_EQ(CountLines(l, "object { BO_Part1 matrix"), 2u);
  // The plate, turned: 40 across z, with its two studs.
  const std::size_t piece = IndexOf(l, "#declare BO_Piece1 = union {");
  ASSERT_LT(piece + 4, l.size());
  EXPECT_EQ(l[piece + 1], "  box { <-10,0,-20>, <10,8,20> }");
  EXPECT_EQ(l[piece + 2], "  cylinder { <0,0,-10>, <0,-4,-10>, 6 }");
  EXPECT_EQ(l[piece + 4], "}");
  EXPECT_EQ(CountLines(l, "object { BO_Piece1 translate <100,-8,20> texture { Color36 } }"), 1u);
  // Lifted by the middle of the program's box: the plate and the parts'
  // bodies reach from 0 to 32 up.
  EXPECT_EQ(CountLines(l, "  translate <0,0,-0.8> // the middle down to the ground"), 1u);
  EXPECT_EQ(CountLines(l, "  translate <0, 0, 5*LG_BRICK_HEIGHT>"), 1u);
}

TEST(PovConverter, WithoutALibraryTheProgramsColoursAndTheSceneTheL3PRouteEdits) {
  ConverterFixture f;
  LDrawLibrary none;
  const PovConversion c =
      ConvertLDrawModelToPov(f.Model(none), none, f.records, PovSceneForm::Scene, "TEST.DAT");
  EXPECT_EQ(c.fromLibrary, 0);
  EXPECT_EQ(c.asPieces, 1);
  EXPECT_EQ(c.leftOut, 3);
  const std::vector<std::string>& l = c.lines;
  // The program's colours: 36 is its red made clear.
  EXPECT_EQ(LineAfter(l, "#declare Color36 = texture {"), "pigment { srgbf <0.8,0,0,0.85> }");

  TView view;
  view.SetAngles(90, 0);
  const std::vector<std::string> edited = EditL3PScene(l, view, 0xFFFFFF);
  const std::size_t camera = IndexOf(edited, "camera {");
  ASSERT_LT(camera + 7, edited.size());
  EXPECT_EQ(std::vector<std::string>(edited.begin() + camera, edited.begin() + camera + 9),
            (std::vector<std::string>{
                "camera {", "    #declare PCT = 300 // Percentage further away", "    ;",
                "    location <-0,4.37114e-05,-1000>", "    sky <0,-1,0.0001>",
                "    right -x*image_width/image_height // LDraw turns the "
                "other way round",
                "    look_at <0,0,0>", "    angle 25", "}"}));
  EXPECT_EQ(LineAfter(edited, "// Background:"), "background { color rgb <1,1,1>}");
}

TEST(PovConverter, IncludeFilesAreCopiedOnlyWhenMissing) {
  TempFolder from, to;
  WriteBytes(from / "lg_color.inc", "ours");
  WriteBytes(from / "lg_defs.inc", "ours");
  WriteBytes(to / "lg_defs.inc", "the user's");
  EXPECT_TRUE(InstallPovIncludeFiles(from.Path(), to.Path()).empty());
  EXPECT_EQ(ReadFileBytes(to / "lg_color.inc"), "ours");
  EXPECT_EQ(ReadFileBytes(to / "lg_defs.inc"), "the user's");
  std::remove((to / "lg_color.inc").c_str());
  std::remove((from / "lg_color.inc").c_str());
  EXPECT_EQ(InstallPovIncludeFiles(from.Path(), to.Path()).size(), 1u);
}
