#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "model/Document.h"
#include "platform/Pointer.h"
#include "render/Carrying.h"
#include "render/KeyTable.h"
#include "render/LandingGuide.h"
#include "render/Scene.h"
#include "render/ViewControls.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/TestPieces.h"

namespace {

struct RecordingPointer : PointerControl {
  std::vector<TPoint> moves;
  bool hidden = false;
  void SetHidden(bool h) override { hidden = h; }
  void MoveTo(TPoint p) override { moves.push_back(p); }
};

// A model on the default baseplate, seen in the standard view, with the
// carried state wired to recording hooks.
struct CarryFixture {
  TDocument doc;
  RenderContext rc;
  TScene scene{doc, rc};
  TCarrying carry{doc, scene};
  RecordingPointer pointer;
  ViewPositions bars;
  std::vector<ViewPositions> viewsSet;

  explicit CarryFixture(int rotX = 70, int rotZ = 30) {
    scene.Resize(400, 300, 0, 0);
    SetView(rotX, rotZ);
    carry.Pointer = &pointer;
    carry.ViewBars = [this] { return bars; };
    carry.SetView = [this](int x, int z) {
      bars.RotX = x;
      bars.RotZ = z;
      viewsSet.push_back(bars);
    };
  }

  void SetView(int rotX, int rotZ) {
    bars.RotX = rotX;
    bars.RotZ = rotZ;
    ApplyViewPositions(rc.view, bars, 400, 300);
    scene.RedrawPicture();
  }

  // A box in model units.
  TBlock* Add(int x, int y, int z, int sx, int sy, int sz, int group = 0) {
    std::unique_ptr<TBlock> b = Box(x, y, z, sx, sy, sz, 0x00FF00);
    b->HasStuds = true;
    b->PartName = "3003";
    b->Group = group;
    TBlock* raw = b.get();
    doc.ModelList.AddSorted(std::move(b), rc.view.ViewOctant);
    return raw;
  }

  std::unique_ptr<TBlock> Brick2x2() {
    return std::make_unique<TBlock>(0, 0, 0, 2, 2, 3, 0xFF0000, true, false, false, "3003");
  }

  // The screen point of the middle of a piece's top.
  TPoint TopOf(const TBlock& b) const {
    return rc.view.ProjectPoint(b.X + b.SizeX / 2, b.Y + b.SizeY / 2, static_cast<int>(b.Top()));
  }
  TPoint Ground(int x, int y) const { return rc.view.ProjectPoint(x, y, 0); }

  void Press(TPoint p, MouseState s) { carry.MouseDown(p.x, p.y, s); }
  static MouseState Left(bool shift = false, bool ctrl = false, bool alt = false) {
    return MouseState{shift, ctrl, alt, true, false};
  }
  static MouseState Right(bool shift = false, bool ctrl = false, bool alt = false) {
    return MouseState{shift, ctrl, alt, false, true};
  }
  int Count() const { return doc.ModelList.Count(); }
  int Steps() const { return doc.History.UndoCount(); }
};

}  // namespace

TEST(Carrying, GridSnapsTheCornerDownToTheCellUnderTheMouse) {
  CarryFixture f(0, 0);  // straight down: screen x follows model x, screen y model y
  f.carry.StartPlacement(f.Brick2x2());
  const int cx = f.rc.view.ViewCenterX, cy = f.rc.view.ViewCenterY;
  f.carry.PositionCarried(cx - 5, cy + 35);
  EXPECT_EQ(f.carry.CarriedPiece->X, -20);
  EXPECT_EQ(f.carry.CarriedPiece->Y, 20);
  f.carry.PositionCarried(cx + 35, cy - 5);
  EXPECT_EQ(f.carry.CarriedPiece->X, 20);
  EXPECT_EQ(f.carry.CarriedPiece->Y, -20);

  f.carry.Grid = PositioningGrid::Half;
  f.carry.PositionCarried(cx - 5, cy + 35);
  EXPECT_EQ(f.carry.CarriedPiece->X, -10);
  EXPECT_EQ(f.carry.CarriedPiece->Y, 30);
  f.carry.Grid = PositioningGrid::Fine;
  f.carry.PositionCarried(cx - 5, cy + 35);
  EXPECT_EQ(f.carry.CarriedPiece->X, -5);
  EXPECT_EQ(f.carry.CarriedPiece->Y, 35);
}

