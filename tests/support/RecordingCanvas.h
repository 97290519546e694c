#pragma once
#include <string>
#include <vector>

#include "platform/Canvas.h"

// A canvas that paints nothing and logs every call with its points and the
// pen and brush state at that moment, so tests can check which faces a piece
// draws, in what order, with which points and colours.
class RecordingCanvas : public Canvas {
 public:
  enum class Kind { Polygon, Polyline, Line, Rectangle, Ellipse, FillRect, Pixel, Text, Draw, Stretch };
  struct Call {
    Kind kind;
    std::vector<TPoint> points;  // rectangles and ellipses: the two corners
    TColor pen;
    TColor brush;
    BrushStyle style;
    PenMode mode;
    std::string text;
  };

  RecordingCanvas(int width = 800, int height = 600) : width_(width), height_(height) {}

  std::vector<Call> calls;

  std::vector<Call> Only(Kind kind) const;
  int Count(Kind kind) const;
  void Clear() { calls.clear(); }

  void setPenColor(TColor c) override { pen_ = c; }
  TColor penColor() const override { return pen_; }
  void setPenMode(PenMode m) override { mode_ = m; }
  PenMode penMode() const override { return mode_; }
  void setBrushColor(TColor c) override { brush_ = c; }
  TColor brushColor() const override { return brush_; }
  void setBrushStyle(BrushStyle s) override { style_ = s; }
  BrushStyle brushStyle() const override { return style_; }

  void polygon(const TPoint* p, int n) override { Log(Kind::Polygon, p, n); }
  void polyline(const TPoint* p, int n) override { Log(Kind::Polyline, p, n); }
  void line(int x1, int y1, int x2, int y2) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void fillRect(const TRect& r) override;
  void setPixel(int x, int y, TColor c) override;
  TColor pixel(int, int) const override { return 0; }
  void textOut(int x, int y, const std::string& text) override;
  void draw(int x, int y, const Bitmap&) override;
  void stretchDraw(const TRect& r, const Bitmap&) override;
  int width() const override { return width_; }
  int height() const override { return height_; }

 private:
  void Log(Kind kind, const TPoint* p, int n, std::string text = std::string());
  int width_, height_;
  TColor pen_ = 0, brush_ = 0xFFFFFF;
  BrushStyle style_ = BrushStyle::Solid;
  PenMode mode_ = PenMode::Copy;
};
