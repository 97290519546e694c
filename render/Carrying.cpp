#include "render/Carrying.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/Bounds.h"
#include "model/ModelEdit.h"
#include "platform/Canvas.h"
#include "platform/Pointer.h"
#include "render/LandingGuide.h"

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kTiny = 0.00001f;

// A model coordinate from a float that may lie far outside the model.
std::int32_t ToCoordinate(double value) {
  return static_cast<std::int32_t>(std::clamp(value, -1.0e9, 1.0e9));
}

// Down to the grid line at or below the value, on both sides of zero.
std::int32_t SnapDown(std::int32_t value, int step) {
  const std::int32_t rest = value % step;
  return rest < 0 ? value - rest - step : value - rest;
}

}  // namespace

int GridStepXY(PositioningGrid grid) {
  switch (grid) {
    case PositioningGrid::Half:
      return 10;
    case PositioningGrid::Fine:
      return 1;
    default:
      return 20;
  }
}

int GridStepZ(PositioningGrid grid) {
  switch (grid) {
    case PositioningGrid::Half:
      return 4;
    case PositioningGrid::Fine:
      return 1;
    default:
      return 8;
  }
}

bool IsSideView(const TView& view) {
  return std::fabs(view.Tilt - kPi / 2) < 0.1f;
}

TCarrying::TCarrying(TDocument& document, TScene& scene)
    : document_(document), scene_(scene), rc_(scene.Context()) {}

TCarrying::~TCarrying() = default;

void TCarrying::MovePointerTo(int x, int y, int z) {
  if (Pointer) Pointer->MoveTo(rc_.view.ProjectPoint(x, y, z));
}

void TCarrying::SetCarried(std::unique_ptr<TBlock> piece) {
  CarriedPiece = std::move(piece);
  if (CarriedPiece) CarriedPiece->Step = static_cast<std::int16_t>(CurrentStep ? CurrentStep() : 0);
  OneShot = false;
}

bool TCarrying::StartPlacement(std::unique_ptr<TBlock> piece) {
  if (!piece || IsSideView(rc_.view)) return false;
  // A set still carried would otherwise be drawn and put down in place of the new piece.
  const bool hadSomething = Carrying();
  Discard();
  SetCarried(std::move(piece));
  CarriedPiece->X = CarriedPiece->Y = CarriedPiece->Z = 0;
  CarriedPiece->HasStuds = NewPieceStuds;
  CarriedPiece->Transparent = TransparentPieces;
  if (hadSomething) Redraw();
  MovePointerTo(0, 0, 0);
  if (ShowCarried) ShowCarried(*CarriedPiece);
  return true;
}

void TCarrying::CarrySet(TBlockList& pieces) {
  Discard();
  if (pieces.Empty()) return;
  CarryList = std::make_unique<TBlockList>();
  CarryList->StepLimit = pieces.StepLimit;
  while (!pieces.Empty()) CarryList->AddSorted(pieces.Take(0), rc_.view.ViewOctant);
  CarryBoundingBox();
}

void TCarrying::CarryBoundingBox() {
  CarryingSet = true;
  // The corner starts where AddOffsetCopies starts it, so that the set is put down where it shows.
  TBounds b = TBounds::Seeded(9999, -9999);
  for (int i = 0; i < CarryList->Count(); ++i) b.Add(*(*CarryList)[i]);
  const std::int64_t sx = b.maxX - b.minX, sy = b.maxY - b.minY, sz = b.maxZ - b.minZ;
  // A plain box that stands for the set exactly, not rounded down to whole
  // studs and plates, so that the cut-off and the pieces under it see the set
  // itself, also off the stud grid.
  auto box =
      std::make_unique<TBlock>(0, 0, 0, 0, 0, 0, CurrentColor, NewPieceStuds, false, false, "");
  box->X = Clamp32(b.minX);
  box->Y = Clamp32(b.minY);
  box->Z = Clamp32(b.minZ);
  box->SizeX = Clamp32(sx);
  box->SizeY = Clamp32(sy);
  box->SizeZ = Clamp32(sz);
  SetCarried(std::move(box));
}

