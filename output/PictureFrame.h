#pragma once
#include "platform/Color.h"
#include "platform/Geometry.h"

class Canvas;

// What a click in the frame's title bar asks for.
enum class FrameCommand { None, Close, CoverView, Shrink, Save, SaveAntiAliased };

// The pointer shape over the frame while no button is held.
enum class FrameCursor {
  Normal,
  SizeVertical,
  SizeHorizontal,
  SizeFallingDiagonal,
  SizeRisingDiagonal
};

// What a press inside the frame took hold of; edges may combine at a corner.
enum FrameGrab : unsigned {
  GrabNone = 0,
  GrabMove = 1,
  GrabTop = 2,
  GrabBottom = 4,
  GrabLeft = 8,
  GrabRight = 16,
};

// The movable, resizable frame that chooses the part of the view saved as a
// picture. It is drawn with an inverting pen, so drawing it twice removes it;
// above it sits a small title bar with five hot areas for its commands.
class TPictureFrame {
 public:
  static constexpr int kMinWidth = 128;
  static constexpr int kMinHeight = 110;
  static constexpr int kEdgeReach = 3;  // pixels from an edge that still grab it
  static constexpr TColor kFramePen = 0x808080;
  static constexpr TColor kMarkPen = 0xC0C0C0;

  bool On = false;
  TRect Rect{0, 0, 400, 300};
  unsigned Grab = GrabNone;

  // 400 by 300, its left edge 190 pixels left of the centre and its top 150 above it.
  void PlaceAround(int centerX, int centerY);

  void Draw(Canvas& canvas) const;

  // The title bar: t its top, l and r its left and right edges.
  int BarTop() const { return Rect.top - 14; }
  int BarLeft() const { return Rect.left - 2; }
  int BarRight() const { return Rect.right + 2; }
  FrameCommand CommandAt(int x, int y) const;

  // What a press at (x, y) would take hold of; GrabNone outside the frame.
  unsigned GrabAt(int x, int y) const;
  FrameCursor CursorAt(int x, int y) const;

  // A left press: grabs what lies under it; false outside the frame.
  bool Press(int x, int y);
  // The mouse moved with the button held; false when nothing is grabbed.
  bool DragTo(int x, int y);
  void Release() { Grab = GrabNone; }

  // The whole view less 2 pixels at the left, right and bottom, its top at 14.
  void CoverView(int viewWidth, int viewHeight);
  // The smallest frame, keeping its top-left corner.
  void Shrink();

 private:
  TRect pressRect_;
  TPoint pressPoint_;
};