TEST(Carrying, TheMouseFindsTheGroundPointInTurnedAndTiltedViews) {
  // Among them a spin of 90 degrees, where the projection's first entry is zero,
  // and a view from below.
  const int views[][2] = {{70, 30}, {60, 90}, {45, 200}, {20, 315}, {130, 120}};
  for (const auto& v : views) {
    CarryFixture f(v[0], v[1]);
    f.rc.view.ViewScale = 3;
    f.carry.StartPlacement(f.Brick2x2());
    const TPoint p = f.Ground(50, -70);  // the middle of the cell (40, -80)
    f.carry.PositionCarried(p.x, p.y);
    EXPECT_EQ(f.carry.CarriedPiece->X, 40) << v[0] << "," << v[1];
    EXPECT_EQ(f.carry.CarriedPiece->Y, -80) << v[0] << "," << v[1];
    EXPECT_FALSE(f.carry.PositionCarried(p.x, p.y));  // no move, nothing to redraw
  }
}

TEST(Carrying, SafePositioningStandsThePieceOnTheHighestTopUnderIt) {
  CarryFixture f;
  f.Add(0, 0, 0, 40, 40, 24);
  f.Add(20, 20, 24, 20, 20, 24);  // the stack's top at 48 over one corner only
  f.carry.StartPlacement(f.Brick2x2());
  const TPoint over = f.Ground(30, 30);
  f.carry.PositionCarried(over.x, over.y);
  EXPECT_EQ(f.carry.CarriedPiece->Z, 48);
  const TPoint beside = f.Ground(-90, 50);
  f.carry.PositionCarried(beside.x, beside.y);
  EXPECT_EQ(f.carry.CarriedPiece->Z, 0);  // the baseplate's top

  // Without it the height stays, only rounded toward zero to the grid.
  f.carry.SafePositioning = false;
  f.carry.CarriedPiece->Z = 13;
  f.carry.PositionCarried(over.x, over.y);
  EXPECT_EQ(f.carry.CarriedPiece->Z, 8);
  f.carry.CarriedPiece->Z = -13;
  f.carry.PositionCarried(beside.x, beside.y);
  EXPECT_EQ(f.carry.CarriedPiece->Z, -8);
}

TEST(Carrying, SideViewsMoveThePieceAcrossAndUp) {
  CarryFixture f(90, 0);
  f.carry.SetCarried(f.Brick2x2());
  f.rc.view.ViewScale = 2;
  const int cx = f.rc.view.ViewCenterX, cy = f.rc.view.ViewCenterY;
  f.carry.SafePositioning = false;
  f.carry.CarriedPiece->Y = 7;
  f.carry.PositionCarried(cx + 23, cy - 31);
  EXPECT_EQ(f.carry.CarriedPiece->X, 12);  // 11.5 rounds to even
  EXPECT_EQ(f.carry.CarriedPiece->Y, 7);   // the depth is left alone
  EXPECT_EQ(f.carry.CarriedPiece->Z, 16);  // 15.5 rounds to even

  f.carry.SafePositioning = true;
  f.carry.PositionCarried(cx + 23, cy - 31);
  EXPECT_EQ(f.carry.CarriedPiece->X, 0);
  EXPECT_EQ(f.carry.CarriedPiece->Y, 0);
  EXPECT_EQ(f.carry.CarriedPiece->Z, 0);

  // Seen from the back the mouse runs against x.
  f.SetView(90, 180);
  f.carry.SafePositioning = false;
  f.carry.PositionCarried(f.rc.view.ViewCenterX + 40, cy);
  EXPECT_EQ(f.carry.CarriedPiece->X, -40);
  // Palette pieces cannot be started from a side view.
  EXPECT_FALSE(f.carry.StartPlacement(f.Brick2x2()));
}

