#include "platform/QtCanvas.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

#include "platform/PixelRaster.h"

QColor ToQColor(TColor c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
TColor FromQColor(const QColor& c) {
  return RGB(c.red(), c.green(), c.blue());
}

QImage ToQImage(const Bitmap& b) {
  if (b.empty()) return QImage();
  QImage view(reinterpret_cast<const uchar*>(b.raw()), b.width(), b.height(), b.bytesPerLine(),
              QImage::Format_RGB32);
  return view.copy();
}

Bitmap FromQImage(const QImage& image) {
  QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  Bitmap b(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
    std::copy(line, line + rgb.width(), b.raw() + static_cast<std::size_t>(y) * rgb.width());
  }
  return b;
}

TColor SystemButtonFaceColor() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()))
    return FromQColor(QApplication::palette().color(QPalette::Button));
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return FromQColor(QGuiApplication::palette().color(QPalette::Button));
  return RGB(0xEF, 0xEF, 0xEF);
}

std::unique_ptr<Canvas> CreateBitmapCanvas(Bitmap& target) {
  return std::make_unique<QtCanvas>(target);
}

QtCanvas::QtCanvas(Bitmap& target)
    : bitmap_(&target),
      image_(reinterpret_cast<uchar*>(target.raw()), target.width(), target.height(),
             target.bytesPerLine(), QImage::Format_RGB32) {
  device_ = &image_;
  if (!target.empty()) painter_.begin(&image_);
}

QtCanvas::QtCanvas(QPaintDevice* device) : device_(device) {
  painter_.begin(device);
}

QtCanvas::~QtCanvas() {
  if (painter_.isActive()) painter_.end();
}

void QtCanvas::setPenColor(TColor c) {
  if (c != pen_) penDirty_ = true;
  pen_ = c;
}

