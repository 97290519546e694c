#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/Error.h"
#include "platform/TextFile.h"
#include "render/RenderContext.h"
#include "shapes/DrawClass.h"
#include "shapes/GeneralBlock.h"
#include "shapes/PartFile.h"
#include "shapes/ShapeCache.h"
#include "tests/shapes/ShapeFixtures.h"
#include "tests/support/RecordingCanvas.h"
#include "workspace/ModelFile.h"

using Kind = RecordingCanvas::Kind;

namespace {

// A parts folder of its own with one file holding a 2 x 4 shape.
class GeneralPiece : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/brikolo-shapes-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder = std::string(name) + "/";
    WriteTextLines(
        folder + "mine.dat",
        {"[long]", "NP=2", "BB=40,80,24", "LD=3", "P1=4, 1, 0,0,24, 40,0,24, 40,80,24, 0,80,24",
         "P2=4, 1, 0,0,0, 40,0,0, 40,80,0, 0,80,0", "Q1=2 ,2,1", "Q2=2 ,2,1", "Q3=2 ,2,1",
         "Q4=2 ,2,1", "Q5=2 ,1,2", "Q6=2 ,1,2", "Q7=2 ,1,2", "Q8=2 ,1,2", "TS=1,2, 10,10, 30,70",
         "BS=2,1, 20,20", "RO=1,0, 0,0, 0,0, 0,0"});
    cache = std::make_unique<TShapeCache>(folder);
    rc.view.ViewScale = 2;
    rc.view.ViewCenterX = 400;
    rc.view.ViewCenterY = 300;
  }
  void TearDown() override { std::system(("rm -rf " + folder).c_str()); }

  std::string folder;
  std::unique_ptr<TShapeCache> cache;
  RenderContext rc;
  RecordingCanvas canvas;
};

}  // namespace

TEST_F(GeneralPiece, LoadShapeTakesTheTurnedBoxAndTheVariant) {
  TGeneralBlock piece;
  piece.Direction = 1;
  piece.LoadShape(*cache, "mine.dat", "long");
  EXPECT_EQ(piece.SizeX, 80);
  EXPECT_EQ(piece.SizeY, 40);
  EXPECT_EQ(piece.SizeZ, 24);
  EXPECT_EQ(piece.BlockType, 'G');
  EXPECT_EQ(piece.Variant, 3);
  EXPECT_EQ(piece.ShapeFileName(), "mine.dat");
  EXPECT_EQ(piece.ShapeSectionName(), "long");
  // Clones share the shape.
  EXPECT_EQ(piece.Clone()->Shape, piece.GetShape());
}

