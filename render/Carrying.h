#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "model/Document.h"
#include "model/Point3.h"
#include "platform/Geometry.h"
#include "render/Scene.h"
#include "render/ViewControls.h"

class PointerControl;
struct KeyAction;

// The positioning grid: "Normal" steps of 20 across and 8 up, "Half" 10 and 4, "Fine" 1 and 1.
enum class PositioningGrid { Normal = 0, Half = 1, Fine = 2 };
int GridStepXY(PositioningGrid grid);
int GridStepZ(PositioningGrid grid);

// Side views (the tilt within 0.1 of horizontal) move a piece up and across
// instead of over the ground.
bool IsSideView(const TView& view);

// The keys and buttons of one mouse event.
struct MouseState {
  bool Shift = false, Ctrl = false, Alt = false;
  bool Left = false, Right = false;
};

// Pieces are not dragged: one piece, or a set standing in for its bounding
// box, is picked up, floats under the mouse and is put down with a click.
// This object owns what is carried and answers the paint box's mouse. It
// changes the model only through TModelEdit, so each change is a step of the
// document's history: a move (pick-up and put-down) is one step.
class TCarrying {
 public:
  TCarrying(TDocument& document, TScene& scene);
  ~TCarrying();
  TCarrying(const TCarrying&) = delete;
  TCarrying& operator=(const TCarrying&) = delete;

  std::unique_ptr<TBlock> CarriedPiece;  // not in ModelList; for a set, its bounding box
  std::unique_ptr<TBlockList> CarryList;
  bool CarryingSet = false;
  bool OneShot = false;  // carrying ends at the next put-down (moving)
  TPoint LastMouse;

  // What the window's controls set.
  bool SafePositioning = true;
  PositioningGrid Grid = PositioningGrid::Normal;
  TColor CurrentColor = 0xFFFFFF;
  bool NewPieceStuds = true;       // "Studded blocks" not down
  bool TransparentPieces = false;  // "Transparent blocks" down

  // Hooks to the window; all may stay empty.
  std::function<int()> CurrentStep;                 // the toolbox's building step
  std::function<void(const TBlock&)> ShowCarried;   // the toolbox is told the carried piece
  std::function<void()> SelectionChanged;           // the toolbox follows the selection
  std::function<ViewPositions()> ViewBars;          // for dragging the view
  std::function<void(int rotX, int rotZ)> SetView;  // ditto
  PointerControl* Pointer = nullptr;

  bool Carrying() const { return CarriedPiece != nullptr; }

  // The piece becomes the carried one (the earlier one is freed) with the
  // current step; copies stay under the mouse after each put-down.
  void SetCarried(std::unique_ptr<TBlock> piece);
  // A new piece from the palette, at the origin with the studs and
  // see-through state of the toggles. Refused (false) in side views.
  bool StartPlacement(std::unique_ptr<TBlock> piece);
  // The pieces of a loaded subassembly become the carried set; the list is emptied.
  void CarrySet(TBlockList& pieces);

  // Moves the carried piece to the model position under the mouse; true when it moved.
  bool PositionCarried(int mouseX, int mouseY);
  // False when nothing is carried or its top would rise above the Z cut-off.
  bool PutDown();
  // The carried image over the picture, and the landing guide over it while
  // "Show landing guide" is on.
  void DrawCarried();
  // The top of what lies under the carried piece's footprint (the ground: 0),
  // where Safe positioning rests it.
  int LandingHeight() const;
  void DrawLandingGuide(Canvas& canvas) const;
  void TurnCarried();
  // "Select pointer mode": whatever is carried is dropped, not put down.
  void PointerMode();
  // Drops what is carried without a picture.
  void Discard();

  // Undo and redo of the document's history, then a new picture. A move in
  // progress is given up first, so that an undo takes back its pick-up; a
  // piece or set being placed stays carried. False when there was nothing to do.
  bool Undo();
  bool Redo();

  // The current colour, "Studded blocks" and "Transparent blocks" reach the
  // carried piece at once; a swatch colour also reaches every piece of a set.
  void ApplyColor(TColor color, bool toWholeSet);
  void ApplyStuds(bool studs);
  void ApplyTransparent(bool transparent);

  // A key command on what is carried (the commands of KeyTable while
  // carrying): the command runs, with safe positioning the piece comes to
  // rest on what lies under it, it is drawn again over the picture and the
  // pointer goes to its corner on the ground.
  void CarriedKey(const KeyAction& action);
  // After any other key command: what is carried is drawn again and the
  // pointer put on its corner.
  void ShowCarriedAgain();

  void MouseDown(int x, int y, const MouseState& state);
  void MouseMove(int x, int y, const MouseState& state);
  void MouseUp();

 private:
  void AfterHistoryStep(bool done);
  void Redraw() { scene_.RedrawPicture(); }
  void MovePointerTo(int x, int y, int z);
  void RedrawCarried();
  void MoveCarriedByKey(const KeyAction& action);
  // Right click on a piece: studs, turn or colour.
  void ChangePiece(TBlock& piece, const MouseState& state);
  void ToggleSelection(TBlock& piece, bool single);
  void PickUp(int index, bool copy);
  // Moves or copies the pieces that match into a new carried set; false when none did.
  bool PickUpSet(const std::function<bool(const TBlock&)>& matches, bool copy);
  // CarryList becomes the carried set, with a bounding piece that spans it.
  void CarryBoundingBox();
  void DragView(int x, int y);

  // The step of the pick-up whose pieces are carried: their put-down continues it.
  std::uint64_t pickUpStep_ = 0;
  TDocument& document_;
  TScene& scene_;
  RenderContext& rc_;
};
