#pragma once
#include <QImage>
#include <QPainter>
#include <QPen>
#include <vector>

#include "platform/Canvas.h"
#include "platform/PixelRaster.h"
#include "platform/StampCache.h"

// The canvas over QPainter. It paints into a QImage (a Bitmap's pixels, the
// screen image of a widget) or onto any other paint device such as a printer.
class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(Bitmap& target);
  explicit QtCanvas(QPaintDevice* device);
  ~QtCanvas() override;

  void setPenColor(TColor c) override;
  TColor penColor() const override { return pen_; }
  void setPenMode(PenMode m) override;
  PenMode penMode() const override { return mode_; }
  void setBrushColor(TColor c) override;
  TColor brushColor() const override { return brush_; }
  void setBrushStyle(BrushStyle s) override;
  BrushStyle brushStyle() const override { return style_; }
  void setHatchScale(int factor) override;

  void polygon(const TPoint* points, int count) override;
  void polyline(const TPoint* points, int count) override;
  void line(int x1, int y1, int x2, int y2) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void fillRect(const TRect& r) override;
  void setPixel(int x, int y, TColor c) override;
  TColor pixel(int x, int y) const override;
  void textOut(int x, int y, const std::string& text) override;
  void draw(int x, int y, const Bitmap& source) override;
  void stretchDraw(const TRect& target, const Bitmap& source) override;
  void stamp(const StampKey& key, const TRect& extent, int x, int y, StampDraw draw,
             const void* context) override;
  int width() const override;
  int height() const override;

  QPainter& painter() { return painter_; }

 private:
  void ApplyPen();
  void ApplyBrush();
  QBrush HatchBrush();
  const QPoint* ToQt(const TPoint* points, int count);
  // Solid and hollow drawing in copy mode on a bitmap goes straight into its pixels.
  bool Direct() const;
  PixelTarget Pixels();

  Bitmap* bitmap_ = nullptr;
  QImage image_;
  QPaintDevice* device_ = nullptr;
  QPainter painter_;
  TColor pen_ = 0;
  TColor brush_ = 0xFFFFFF;
  BrushStyle style_ = BrushStyle::Solid;
  PenMode mode_ = PenMode::Copy;
  int hatchScale_ = 1;
  bool penDirty_ = true;
  bool brushDirty_ = true;
  std::vector<QPoint> scratch_;
  StampCache stamps_;
};

QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);
QImage ToQImage(const Bitmap& b);  // a copy
Bitmap FromQImage(const QImage& image);