TEST_F(GeneralPiece, FailedLoadLeavesThePieceUnboundAndSilent) {
  TGeneralBlock piece(1, 1, 0, 2, 2, 3, 0xFFFFFF, true, false, false, "x");
  try {
    piece.LoadShape(*cache, "mine.dat", "absent");
    FAIL();
  } catch (const BrikoloError& e) {
    EXPECT_STREQ(e.what(), "Could not find part absent in file mine.dat");
  }
  EXPECT_THROW(piece.LoadShape(*cache, "none.dat", "long"), FileError);
  EXPECT_EQ(piece.GetShape(), nullptr);
  EXPECT_EQ(piece.SizeX, 40);
  EXPECT_EQ(piece.ShapeFileName(), "");
  EXPECT_EQ(TBlock().ShapeSectionName(), "");
  TGeneralBlock unbound;
  unbound.Draw(canvas, rc);
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(GeneralPiece, TurnShiftsBeforeTurning) {
  TGeneralBlock piece;
  piece.LoadShape(*cache, "mine.dat", "long");
  piece.X = 100;
  piece.Turn();
  EXPECT_EQ(piece.X, 120);
  EXPECT_EQ(piece.Direction, 1);
  EXPECT_EQ(piece.SizeX, 80);
  EXPECT_EQ(piece.SizeY, 40);
  piece.Turn();  // no shift for direction 1
  EXPECT_EQ(piece.X, 120);
  EXPECT_EQ(piece.Y, 0);
  EXPECT_EQ(piece.Direction, 2);
}

TEST_F(GeneralPiece, StudsFromAboveTubesFromBelowUnlessCovered) {
  TGeneralBlock piece;
  piece.HasStuds = true;
  piece.LoadShape(*cache, "mine.dat", "long");
  piece.Draw(canvas, rc);
  EXPECT_EQ(canvas.Count(Kind::Polyline), 2);  // two fast studs
  // The canvas is left as every piece leaves it.
  EXPECT_EQ(canvas.brushColor(), 0xC0C0C0u);
  EXPECT_EQ(canvas.penColor(), rc.switches.BlackSwatch);

  canvas.Clear();
  piece.TopCover = static_cast<std::int32_t>(piece.Area());
  piece.Draw(canvas, rc);
  EXPECT_EQ(canvas.Count(Kind::Polyline), 0);

  canvas.Clear();
  rc.view.SetAngles(150, 10);
  piece.Draw(canvas, rc);
  EXPECT_EQ(canvas.Count(Kind::Polyline), 1);  // one tube

  canvas.Clear();
  rc.switches.StudsHidden = true;
  piece.Draw(canvas, rc);
  EXPECT_EQ(canvas.Count(Kind::Polyline), 0);
}

TEST_F(GeneralPiece, ModelLinesBindShapesAndSkipUnknownOnes) {
  WriteTextLines(folder + "parts.dat", {"[stdblock]", "NP=0", "BB=40,40,24"});
  const std::vector<std::string> lines = {
      "= 70 30 10 0 0 1 1",
      "G 0 0 0 1 1 1 204 1 0 1 0 mine.dat long 0 p1 0",
      "G 0 0 0 1 1 1 204 1 0 0 0 mine.dat nope 0 p2 0",
      "G 20 0 0 1 1 1 204 1 0 0 0",
      "B 0 0 0 20 20 24 204 1 0 0 0 0 3005 0",
  };
  const ModelReadResult result = ReadModelLines(lines, *cache);
  ASSERT_EQ(result.pieces.size(), 3u);
  EXPECT_EQ(result.pieces[0]->SizeX, 80);  // the shape's box, turned
  EXPECT_EQ(result.pieces[0]->ShapeSectionName(), "long");
  EXPECT_EQ(result.pieces[1]->ShapeFileName(), "parts.dat");
  EXPECT_EQ(result.pieces[1]->ShapeSectionName(), "stdblock");
  ASSERT_EQ(result.errors.size(), 1u);
  EXPECT_EQ(result.errors[0].lineNumber, 3);
  EXPECT_EQ(result.errors[0].message, "Could not find part nope in file mine.dat");
  EXPECT_EQ(FormatPieceLine(*result.pieces[0]),
            "G 0 0 0 80 40 24 204 1 0 1 0 mine.dat long 0 p1 0");
}

TEST_F(GeneralPiece, CacheSharesOneShapePerFileAndSection) {
  TDrawClass* a = cache->FindShape("mine.dat", "long");
  EXPECT_EQ(cache->FindShape("MINE.DAT", "Long"), a);
  EXPECT_EQ(cache->Count(), 1);
  EXPECT_THROW(cache->FindShape("mine.dat", "short"), BrikoloError);
  EXPECT_EQ(cache->Count(), 1);  // nothing enters on failure
  // Files written elsewhere spell names freely; the parts folder is searched without case.
  TShapeCache fresh(folder);
  EXPECT_EQ(fresh.FindShape("MINE.Dat", "LONG")->BoxY, 80);

  auto made = BrickShape();
  made->FileName = "Mine.dat";
  made->SectionName = "LONG";
  EXPECT_FALSE(cache->RegisterShape(made));
  ASSERT_NE(made, nullptr);  // still the caller's
  made->SectionName = "new";
  TDrawClass* registered = made.get();
  EXPECT_TRUE(cache->RegisterShape(made));
  EXPECT_EQ(made, nullptr);
  EXPECT_EQ(cache->FindShape("mine.dat", "NEW"), registered);
}

TEST_F(GeneralPiece, SaveAllShapesWritesOnlyChangedShapesIntoTheirFiles) {
  WriteTextLines(folder + "mine.dat",
                 {"[keep]", "NP=0", "", "[long]", "NP=0", "BB=1,2,3", "", "[tail]", "NP=0"});
  const std::string lookedAt = "[a]\r\nNP=0\r\nbb = 1, 2,3\r\n\r\n\r\n";
  WriteFileAtomically(folder + "library.dat", lookedAt);
  cache->FindShape("library.dat", "a");
  TDrawClass* shape = cache->FindShape("mine.dat", "long");
  shape->BoxZ = 48;
  cache->MarkChanged(*shape);
  TDrawClass stranger;  // not the cache's: marking it changes nothing
  stranger.FileName = "library.dat";
  stranger.SectionName = "a";
  cache->MarkChanged(stranger);
  auto made = BrickShape();
  made->FileName = "MINE.dat";
  made->SectionName = "brick";
  ASSERT_TRUE(cache->RegisterShape(made));
  auto other = BrickShape();
  other->FileName = "fresh.dat";
  ASSERT_TRUE(cache->RegisterShape(other));
  cache->SaveAllShapes();

  EXPECT_EQ(ReadFileBytes(folder + "library.dat"), lookedAt);  // only looked at
  const auto mine = ReadTextLines(folder + "mine.dat");
  const std::vector<std::string> head = {"[keep]", "NP=0", "", "", "[tail]", "NP=0", "[brick]"};
  ASSERT_GT(mine.size(), head.size());
  EXPECT_EQ(std::vector<std::string>(mine.begin(), mine.begin() + 7), head);
  EXPECT_NE(std::find(mine.begin(), mine.end(), "[long]"), mine.end());
  EXPECT_NE(std::find(mine.begin(), mine.end(), "BB=1,2,48"), mine.end());
  const auto fresh = ReadTextLines(folder + "fresh.dat");
  EXPECT_EQ(fresh.front(), "[brick]");
  // What was written reads back as what was cached.
  EXPECT_EQ(ShapeDifference(*ParseShape(mine, "mine.dat", "long"), *shape), "");

  // Once written, a shape is not written again until it changes once more.
  EXPECT_FALSE(cache->IsChanged(*shape));
  WriteTextLines(folder + "mine.dat", {"[long]", "NP=0"});
  cache->SaveAllShapes();
  EXPECT_EQ(ReadTextLines(folder + "mine.dat").size(), 2u);
}

TEST_F(GeneralPiece, SaveAllShapesLeavesAFileItCannotReadAlone) {
  ASSERT_EQ(std::system(("mkdir " + folder + "odd.dat").c_str()), 0);  // exists, cannot be read
  auto odd = BrickShape();
  odd->FileName = "odd.dat";
  ASSERT_TRUE(cache->RegisterShape(odd));
  auto other = BrickShape();
  other->FileName = "other.dat";
  ASSERT_TRUE(cache->RegisterShape(other));
  EXPECT_THROW(cache->SaveAllShapes(), FileError);
  EXPECT_FALSE(FileExists(folder + "odd.dat"));
  EXPECT_EQ(ReadTextLines(folder + "other.dat").front(), "[brick]");  // the others are saved
  // The shape that could not be written is still to be written; the others are done.
  ASSERT_EQ(std::system(("rmdir " + folder + "odd.dat").c_str()), 0);
  std::remove((folder + "other.dat").c_str());
  cache->SaveAllShapes();
  EXPECT_TRUE(FileExists(folder + "odd.dat"));
  EXPECT_FALSE(FileExists(folder + "other.dat"));
}

TEST_F(GeneralPiece, AUsersFolderBeforeTheShippedOneGetsOnlyWhatChanged) {
  const std::string user = folder + "user/";
  ASSERT_EQ(std::system(("mkdir " + user).c_str()), 0);
  const std::string shipped = ReadFileBytes(folder + "mine.dat");
  const std::vector<std::string> folders = {user, folder};
  // Files and bitmaps: the user's own first, then the shipped ones, new ones in the user's.
  WriteTextLines(user + "Pic.bmp", {});
  WriteTextLines(folder + "pic.bmp", {});
  WriteTextLines(folder + "old.bmp", {});
  EXPECT_EQ(FindPartFile(folders, "pic.bmp"), user + "Pic.bmp");
  EXPECT_EQ(FindPartFile(folders, "old.bmp"), folder + "old.bmp");
  EXPECT_EQ(FindPartFile(folders, "new.dat"), user + "new.dat");

  {
    TShapeCache two(folders);
    EXPECT_EQ(two.FindShape("mine.dat", "long")->BoxZ, 24);
    auto made = BrickShape();
    made->FileName = "userblks.dat";
    ASSERT_TRUE(two.RegisterShape(made));
    two.SaveAllShapes();  // a shape only looked at is not copied out of the install
    EXPECT_FALSE(FileExists(user + "mine.dat"));
    EXPECT_EQ(ReadTextLines(user + "userblks.dat").front(), "[brick]");

    TDrawClass* shape = two.FindShape("mine.dat", "long");
    shape->BoxZ = 48;
    two.MarkChanged(*shape);
    two.SaveAllShapes();
  }
  EXPECT_EQ(ReadFileBytes(folder + "mine.dat"), shipped);
  TShapeCache again(folders);
  EXPECT_EQ(again.FindShape("mine.dat", "long")->BoxZ, 48);
  EXPECT_EQ(again.FindShape("mine.dat", "long")->PartsFolders, folders);
}
