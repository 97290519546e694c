// What the mouse does in the paint box: putting down and turning what is
// carried, picking pieces up, the clicks that select, turn, recolour or
// toggle the studs of a piece, and turning the view by dragging.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "model/ModelEdit.h"
#include "platform/Pointer.h"
#include "render/Carrying.h"

void TCarrying::MouseDown(int x, int y, const MouseState& state) {
  LastMouse = {x, y};
  if (CarriedPiece) {
    if (state.Left) {
      PositionCarried(x, y);
      PutDown();
    } else if (state.Right) {
      TurnCarried();
    }
    return;
  }
  if (state.Shift && state.Right) return;  // the start of a view drag
  TBlockList& model = document_.ModelList;
  const int index = model.PieceAt(rc_.view, x, y);
  if (index < 0) return;
  TBlock& piece = *model[index];
  if (!state.Shift) {
    if (state.Right)
      ChangePiece(piece, state);
    else if (!piece.IsBaseplate)
      ToggleSelection(piece, state.Ctrl);
    return;
  }
  if (state.Left && !CarryingSet) PickUp(index, state.Alt);
}

void TCarrying::MouseMove(int x, int y, const MouseState& state) {
  if (CarriedPiece) {
    if (Pointer) Pointer->SetHidden(true);
    if (PositionCarried(x, y)) RedrawCarried();
    if (ShowCarried) ShowCarried(*CarriedPiece);
    return;
  }
  if (state.Shift && state.Right) DragView(x, y);
}

void TCarrying::MouseUp() {
  if (!CarriedPiece && Pointer) Pointer->SetHidden(false);
}

void TCarrying::ChangePiece(TBlock& piece, const MouseState& state) {
  {
    TModelEdit edit(document_, "");
    edit.Change(piece);
    if (state.Alt) {
      edit.Rename(PiecesName("Switch studs of", 1));
      piece.HasStuds = !piece.HasStuds;
    } else {
      if (state.Ctrl) {
        edit.Rename(PiecesName("Turn", 1));
        piece.Turn();
      } else {
        edit.Rename(PiecesName("Recolour", 1));
        piece.Color = CurrentColor;
        piece.Transparent = TransparentPieces;
      }
      // A turned piece has a new footprint and a see-through one covers nothing:
      // the order and the covers are worked out again before the next picture.
      document_.ModelList.SortedOctant = -1;
    }
  }
  Redraw();
}

void TCarrying::ToggleSelection(TBlock& piece, bool single) {
  TBlockList& model = document_.ModelList;
  if (single || piece.Group < 1) {
    piece.Selected = !piece.Selected;
  } else {
    const bool selected = !piece.Selected;
    for (int i = model.FirstInGroup(piece.Group); i >= 0; i = model.NextInGroup(piece.Group, i))
      model[i]->Selected = selected;
  }
  if (SelectionChanged) SelectionChanged();
  Redraw();
}

void TCarrying::PickUp(int index, bool copy) {
  TBlock& piece = *document_.ModelList[index];
  if (piece.Selected || copy) {
    PickUpSet([](const TBlock& p) { return p.Selected; }, copy);
    return;
  }
  if (piece.IsBaseplate) return;
  if (piece.Group >= 1) {
    const int group = piece.Group;
    PickUpSet([group](const TBlock& p) { return p.Group == group; }, false);
    return;
  }
  {
    // The model keeps nothing of the piece until it is put down again; the
    // history keeps the piece itself, and a copy is carried.
    TModelEdit edit(document_, PiecesName("Pick up", 1));
    CarriedPiece = edit.TakeToCarry(index);
    pickUpStep_ = edit.Commit();
  }
  CarryingSet = false;
  OneShot = true;
  MovePointerTo(CarriedPiece->X, CarriedPiece->Y, CarriedPiece->Z);
  Redraw();
  DrawCarried();
}

bool TCarrying::PickUpSet(const std::function<bool(const TBlock&)>& matches, bool copy) {
  TBlockList& model = document_.ModelList;
  const int octant = rc_.view.ViewOctant;
  auto set = std::make_unique<TBlockList>();
  if (copy) ++document_.GroupCounter;
  std::int16_t lastStep = 0;
  // Moving takes the pieces out of the model, a change even before they are
  // put down again: the history keeps them (still selected, for an undo) and
  // copies are carried.
  std::optional<TModelEdit> edit;
  if (!copy) edit.emplace(document_, "");
  for (int i = 0; i < model.Count();) {
    TBlock* piece = model[i];
    if (!matches(*piece)) {
      ++i;
      continue;
    }
    lastStep = std::max(lastStep, piece->Step);
    if (copy) {
      piece->Selected = false;
      std::unique_ptr<TBlock> clone = piece->Clone();
      clone->Group = document_.GroupCounter;
      set->AddSorted(std::move(clone), octant);
      ++i;
    } else {
      set->AddSorted(edit->TakeToCarry(i), octant);
    }
  }
  if (edit) {
    edit->Rename(PiecesName("Pick up", set->Count()));
    pickUpStep_ = edit->Commit();
  }
  if (SelectionChanged) SelectionChanged();
  if (set->Empty()) return false;
  // Every carried piece stays visible, whatever its building step.
  set->StepLimit = lastStep;
  CarryList = std::move(set);
  CarryBoundingBox();
  OneShot = !copy;
  MovePointerTo(CarriedPiece->X, CarriedPiece->Y, CarriedPiece->Z);
  Redraw();
  DrawCarried();
  return true;
}

void TCarrying::DragView(int x, int y) {
  scene_.RestoreScreen();
  const int dx = x - LastMouse.x, dy = y - LastMouse.y;
  if (std::abs(dx) <= 4 && std::abs(dy) < 5) return;
  if (!ViewBars || !SetView) return;
  const ViewPositions p = ViewBars();
  int rotZ = p.RotZ + dx;
  if (rotZ < ViewPositions::kRotZMin)
    rotZ = ViewPositions::kRotZMax;
  else if (rotZ > ViewPositions::kRotZMax)
    rotZ = ViewPositions::kRotZMin;
  const int rotX = std::clamp(p.RotX - dy, ViewPositions::kRotXMin, ViewPositions::kRotXMax);
  SetView(rotX, rotZ);
  LastMouse = {x, y};
}