TEST(Carrying, PutDownIsRefusedAboveTheCutOffAndRepeatsWithCopies) {
  CarryFixture f;
  f.doc.ZCutLevel = 24;
  f.carry.StartPlacement(f.Brick2x2());
  f.carry.CarriedPiece->Z = 8;
  f.carry.SafePositioning = false;
  EXPECT_FALSE(f.carry.PutDown());
  EXPECT_TRUE(f.carry.Carrying());
  EXPECT_EQ(f.Count(), 1);
  EXPECT_EQ(f.Steps(), 0);

  f.carry.CarriedPiece->Z = 0;
  TBlock* first = f.carry.CarriedPiece.get();
  EXPECT_TRUE(f.carry.PutDown());
  EXPECT_EQ(f.Count(), 2);
  EXPECT_EQ(f.doc.ModelList.IndexOf(first) >= 0, true);  // the piece itself went in
  ASSERT_TRUE(f.carry.Carrying());                       // and a copy floats on
  EXPECT_NE(f.carry.CarriedPiece.get(), first);
  EXPECT_EQ(f.carry.CarriedPiece->Color, 0xFF0000u);
  EXPECT_EQ(f.Steps(), 1);
}

TEST(Carrying, ClicksSelectRecolourTurnAndToggleStudsButNeverSelectTheBaseplate) {
  CarryFixture f;
  TBlock* base = f.doc.ModelList[0];
  TBlock* a = f.Add(-100, -40, 0, 40, 40, 24, 3);
  TBlock* b = f.Add(60, 0, 0, 40, 40, 24, 3);
  TBlock* loose = f.Add(-40, 40, 0, 20, 40, 8);
  int changes = 0;
  f.carry.SelectionChanged = [&] { ++changes; };

  f.Press(f.TopOf(*a), CarryFixture::Left());
  EXPECT_TRUE(a->Selected && b->Selected);  // the whole group
  f.Press(f.TopOf(*b), CarryFixture::Left(false, true));
  EXPECT_TRUE(a->Selected);  // Ctrl: this piece only
  EXPECT_FALSE(b->Selected);
  f.Press(f.TopOf(*b), CarryFixture::Left());
  EXPECT_TRUE(a->Selected && b->Selected);  // the group follows the clicked piece
  f.Press(f.TopOf(*loose), CarryFixture::Left());
  EXPECT_TRUE(loose->Selected);
  f.Press(f.Ground(-150, -70), CarryFixture::Left());
  EXPECT_FALSE(base->Selected);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(f.Steps(), 0);

  f.carry.CurrentColor = 0x123456;
  f.carry.TransparentPieces = true;
  f.Press(f.Ground(-150, -70), CarryFixture::Right());
  EXPECT_EQ(base->Color, 0x123456u);
  EXPECT_TRUE(base->Transparent);
  f.Press(f.TopOf(*loose), CarryFixture::Right(false, false, true));
  EXPECT_FALSE(loose->HasStuds);
  EXPECT_EQ(loose->Color, 0x00FF00u);
  f.Press(f.TopOf(*loose), CarryFixture::Right(false, true));
  EXPECT_EQ(loose->SizeX, 40);
  EXPECT_EQ(loose->SizeY, 20);
  EXPECT_EQ(f.Steps(), 3);

  const int before = f.Count();
  f.carry.PointerMode();
  f.Press(f.Ground(300, 300), CarryFixture::Left());       // empty space
  f.Press(f.Ground(-150, -70), CarryFixture::Left(true));  // Shift on the baseplate
  EXPECT_FALSE(f.carry.Carrying());
  EXPECT_EQ(f.Count(), before);
}

TEST(Carrying, MovingASelectionCarriesItOnceAndPutsItBack) {
  CarryFixture f;
  TBlock* a = f.Add(-100, -40, 0, 40, 40, 30);
  TBlock* b = f.Add(60, 0, 0, 20, 20, 8);
  f.Add(0, 40, 0, 20, 20, 24);
  a->Selected = b->Selected = true;
  f.Press(f.TopOf(*a), CarryFixture::Left(true));
  ASSERT_TRUE(f.carry.CarryingSet);
  EXPECT_EQ(f.carry.CarryList->Count(), 2);
  EXPECT_EQ(f.Count(), 2);  // baseplate and the unselected piece
  EXPECT_TRUE(f.carry.OneShot);
  EXPECT_EQ(f.Steps(), 1);
  EXPECT_EQ(f.carry.CarriedPiece->SizeX, 180);  // the bounding box
  EXPECT_EQ(f.carry.CarriedPiece->SizeZ, 30);   // exactly, not rounded to plates
  ASSERT_FALSE(f.pointer.moves.empty());
  EXPECT_EQ(f.pointer.moves.back(), f.rc.view.ProjectPoint(-100, -40, 0));

  f.carry.SafePositioning = false;
  f.carry.CarriedPiece->X = -80;
  f.carry.CarriedPiece->Y = -60;
  f.doc.ZCutLevel = 28;
  EXPECT_FALSE(f.carry.PutDown());  // the set's top is at 30
  f.doc.ZCutLevel = TDocument::kInitialZCutLevel;
  EXPECT_TRUE(f.carry.PutDown());
  EXPECT_FALSE(f.carry.Carrying());
  EXPECT_EQ(f.carry.CarryList, nullptr);
  EXPECT_FALSE(f.pointer.hidden);
  ASSERT_EQ(f.Count(), 4);
  int found = 0;
  for (int i = 0; i < f.Count(); ++i) {
    const TBlock* p = f.doc.ModelList[i];
    if (p->X == -80 && p->Y == -60 && p->SizeX == 40) ++found;
    if (p->X == 80 && p->Y == -20 && p->SizeX == 20) ++found;
    EXPECT_FALSE(p->Selected);
  }
  EXPECT_EQ(found, 2);
}

