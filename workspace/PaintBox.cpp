#include "workspace/PaintBox.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "platform/Bitmap.h"

TPaintBox::TPaintBox(const Bitmap& screen, QWidget* parent) : QWidget(parent), screen_(screen) {
  setObjectName("PaintBox1");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  setMinimumSize(64, 64);
}

void TPaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (screen_.empty()) {
    painter.fillRect(rect(), palette().color(QPalette::Button));
    return;
  }
  // The screen image's pixels are shown as they are, without a copy.
  const QImage image(reinterpret_cast<const uchar*>(screen_.raw()), screen_.width(),
                     screen_.height(), screen_.bytesPerLine(), QImage::Format_RGB32);
  painter.drawImage(0, 0, image);
}

void TPaintBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (Resized) Resized(width(), height());
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
  if (MouseDown) MouseDown(event);
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
  if (MouseMove) MouseMove(event);
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  if (MouseUp) MouseUp(event);
}
