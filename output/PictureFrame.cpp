#include "output/PictureFrame.h"

#include <algorithm>

#include "platform/Canvas.h"

namespace {

bool Within(int v, int from, int to) {
  return v >= from && v <= to;
}

}  // namespace

void TPictureFrame::PlaceAround(int centerX, int centerY) {
  Rect.left = centerX - 190;
  Rect.top = centerY - 150;
  Rect.right = Rect.left + 400;
  Rect.bottom = Rect.top + 300;
}

void TPictureFrame::Draw(Canvas& canvas) const {
  const PenMode oldMode = canvas.penMode();
  const TColor oldPen = canvas.penColor();
  const BrushStyle oldStyle = canvas.brushStyle();
  canvas.setPenMode(PenMode::Xor);
  canvas.setPenColor(kFramePen);
  canvas.setBrushStyle(BrushStyle::Clear);
  canvas.rectangle(Rect.left, Rect.top, Rect.right, Rect.bottom);
  canvas.rectangle(Rect.left - 1, Rect.top - 1, Rect.right + 1, Rect.bottom + 1);
  const int t = BarTop(), l = BarLeft(), r = BarRight();
  canvas.rectangle(l, t, r, Rect.bottom + 2);

  canvas.setPenColor(kMarkPen);
  // close: a cross
  canvas.line(r - 12, t + 2, r - 4, t + 10);
  canvas.line(r - 12, t + 9, r - 4, t + 1);
  // cover the view: a small rectangle
  canvas.rectangle(r - 26, t + 3, r - 18, t + 11);
  // shrink: a short line at the bottom
  canvas.line(r - 42, t + 10, r - 34, t + 10);
  // save: a small circle
  canvas.ellipse(l + 4, t + 3, l + 12, t + 11);
  // save anti-aliased: a letter A
  canvas.line(l + 24, t + 10, l + 28, t + 3);
  canvas.line(l + 28, t + 3, l + 32, t + 10);
  canvas.line(l + 26, t + 7, l + 31, t + 7);

  canvas.setPenMode(oldMode);
  canvas.setPenColor(oldPen);
  canvas.setBrushStyle(oldStyle);
}

FrameCommand TPictureFrame::CommandAt(int x, int y) const {
  const int t = BarTop(), l = BarLeft(), r = BarRight();
  if (Within(x, r - 12, r - 4) && Within(y, t + 2, t + 10)) return FrameCommand::Close;
  if (Within(x, r - 26, r - 18) && Within(y, t + 3, t + 11)) return FrameCommand::CoverView;
  if (Within(x, r - 42, r - 34) && Within(y, t + 3, t + 10)) return FrameCommand::Shrink;
  if (Within(x, l + 4, l + 12) && Within(y, t + 3, t + 10)) return FrameCommand::Save;
  if (Within(x, l + 24, l + 32) && Within(y, t + 3, t + 10)) return FrameCommand::SaveAntiAliased;
  return FrameCommand::None;
}

unsigned TPictureFrame::GrabAt(int x, int y) const {
  if (x < Rect.left || x >= Rect.right || y < Rect.top || y >= Rect.bottom) return GrabNone;
  unsigned grab = GrabNone;
  if (y - Rect.top <= kEdgeReach)
    grab |= GrabTop;
  else if (Rect.bottom - 1 - y <= kEdgeReach)
    grab |= GrabBottom;
  if (x - Rect.left <= kEdgeReach)
    grab |= GrabLeft;
  else if (Rect.right - 1 - x <= kEdgeReach)
    grab |= GrabRight;
  return grab == GrabNone ? GrabMove : grab;
}

FrameCursor TPictureFrame::CursorAt(int x, int y) const {
  const unsigned grab = GrabAt(x, y);
  const bool vertical = grab & (GrabTop | GrabBottom);
  const bool horizontal = grab & (GrabLeft | GrabRight);
  if (vertical && horizontal) {
    const bool falling = (grab & GrabTop) ? (grab & GrabLeft) : (grab & GrabRight);
    return falling ? FrameCursor::SizeFallingDiagonal : FrameCursor::SizeRisingDiagonal;
  }
  if (vertical) return FrameCursor::SizeVertical;
  if (horizontal) return FrameCursor::SizeHorizontal;
  return FrameCursor::Normal;
}

bool TPictureFrame::Press(int x, int y) {
  Grab = GrabAt(x, y);
  pressRect_ = Rect;
  pressPoint_ = {x, y};
  return Grab != GrabNone;
}

bool TPictureFrame::DragTo(int x, int y) {
  if (Grab == GrabNone) return false;
  // Measured from the press, so an edge held at its limit follows the mouse
  // again exactly when the mouse comes back.
  const int dx = x - pressPoint_.x, dy = y - pressPoint_.y;
  TRect r = pressRect_;
  if (Grab & GrabMove) {
    r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
  } else {
    if (Grab & GrabTop) r.top = std::min(r.top + dy, r.bottom - kMinHeight);
    if (Grab & GrabBottom) r.bottom = std::max(r.bottom + dy, r.top + kMinHeight);
    if (Grab & GrabLeft) r.left = std::min(r.left + dx, r.right - kMinWidth);
    if (Grab & GrabRight) r.right = std::max(r.right + dx, r.left + kMinWidth);
  }
  Rect = r;
  return true;
}

void TPictureFrame::CoverView(int viewWidth, int viewHeight) {
  Rect = {2, 14, viewWidth - 2, viewHeight - 2};
}

void TPictureFrame::Shrink() {
  Rect.right = Rect.left + kMinWidth;
  Rect.bottom = Rect.top + kMinHeight;
}