TEST(Carrying, CopyingASelectionLeavesTheSourcesAndMakesANewGroupPerPutDown) {
  CarryFixture f;
  TBlock* a = f.Add(-100, -40, 0, 40, 40, 24, 0);
  TBlock* b = f.Add(60, 0, 0, 20, 20, 8, 0);
  a->Selected = b->Selected = true;
  f.doc.GroupCounter = 4;
  f.Press(f.TopOf(*b), CarryFixture::Left(true, false, true));
  ASSERT_TRUE(f.carry.CarryingSet);
  EXPECT_FALSE(f.carry.OneShot);
  EXPECT_EQ(f.Count(), 3);
  EXPECT_FALSE(a->Selected || b->Selected);
  EXPECT_EQ(f.Steps(), 0);  // nothing of the model changed yet

  std::vector<int> groups;
  f.carry.SafePositioning = false;
  for (int x : {-140, 40}) {
    f.carry.CarriedPiece->X = x;
    ASSERT_TRUE(f.carry.PutDown());
    ASSERT_TRUE(f.carry.Carrying());
  }
  for (int i = 0; i < f.Count(); ++i) groups.push_back(f.doc.ModelList[i]->Group);
  EXPECT_EQ(f.Count(), 7);
  EXPECT_EQ(std::count(groups.begin(), groups.end(), 5), 2);  // the first copies
  const auto later = std::find_if(groups.begin(), groups.end(), [](int g) { return g > 5; });
  ASSERT_NE(later, groups.end());
  EXPECT_EQ(std::count(groups.begin(), groups.end(), *later), 2);
  // A group handed out later by the counter can never join these copies.
  EXPECT_LE(*later, f.doc.GroupCounter);

  // Alt with nothing selected carries nothing.
  f.carry.PointerMode();
  f.Press(f.TopOf(*a), CarryFixture::Left(true, false, true));
  EXPECT_FALSE(f.carry.Carrying());
  EXPECT_EQ(f.carry.CarryList, nullptr);
}

TEST(Carrying, AGroupPickedUpAndDroppedByPointerModeLeavesTheModel) {
  CarryFixture f;
  TBlock* a = f.Add(-100, -40, 0, 40, 40, 24, 7);
  f.Add(60, 0, 0, 20, 20, 8, 7)->Step = 4;
  TBlock* loose = f.Add(0, 40, 0, 20, 20, 24);
  f.Press(f.TopOf(*a), CarryFixture::Left(true));
  ASSERT_TRUE(f.carry.CarryingSet);
  EXPECT_EQ(f.carry.CarryList->Count(), 2);
  EXPECT_EQ(f.carry.CarryList->StepLimit, 4);  // every carried piece is drawn
  EXPECT_TRUE(f.carry.OneShot);
  f.carry.PointerMode();
  EXPECT_FALSE(f.carry.Carrying());
  EXPECT_FALSE(f.carry.CarryingSet);
  ASSERT_EQ(f.Count(), 2);
  EXPECT_EQ(f.doc.ModelList[1], loose);
  EXPECT_EQ(f.Steps(), 1);  // the loss can be undone, and must be saved or asked about
  EXPECT_TRUE(f.doc.History.Modified());

  // A loose piece is carried alone, its step kept.
  loose->Step = 3;
  f.Press(f.TopOf(*loose), CarryFixture::Left(true));
  ASSERT_TRUE(f.carry.Carrying());
  EXPECT_FALSE(f.carry.CarryingSet);
  EXPECT_EQ(f.carry.CarriedPiece->X, 0);
  EXPECT_EQ(f.carry.CarriedPiece->Step, 3);
  EXPECT_EQ(f.pointer.moves.back(), f.rc.view.ProjectPoint(0, 40, 0));
}