void TCarrying::Discard() {
  CarriedPiece.reset();
  CarryList.reset();
  CarryingSet = false;
  pickUpStep_ = 0;
}

bool TCarrying::PositionCarried(int mouseX, int mouseY) {
  TBlock* p = CarriedPiece.get();
  if (!p) return false;
  const TView& v = rc_.view;
  const Point3 before{p->X, p->Y, p->Z};
  const float s = v.ViewScale;
  const int stepXY = GridStepXY(Grid), stepZ = GridStepZ(Grid);
  const TBlockList& model = document_.ModelList;
  if (!IsSideView(v)) {
    // The point of the ground plane under the mouse, from column 0 of the projection.
    const float m0 = v.ProjectionMatrix[0][0], m1 = v.ProjectionMatrix[1][0];
    const float m3 = v.ProjectionMatrix[3][0], m4 = v.ProjectionMatrix[4][0];
    const float o = static_cast<float>(mouseX - v.ViewCenterX);
    float x = 0, y = 0;
    if (std::fabs(m0) <= kTiny) {
      if (std::fabs(m1) >= kTiny) y = o / s / m1;
      if (std::fabs(m3) >= kTiny) x = static_cast<float>(v.ViewCenterY - mouseY) / s / m3;
    } else {
      const float d = s * (m3 * m1 - m0 * m4);
      if (std::fabs(d) >= kTiny) y = (m3 * o + m0 * static_cast<float>(mouseY - v.ViewCenterY)) / d;
      x = (o / s - m1 * y) / m0;
    }
    p->X = SnapDown(ToCoordinate(std::floor(x)), stepXY);
    p->Y = SnapDown(ToCoordinate(std::floor(y)), stepXY);
    if (SafePositioning)
      p->Z = model.MaxTopUnder(p->X, p->Y, p->SizeX, p->SizeY);
    else
      p->Z = p->Z / stepZ * stepZ;
  } else {
    const double across = static_cast<double>(static_cast<float>(mouseX - v.ViewCenterX) / s);
    const std::int32_t along = ToCoordinate(std::nearbyint(across));
    const std::int32_t against = ToCoordinate(std::nearbyint(-across));
    const float spin = v.Spin;
    if (spin < kPi / 4 || spin >= 7 * kPi / 4)
      p->X = along;
    else if (spin < 3 * kPi / 4)
      p->Y = along;
    else if (spin < 5 * kPi / 4)
      p->X = against;
    else
      p->Y = against;
    p->Z = ToCoordinate(
        std::nearbyint(static_cast<double>(static_cast<float>(v.ViewCenterY - mouseY) / s)));
    if (SafePositioning) {
      p->X = SnapDown(p->X, stepXY);
      p->Y = SnapDown(p->Y, stepXY);
      p->Z = model.MaxTopUnder(p->X, p->Y, p->SizeX, p->SizeY);
    }
  }
  return Point3{p->X, p->Y, p->Z} != before;
}

bool TCarrying::PutDown() {
  TBlock* p = CarriedPiece.get();
  if (!p || p->Top() > document_.ZCutLevel) return false;
  const int octant = rc_.view.ViewOctant;
  // Putting down what a pick-up took out of the model makes that step a move.
  TModelEdit edit(document_, "", OneShot ? pickUpStep_ : 0);
  int count = 1;
  if (CarryingSet) {
    TBlockList copies;
    copies.AddOffsetCopies(*CarryList, p->X, p->Y, p->Z, octant);
    count = copies.Count();
    edit.InsertAll(copies.TakeAll(), octant);
    // The next copies form a group of their own. Every piece of a set that
    // stays carried shares one group, so the new number simply replaces it.
    ++document_.GroupCounter;
    for (int i = 0; i < CarryList->Count(); ++i) (*CarryList)[i]->Group = document_.GroupCounter;
  } else if (OneShot) {
    edit.Insert(std::move(CarriedPiece), octant);
  } else {
    std::unique_ptr<TBlock> next = p->Clone();
    edit.Insert(std::move(CarriedPiece), octant);
    CarriedPiece = std::move(next);
  }
  edit.Resort(octant, rc_.switches.SkipCoveredStuds);
  edit.Rename(PiecesName(edit.Continued() ? "Move" : "Put down", count));
  edit.Commit();
  if (OneShot) Discard();
  Redraw();
  if (Carrying())
    DrawCarried();
  else if (Pointer)
    Pointer->SetHidden(false);
  return true;
}