void QtCanvas::setPenMode(PenMode m) {
  if (m == mode_) return;
  mode_ = m;
  if (painter_.isActive())
    painter_.setCompositionMode(m == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                  : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::setBrushColor(TColor c) {
  if (c != brush_) brushDirty_ = true;
  brush_ = c;
}

void QtCanvas::setBrushStyle(BrushStyle s) {
  if (s != style_) brushDirty_ = true;
  style_ = s;
}

void QtCanvas::ApplyPen() {
  if (!penDirty_) return;
  QPen pen(ToQColor(pen_));
  pen.setWidth(0);  // cosmetic one-pixel pen
  painter_.setPen(pen);
  penDirty_ = false;
}

void QtCanvas::ApplyBrush() {
  if (!brushDirty_) return;
  switch (style_) {
    case BrushStyle::Solid:
      painter_.setBrush(QBrush(ToQColor(brush_), Qt::SolidPattern));
      break;
    case BrushStyle::Clear:
      painter_.setBrush(Qt::NoBrush);
      break;
    case BrushStyle::DiagCross:
      painter_.setBrush(HatchBrush());
      break;
  }
  brushDirty_ = false;
}

void QtCanvas::setHatchScale(int factor) {
  factor = std::max(factor, 1);
  if (factor != hatchScale_) brushDirty_ = true;
  hatchScale_ = factor;
}

QBrush QtCanvas::HatchBrush() {
  QBrush brush(ToQColor(brush_), Qt::DiagCrossPattern);
  // Pattern cells are device pixels unless the painter is told otherwise.
  painter_.setRenderHint(QPainter::NonCosmeticBrushPatterns, hatchScale_ > 1);
  if (hatchScale_ > 1) brush.setTransform(QTransform::fromScale(hatchScale_, hatchScale_));
  return brush;
}

const QPoint* QtCanvas::ToQt(const TPoint* points, int count) {
  scratch_.resize(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) scratch_[i] = QPoint(points[i].x, points[i].y);
  return scratch_.data();
}

bool QtCanvas::Direct() const {
  return bitmap_ && mode_ == PenMode::Copy;
}

PixelTarget QtCanvas::Pixels() {
  return PixelTarget{bitmap_->raw(), bitmap_->width(), bitmap_->height()};
}

void QtCanvas::polygon(const TPoint* points, int count) {
  if (!painter_.isActive() || count <= 0) return;
  // Solid and hollow polygons, nearly all there are, go straight into the pixels.
  if (Direct() && style_ != BrushStyle::DiagCross && FillDrawnDirectly(points, count)) {
    if (style_ == BrushStyle::Solid)
      FillPolygonPixels(Pixels(), points, count, Bitmap::ToRaw(brush_));
    if (StrokeDrawnDirectly(points, count, true, bitmap_->width(), bitmap_->height())) {
      StrokePathPixels(Pixels(), points, count, true, Bitmap::ToRaw(pen_));
    } else {
      // The painter clips outlines that leave the picture in its own way.
      ApplyPen();
      painter_.setBrush(Qt::NoBrush);
      brushDirty_ = true;
      painter_.drawPolygon(ToQt(points, count), count, Qt::OddEvenFill);
    }
    return;
  }
  ApplyPen();
  ApplyBrush();
  painter_.drawPolygon(ToQt(points, count), count, Qt::OddEvenFill);
}

void QtCanvas::polyline(const TPoint* points, int count) {
  if (!painter_.isActive() || count <= 0) return;
  if (Direct() && StrokeDrawnDirectly(points, count, false, bitmap_->width(), bitmap_->height())) {
    StrokePathPixels(Pixels(), points, count, false, Bitmap::ToRaw(pen_));
    return;
  }
  ApplyPen();
  painter_.drawPolyline(ToQt(points, count), count);
}

void QtCanvas::line(int x1, int y1, int x2, int y2) {
  if (!painter_.isActive()) return;
  ApplyPen();
  painter_.drawLine(x1, y1, x2, y2);
}

// A one-pixel outline of a box whose right and bottom edges are exclusive
// covers the pixels x1..x2-1 and y1..y2-1.
void QtCanvas::rectangle(int x1, int y1, int x2, int y2) {
  if (!painter_.isActive()) return;
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (x2 - x1 < 1 || y2 - y1 < 1) return;
  ApplyPen();
  ApplyBrush();
  painter_.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

void QtCanvas::ellipse(int x1, int y1, int x2, int y2) {
  if (!painter_.isActive()) return;
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  ApplyPen();
  ApplyBrush();
  painter_.drawEllipse(QRect(x1, y1, std::max(x2 - x1 - 1, 0), std::max(y2 - y1 - 1, 0)));
}

void QtCanvas::fillRect(const TRect& r) {
  if (!painter_.isActive() || r.width() <= 0 || r.height() <= 0) return;
  if (Direct() && style_ == BrushStyle::Solid) {
    FillRectPixels(Pixels(), r, Bitmap::ToRaw(brush_));
    return;
  }
  QRect rect(r.left, r.top, r.width(), r.height());
  switch (style_) {
    case BrushStyle::Solid:
      painter_.fillRect(rect, ToQColor(brush_));
      break;
    case BrushStyle::Clear:
      break;
    case BrushStyle::DiagCross:
      painter_.fillRect(rect, HatchBrush());
      break;
  }
}

void QtCanvas::setPixel(int x, int y, TColor c) {
  if (bitmap_ && mode_ == PenMode::Copy) {
    if (bitmap_->contains(x, y)) bitmap_->setPixel(x, y, c);
    return;
  }
  if (!painter_.isActive()) return;
  painter_.save();
  painter_.setPen(ToQColor(c));
  painter_.drawPoint(x, y);
  painter_.restore();
}

TColor QtCanvas::pixel(int x, int y) const {
  if (bitmap_) return bitmap_->contains(x, y) ? bitmap_->pixel(x, y) : 0;
  if (auto* image = dynamic_cast<QImage*>(device_))
    return image->valid(x, y) ? FromQColor(image->pixelColor(x, y)) : 0;
  return 0;
}

void QtCanvas::textOut(int x, int y, const std::string& text) {
  if (!painter_.isActive()) return;
  ApplyPen();
  QFontMetrics metrics = painter_.fontMetrics();
  painter_.drawText(x, y + metrics.ascent(), QString::fromLocal8Bit(text.c_str()));
}

void QtCanvas::draw(int x, int y, const Bitmap& source) {
  if (!painter_.isActive() || source.empty()) return;
  QImage view(reinterpret_cast<const uchar*>(source.raw()), source.width(), source.height(),
              source.bytesPerLine(), QImage::Format_RGB32);
  painter_.drawImage(x, y, view);
}

void QtCanvas::stretchDraw(const TRect& target, const Bitmap& source) {
  if (!painter_.isActive() || source.empty()) return;
  QImage view(reinterpret_cast<const uchar*>(source.raw()), source.width(), source.height(),
              source.bytesPerLine(), QImage::Format_RGB32);
  painter_.drawImage(QRect(target.left, target.top, target.width(), target.height()), view);
}

void QtCanvas::stamp(const StampKey& key, const TRect& extent, int x, int y, StampDraw draw,
                     const void* context) {
  // A hatch is laid out from the picture's corner, so it does not repeat with the place.
  if (!Direct() || style_ == BrushStyle::DiagCross) {
    draw(*this, context, x, y);
    return;
  }
  const Stamp& s = stamps_.Get(key, extent, pen_, brush_, style_, draw, context);
  // Only where nothing of it is clipped does a copy set the pixels drawing would.
  if (x + s.box.left < 0 || y + s.box.top < 0 || x + s.box.right > bitmap_->width() ||
      y + s.box.bottom > bitmap_->height()) {
    draw(*this, context, x, y);
    return;
  }
  s.CopyTo(Pixels(), x, y);
}

int QtCanvas::width() const {
  return device_ ? device_->width() : 0;
}
int QtCanvas::height() const {
  return device_ ? device_->height() : 0;
}