TEST(Carrying, TurningASetTurnsEachPieceAboutTheOrigin) {
  CarryFixture f;
  TBlock* a = f.Add(0, 0, 0, 40, 20, 24, 2);
  f.Add(40, 0, 0, 20, 20, 8, 2);
  f.Press(f.TopOf(*a), CarryFixture::Left(true));
  ASSERT_TRUE(f.carry.CarryingSet);
  f.carry.TurnCarried();
  const TBlockList& set = *f.carry.CarryList;
  std::vector<std::array<int, 4>> boxes;
  for (int i = 0; i < set.Count(); ++i)
    boxes.push_back({set[i]->X, set[i]->Y, set[i]->SizeX, set[i]->SizeY});
  std::sort(boxes.begin(), boxes.end());
  // (X, Y) became (Y, -X - SizeX); the set is then drawn from the carried corner again.
  EXPECT_EQ(boxes[0], (std::array<int, 4>{0, 0, 20, 20}));
  EXPECT_EQ(boxes[1], (std::array<int, 4>{0, 20, 20, 40}));
  EXPECT_EQ(f.carry.CarriedPiece->SizeX, 20);
  EXPECT_EQ(f.carry.CarriedPiece->SizeY, 60);
  EXPECT_EQ(f.Steps(), 1);  // only the pick-up; turning what is carried changes no model piece
}

TEST(Carrying, DraggingWithShiftAndTheRightButtonTurnsTheViewAndWraps) {
  CarryFixture f;
  f.bars.RotX = 70;
  f.bars.RotZ = 355;
  MouseState drag = CarryFixture::Right(true);
  f.Press({100, 100}, drag);
  f.carry.MouseMove(104, 96, drag);  // within the dead zone
  EXPECT_TRUE(f.viewsSet.empty());
  f.carry.MouseMove(110, 90, drag);
  ASSERT_EQ(f.viewsSet.size(), 1u);
  EXPECT_EQ(f.viewsSet[0].RotZ, 0);  // past 360 it starts again
  EXPECT_EQ(f.viewsSet[0].RotX, 80);
  f.carry.MouseMove(90, 400, drag);
  EXPECT_EQ(f.viewsSet[1].RotZ, 360);  // below 0 it wraps to the top
  EXPECT_EQ(f.viewsSet[1].RotX, 0);
  f.carry.MouseMove(200, 400, MouseState{});  // no button: nothing
  EXPECT_EQ(f.viewsSet.size(), 2u);
}

namespace {

KeyAction CarryKey(KeyName key, bool shift = false) {
  KeyPress k;
  k.key = key;
  k.shift = shift;
  return KeyTable(k, true);
}

}  // namespace