void TCarrying::DrawCarried() {
  if (!CarriedPiece) return;
  rc_.view.UpdateRiseAndStuds();
  std::unique_ptr<Canvas> canvas = CreateBitmapCanvas(scene_.ScreenImage);
  if (scene_.DrawPictureFrame) scene_.DrawPictureFrame(*canvas);  // the inverting frame goes away
  if (CarryingSet) {
    TBlockList shown;
    shown.AddOffsetCopies(*CarryList, CarriedPiece->X, CarriedPiece->Y, CarriedPiece->Z,
                          rc_.view.ViewOctant);
    shown.StepLimit = CarryList->StepLimit;
    shown.DrawAll(*canvas, rc_);
  } else {
    CarriedPiece->Draw(*canvas, rc_);
  }
  if (rc_.switches.LandingGuide) DrawLandingGuide(*canvas);
  if (scene_.DrawPictureFrame) scene_.DrawPictureFrame(*canvas);  // and comes back on top
  if (scene_.ScreenChanged) scene_.ScreenChanged();
}

int TCarrying::LandingHeight() const {
  if (!CarriedPiece) return 0;
  const TBlock& p = *CarriedPiece;
  return document_.ModelList.MaxTopUnder(p.X, p.Y, p.SizeX, p.SizeY);
}

void TCarrying::DrawLandingGuide(Canvas& canvas) const {
  if (CarriedPiece) LandingGuide::Draw(canvas, rc_.view, *CarriedPiece, LandingHeight());
}

void TCarrying::RedrawCarried() {
  scene_.RestoreScreen();
  DrawCarried();
}

void TCarrying::TurnCarried() {
  if (!CarriedPiece) return;
  scene_.RestoreScreen();
  if (CarryingSet) {
    for (int i = 0; i < CarryList->Count(); ++i) {
      TBlock* piece = (*CarryList)[i];
      const std::int32_t oldX = piece->X;
      piece->X = piece->Y;
      piece->Y = Clamp32(-std::int64_t{oldX} - piece->SizeX);
      piece->Turn();
    }
    CarriedPiece->Turn();
  } else {
    CarriedPiece->Turn();
  }
  DrawCarried();
}

void TCarrying::PointerMode() {
  Discard();
  if (Pointer) Pointer->SetHidden(false);
  Redraw();
}

void TCarrying::ApplyColor(TColor color, bool toWholeSet) {
  CurrentColor = color;
  if (!CarriedPiece) return;
  CarriedPiece->Color = color;
  if (CarryingSet && toWholeSet)
    for (int i = 0; i < CarryList->Count(); ++i) (*CarryList)[i]->Color = color;
  RedrawCarried();
}

void TCarrying::ApplyStuds(bool studs) {
  NewPieceStuds = studs;
  if (!CarriedPiece) return;
  CarriedPiece->HasStuds = studs;
  RedrawCarried();
}

void TCarrying::ApplyTransparent(bool transparent) {
  TransparentPieces = transparent;
  if (!CarriedPiece) return;
  CarriedPiece->Transparent = transparent;
  RedrawCarried();
}

bool TCarrying::Undo() {
  // The pick-up of a move in progress is the last step; its pieces come back.
  if (Carrying() && OneShot) {
    Discard();
    if (Pointer) Pointer->SetHidden(false);
  }
  const bool done = document_.History.Undo(rc_.view.ViewOctant).done;
  AfterHistoryStep(done);
  return done;
}

bool TCarrying::Redo() {
  const bool done = document_.History.Redo(rc_.view.ViewOctant).done;
  AfterHistoryStep(done);
  return done;
}

void TCarrying::AfterHistoryStep(bool done) {
  if (done) {
    // Pieces that came or went change which studs are covered.
    if (rc_.switches.SkipCoveredStuds) document_.ModelList.ComputeCover();
    if (SelectionChanged) SelectionChanged();
  }
  Redraw();
  DrawCarried();
}
