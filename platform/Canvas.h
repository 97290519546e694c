#pragma once
#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Geometry.h"

enum class BrushStyle { Solid, Clear, DiagCross };
enum class PenMode { Copy, Xor };

class Canvas;

// A small drawing that recurs at many places in one picture, such as a stud.
// The key names everything its look depends on apart from the place and the
// canvas's pen colour, brush colour and brush style.
struct StampKey {
  int values[8] = {};
  friend bool operator==(const StampKey& a, const StampKey& b) {
    for (int i = 0; i < 8; ++i)
      if (a.values[i] != b.values[i]) return false;
    return true;
  }
};
// Draws the recurring drawing with its reference point at (x, y).
using StampDraw = void (*)(Canvas& canvas, const void* context, int x, int y);

// The drawing surface every piece paints on. Filled shapes take the brush and
// are outlined with the pen (one pixel wide); rectangles and ellipses are given
// by their bounding box with the right and bottom edge exclusive. Polygons fill
// with the alternate (odd-even) rule. A hatched brush paints only its crossing
// diagonal lines and leaves what was there between them.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void setPenColor(TColor c) = 0;
  virtual TColor penColor() const = 0;
  virtual void setPenMode(PenMode m) = 0;
  virtual PenMode penMode() const = 0;
  virtual void setBrushColor(TColor c) = 0;
  virtual TColor brushColor() const = 0;
  virtual void setBrushStyle(BrushStyle s) = 0;
  virtual BrushStyle brushStyle() const = 0;
  // The hatch cell grows by this factor, so that a page printed at several
  // printer pixels per screen pixel shows the hatch as the screen does.
  virtual void setHatchScale(int /*factor*/) {}

  virtual void polygon(const TPoint* points, int count) = 0;
  virtual void polyline(const TPoint* points, int count) = 0;
  // A line from (x1, y1) to (x2, y2); the end point itself is not drawn.
  virtual void line(int x1, int y1, int x2, int y2) = 0;
  virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
  // Brush only, no outline.
  virtual void fillRect(const TRect& r) = 0;
  virtual void setPixel(int x, int y, TColor c) = 0;
  virtual TColor pixel(int x, int y) const = 0;
  virtual void textOut(int x, int y, const std::string& text) = 0;
  virtual void draw(int x, int y, const Bitmap& source) = 0;
  virtual void stretchDraw(const TRect& target, const Bitmap& source) = 0;

  // The drawing of `draw` at (x, y). `extent` is the box around its corners
  // relative to the reference point (right and bottom exclusive). A canvas may
  // draw it once per key, pen and brush and copy its pixels to later places;
  // this one simply draws it.
  virtual void stamp(const StampKey& /*key*/, const TRect& /*extent*/, int x, int y, StampDraw draw,
                     const void* context) {
    draw(*this, context, x, y);
  }

  virtual int width() const = 0;
  virtual int height() const = 0;
};

// A canvas that paints into the given bitmap; the bitmap must outlive it and
// must not be resized while the canvas exists.
std::unique_ptr<Canvas> CreateBitmapCanvas(Bitmap& target);