TEST(CarryingKeys, ArrowsAndPageKeysMoveByTheOwnSizeOrWithShiftByTheGrid) {
  CarryFixture f;
  f.carry.SafePositioning = false;
  // A 2-by-4 brick three plates high: 40 long, 80 wide, 24 high.
  f.carry.StartPlacement(std::make_unique<TBlock>(0, 0, 0, 2, 4, 3, 0, true, false, false, ""));
  TBlock& p = *f.carry.CarriedPiece;
  struct Step {
    KeyName key;
    bool shift;
    PositioningGrid grid;
    int x, y, z;
  } steps[] = {
      {KeyName::Right, false, PositioningGrid::Normal, 40, 0, 0},
      {KeyName::Right, true, PositioningGrid::Half, 50, 0, 0},
      {KeyName::Left, true, PositioningGrid::Normal, 30, 0, 0},
      {KeyName::Down, false, PositioningGrid::Normal, 30, 80, 0},
      {KeyName::Up, true, PositioningGrid::Fine, 30, 79, 0},
      {KeyName::PageDown, false, PositioningGrid::Normal, 30, 79, 0},  // already at 0
      {KeyName::PageUp, false, PositioningGrid::Normal, 30, 79, 24},
      {KeyName::PageUp, true, PositioningGrid::Half, 30, 79, 28},
      {KeyName::PageDown, true, PositioningGrid::Normal, 30, 79, 20},
      {KeyName::PageDown, false, PositioningGrid::Normal, 30, 79, -4},
      {KeyName::PageDown, false, PositioningGrid::Normal, 30, 79, -4},
  };
  for (const Step& s : steps) {
    f.carry.Grid = s.grid;
    f.pointer.moves.clear();
    f.carry.CarriedKey(CarryKey(s.key, s.shift));
    EXPECT_EQ(p.X, s.x) << static_cast<int>(s.key);
    EXPECT_EQ(p.Y, s.y) << static_cast<int>(s.key);
    EXPECT_EQ(p.Z, s.z) << static_cast<int>(s.key);
    // The pointer goes to the corner on the ground, where the next mouse move finds it.
    ASSERT_EQ(f.pointer.moves.size(), 1u);
    EXPECT_EQ(f.pointer.moves[0], f.Ground(p.X, p.Y));
  }
  EXPECT_EQ(f.Count(), 1);
}

TEST(CarryingKeys, SafePositioningRestsTheMovedPieceOnWhatLiesUnderIt) {
  CarryFixture f;
  f.Add(40, 0, 0, 40, 40, 24);
  f.carry.StartPlacement(f.Brick2x2());
  f.carry.CarriedKey(CarryKey(KeyName::PageUp));
  EXPECT_EQ(f.carry.CarriedPiece->Z, 0);  // raised, then back on the baseplate
  f.carry.CarriedKey(CarryKey(KeyName::Right));
  EXPECT_EQ(f.carry.CarriedPiece->Z, 24);  // on the brick
  // The screen shows the piece over the picture, not in it.
  const TPoint top = f.TopOf(*f.carry.CarriedPiece);
  EXPECT_NE(f.scene.ScreenImage.pixel(top.x, top.y), f.scene.BackBuffer.pixel(top.x, top.y));
}

TEST(CarryingKeys, EnterPutsDownWhereThePieceStandsAndEscapeDropsIt) {
  CarryFixture f;
  f.carry.StartPlacement(f.Brick2x2());
  f.carry.CarriedKey(CarryKey(KeyName::Right));
  f.carry.CarriedKey(CarryKey(KeyName::Enter));
  ASSERT_EQ(f.Count(), 2);
  const TBlock* placed = f.doc.ModelList[0]->IsBaseplate ? f.doc.ModelList[1] : f.doc.ModelList[0];
  EXPECT_EQ(placed->X, 40);
  EXPECT_EQ(placed->Z, 0);
  // A copy stays carried and comes to rest on the piece just put down.
  ASSERT_TRUE(f.carry.Carrying());
  EXPECT_EQ(f.carry.CarriedPiece->Z, 24);
  f.carry.CarriedKey(CarryKey(KeyName::Insert));
  EXPECT_EQ(f.carry.CarriedPiece->Direction, 1);
  f.carry.CarriedKey(CarryKey(KeyName::Escape));
  EXPECT_FALSE(f.carry.Carrying());
  EXPECT_EQ(f.Count(), 2);
}

TEST(Carrying, UndoGivesUpAMoveInProgressAndKeepsAPlacementCarried) {
  CarryFixture f;
  TBlock* loose = f.Add(0, 40, 0, 20, 20, 24);
  f.Press(f.TopOf(*loose), CarryFixture::Left(true));
  ASSERT_TRUE(f.carry.Carrying());
  EXPECT_EQ(f.doc.History.UndoName(), "Pick up 1 piece");
  EXPECT_TRUE(f.carry.Undo());
  EXPECT_FALSE(f.carry.Carrying());
  EXPECT_GE(f.doc.ModelList.IndexOf(loose), 0);  // the piece itself is back
  EXPECT_FALSE(f.doc.History.Modified());

  // Placing copies: an undo takes back the last one and the next stays carried.
  f.carry.StartPlacement(f.Brick2x2());
  for (int x : {-100, 100}) {
    f.carry.CarriedPiece->X = x;
    f.carry.PutDown();
  }
  EXPECT_EQ(f.doc.History.UndoName(), "Put down 1 piece");
  EXPECT_TRUE(f.carry.Undo());
  EXPECT_TRUE(f.carry.Carrying());
  EXPECT_EQ(f.Count(), 3);
  EXPECT_TRUE(f.carry.Redo());
  EXPECT_EQ(f.Count(), 4);
  EXPECT_FALSE(f.carry.Redo());
}

