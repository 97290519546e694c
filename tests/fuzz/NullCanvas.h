#pragma once
#include "platform/Canvas.h"

// A canvas that draws nothing but checks that every point it is given came
// from a buffer of the stated length (the sanitizers watch the reads).
class NullCanvas : public Canvas {
 public:
  void setPenColor(TColor c) override { pen_ = c; }
  TColor penColor() const override { return pen_; }
  void setPenMode(PenMode m) override { mode_ = m; }
  PenMode penMode() const override { return mode_; }
  void setBrushColor(TColor c) override { brush_ = c; }
  TColor brushColor() const override { return brush_; }
  void setBrushStyle(BrushStyle s) override { style_ = s; }
  BrushStyle brushStyle() const override { return style_; }
  void polygon(const TPoint* p, int n) override { Touch(p, n); }
  void polyline(const TPoint* p, int n) override { Touch(p, n); }
  void line(int, int, int, int) override {}
  void rectangle(int, int, int, int) override {}
  void ellipse(int, int, int, int) override {}
  void fillRect(const TRect&) override {}
  void setPixel(int, int, TColor) override {}
  TColor pixel(int, int) const override { return 0; }
  void textOut(int, int, const std::string&) override {}
  void draw(int, int, const Bitmap&) override {}
  void stretchDraw(const TRect&, const Bitmap&) override {}
  int width() const override { return 64; }
  int height() const override { return 64; }
  long sum = 0;

 private:
  void Touch(const TPoint* p, int n) {
    for (int i = 0; i < n; ++i) sum += p[i].x ^ p[i].y;
  }
  TColor pen_ = 0, brush_ = 0;
  PenMode mode_ = PenMode::Copy;
  BrushStyle style_ = BrushStyle::Solid;
};
