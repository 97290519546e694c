// The view controls of the main window: tilt, spin, zoom, pan, the fixed
// views, the remembered view and the Z cut-off.
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include "model/Document.h"
#include "workspace/MainWindow.h"
#include "workspace/PaintBox.h"

ViewPositions TMainWindow::Positions() const {
  ViewPositions p;
  p.RotX = RotX->value();
  p.RotZ = RotZ->value();
  p.ScaleBar = ScaleBar->value();
  p.OffsetX = OffsetX->value();
  p.OffsetY = OffsetY->value();
  return p;
}

void TMainWindow::Invalidate() {
  if (!scene_.PaintingDisabled) RedrawPicture();
}

void TMainWindow::SetPositions(const ViewPositions& p) {
  const ViewPositions before = Positions();
  const bool batched = scene_.PaintingDisabled;
  scene_.PaintingDisabled = true;
  RotX->setValue(p.RotX);
  RotZ->setValue(p.RotZ);
  ScaleBar->setValue(p.ScaleBar);
  OffsetX->setValue(p.OffsetX);
  OffsetY->setValue(p.OffsetY);
  scene_.PaintingDisabled = batched;
  if (!batched && !(Positions() == before)) RedrawPicture();
}

void TMainWindow::SetView(int rotX, int rotZ) {
  scene_.PaintingDisabled = true;
  RotX->setValue(rotX);
  RotZ->setValue(rotZ);
  // The bars only report changes; the view follows them even when they stood there already.
  ViewBarChanged();
  RedrawPicture();
}

void TMainWindow::ViewBarChanged() {
  ApplyViewPositions(rc_.view, Positions(), PaintBox1->width(), PaintBox1->height());
  Invalidate();
}

void TMainWindow::OffsetChanged() {
  rc_.view.UpdateCenter(PaintBox1->width(), PaintBox1->height(), OffsetX->value(),
                        OffsetY->value());
  Invalidate();
}

void TMainWindow::PaintBoxResized(int width, int height) {
  scene_.Resize(width, height, OffsetX->value(), OffsetY->value());
  if (firstSize_ && width > 0 && height > 0) {
    firstSize_ = false;
    scene_.RedrawSuppressed = false;
  }
  RedrawPicture();
}

bool TMainWindow::StudsShown() const {
  return !btnStuds->isChecked();
}

void TMainWindow::SetStudsShown(bool shown) {
  btnStuds->setChecked(!shown);
}

void TMainWindow::btnRotUpClick() {
  ViewPositions p = Positions();
  RotateUp(p);
  SetPositions(p);
}

void TMainWindow::btnRotDownClick() {
  ViewPositions p = Positions();
  RotateDown(p);
  SetPositions(p);
}

void TMainWindow::btnRotLeftClick() {
  ViewPositions p = Positions();
  RotateLeft(p);
  SetPositions(p);
}

void TMainWindow::btnRotRightClick() {
  ViewPositions p = Positions();
  RotateRight(p);
  SetPositions(p);
}

void TMainWindow::btnZoomInClick() {
  ViewPositions p = Positions();
  if (ZoomIn(p)) SetPositions(p);
}

void TMainWindow::btnZoomOutClick() {
  ViewPositions p = Positions();
  if (ZoomOut(p)) SetPositions(p);
}

void TMainWindow::btnHomeClick() {
  scene_.PaintingDisabled = true;
  rc_.view.ViewScale = 1;
  ScaleBar->setValue(10);
  OffsetX->setValue(0);
  OffsetY->setValue(0);
  rc_.view.UpdateCenter(PaintBox1->width(), PaintBox1->height(), 0, 0);
  SetView(70, 30);
}

void TMainWindow::btnRestoreViewClick() {
  scene_.PaintingDisabled = true;
  SetStudsShown(rememberedStuds_);
  SetPositions(rememberedView_);
  RedrawPicture();
}

void TMainWindow::FixedViewClick(int tag) {
  ViewPositions p = Positions();
  ApplyFixedView(p, tag);
  SetView(p.RotX, p.RotZ);
}

void TMainWindow::RememberView() {
  rememberedView_ = Positions();
  rememberedStuds_ = StudsShown();
}

void TMainWindow::ZLiftOffChange(int position) {
  scene_.SetZCutLevel(position);
  ShowZCutLevel();
}

void TMainWindow::ShowZCutLevel() {
  lblZLiftOff->setText(QString::asprintf("%d", document_.ZCutLevel));
  const QSignalBlocker quiet(edZLiftOff);
  edZLiftOff->setValue(document_.ZCutLevel);
}