TEST(Carrying, TheLandingGuideOutlinesTheSurfaceBelowFromEveryView) {
  const int views[][2] = {{70, 30}, {0, 0}, {45, 200}, {130, 120}, {90, 0}};
  for (const auto& v : views) {
    SCOPED_TRACE(std::to_string(v[0]) + "," + std::to_string(v[1]));
    CarryFixture f(v[0], v[1]);
    f.Add(0, 0, 0, 40, 40, 24);
    f.Add(20, 0, 24, 40, 20, 24);  // the top at 48 under one half only
    f.carry.SetCarried(f.Brick2x2());
    TBlock& p = *f.carry.CarriedPiece;
    struct Spot {
      int x, y, z, surface;
    };
    // Over the stack, resting and lifted; over the baseplate; beside it on the ground.
    for (const Spot s :
         {Spot{20, 0, 48, 48}, Spot{20, 0, 80, 48}, Spot{-100, 0, 0, 0}, Spot{400, 400, 16, 0}}) {
      p.X = s.x;
      p.Y = s.y;
      p.Z = s.z;
      EXPECT_EQ(f.carry.LandingHeight(), s.surface);
      RecordingCanvas canvas;
      f.carry.DrawLandingGuide(canvas);
      const auto outlines = canvas.Only(RecordingCanvas::Kind::Polyline);
      const auto lines = canvas.Only(RecordingCanvas::Kind::Line);
      ASSERT_EQ(outlines.size(), 2u);  // dark under, bright over
      EXPECT_EQ(outlines[0].pen, LandingGuide::kShadowColor);
      EXPECT_EQ(outlines[1].pen, LandingGuide::kLineColor);
      const int corners[5][2] = {{0, 0}, {40, 0}, {40, 40}, {0, 40}, {0, 0}};
      for (int i = 0; i < 5; ++i) {
        const TPoint at =
            f.rc.view.ProjectPoint(s.x + corners[i][0], s.y + corners[i][1], s.surface);
        EXPECT_EQ(outlines[1].points[static_cast<std::size_t>(i)], at);
        EXPECT_EQ(outlines[0].points[static_cast<std::size_t>(i)], (TPoint{at.x + 1, at.y + 1}));
      }
      // Lines from the piece's lower corners through the surface down to the ground.
      if (s.z == 0) {
        EXPECT_TRUE(lines.empty());
        continue;
      }
      ASSERT_EQ(lines.size(), 8u);
      for (int i = 0; i < 4; ++i) {
        const auto& line = lines[static_cast<std::size_t>(4 + i)].points;
        EXPECT_EQ(line[0], f.rc.view.ProjectPoint(s.x + corners[i][0], s.y + corners[i][1], s.z));
        EXPECT_EQ(line[1], f.rc.view.ProjectPoint(s.x + corners[i][0], s.y + corners[i][1], 0));
      }
    }
  }
}

TEST(Carrying, TheLandingGuideGoesWithTheCarriedImage) {
  CarryFixture f;
  auto guidePixels = [&f] {
    int n = 0;
    for (int y = 0; y < f.scene.ScreenImage.height(); ++y)
      for (int x = 0; x < f.scene.ScreenImage.width(); ++x)
        n += f.scene.ScreenImage.pixel(x, y) == LandingGuide::kLineColor;
    return n;
  };
  TBlock* loose = f.Add(0, 40, 0, 40, 20, 24);
  f.Press(f.TopOf(*loose), CarryFixture::Left(true));
  EXPECT_GT(guidePixels(), 20);
  f.rc.switches.LandingGuide = false;
  f.scene.RestoreScreen();
  f.carry.DrawCarried();
  EXPECT_EQ(guidePixels(), 0);
  f.rc.switches.LandingGuide = true;
  f.carry.DrawCarried();
  ASSERT_TRUE(f.carry.PutDown());
  EXPECT_FALSE(f.carry.Carrying());
  EXPECT_EQ(guidePixels(), 0);  // nothing of it stays behind
}
