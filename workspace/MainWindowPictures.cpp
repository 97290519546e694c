// Saving the view as a picture and printing it: the "Save picture" toggle
// with its frame over the view, the frame's mouse and title-bar commands,
// and "Print".
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <exception>

#include "output/PictureSave.h"
#include "output/PrintPicture.h"
#include "platform/Canvas.h"
#include "platform/Printer.h"
#include "platform/TextFile.h"
#include "workspace/MainWindow.h"
#include "workspace/PaintBox.h"

namespace {

// The two buttons' pictures: a framed landscape and a printer.
QIcon PictureIcon(bool printer) {
  QPixmap pixmap(24, 24);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(QPen(Qt::black, 1));
  if (printer) {
    p.setBrush(Qt::white);
    p.drawRect(7, 3, 10, 8);
    p.setBrush(Qt::lightGray);
    p.drawRect(3, 10, 18, 8);
    p.setBrush(Qt::white);
    p.drawRect(7, 15, 10, 6);
  } else {
    p.setBrush(QColor(200, 230, 255));
    p.drawRect(3, 5, 18, 14);
    p.setBrush(QColor(60, 150, 60));
    p.drawPolygon(
        QPolygon({QPoint(4, 18), QPoint(10, 10), QPoint(14, 15), QPoint(16, 12), QPoint(20, 18)}));
  }
  return QIcon(pixmap);
}

Qt::CursorShape ShapeOf(FrameCursor cursor) {
  switch (cursor) {
    case FrameCursor::SizeVertical:
      return Qt::SizeVerCursor;
    case FrameCursor::SizeHorizontal:
      return Qt::SizeHorCursor;
    case FrameCursor::SizeFallingDiagonal:
      return Qt::SizeFDiagCursor;
    case FrameCursor::SizeRisingDiagonal:
      return Qt::SizeBDiagCursor;
    case FrameCursor::Normal:
      break;
  }
  return Qt::ArrowCursor;
}

}  // namespace

void TMainWindow::BuildPictureControls() {
  tbMisc->addSeparator();
  btnSavePic = AddButton(tbMisc, "btnSavePic", "Save picture", PictureIcon(false), true);
  btnPrint = AddButton(tbMisc, "btnPrint", "Print", PictureIcon(true));
  connect(btnSavePic, &QToolButton::clicked, this, [this] { btnSavePicClick(); });
  connect(btnPrint, &QToolButton::clicked, this, [this] { btnPrintClick(); });
  ChoosePrinterHook = [this] { return ChoosePrinter(this); };
  scene_.DrawPictureFrame = [this](Canvas& canvas) {
    if (pictureFrame_.On) pictureFrame_.Draw(canvas);
  };
}

void TMainWindow::ToggleFrameOnScreen() {
  std::unique_ptr<Canvas> screen = CreateBitmapCanvas(scene_.ScreenImage);
  pictureFrame_.Draw(*screen);
  PaintBox1->update();
}

void TMainWindow::btnSavePicClick() {
  const bool on = btnSavePic->isChecked();
  if (on == pictureFrame_.On) return;
  // A frame moved wholly out of the view comes back, or its bar could never be reached.
  const TRect& r = pictureFrame_.Rect;
  const bool outOfView = r.right <= 0 || r.bottom <= 0 || r.left >= PaintBox1->width() ||
                         pictureFrame_.BarTop() >= PaintBox1->height();
  if (on && (!pictureFramePlaced_ || outOfView)) {
    pictureFrame_.PlaceAround(PaintBox1->width() / 2, PaintBox1->height() / 2);
    pictureFramePlaced_ = true;
  }
  // The inverting frame: drawing it again takes it away.
  pictureFrame_.On = on;
  pictureFrame_.Release();
  ToggleFrameOnScreen();
  if (!on) PaintBox1->unsetCursor();
}

void TMainWindow::ChangePictureFrame(const std::function<void(TPictureFrame&)>& change) {
  ToggleFrameOnScreen();
  change(pictureFrame_);
  ToggleFrameOnScreen();
}

bool TMainWindow::PictureFrameMouseDown(QMouseEvent* event) {
  if (!pictureFrame_.On) return false;
  if (event->button() != Qt::LeftButton) return true;
  const QPoint p = event->position().toPoint();
  switch (pictureFrame_.CommandAt(p.x(), p.y())) {
    case FrameCommand::Close:
      btnSavePic->setChecked(false);
      btnSavePicClick();
      return true;
    case FrameCommand::CoverView:
      ChangePictureFrame(
          [this](TPictureFrame& f) { f.CoverView(PaintBox1->width(), PaintBox1->height()); });
      return true;
    case FrameCommand::Shrink:
      ChangePictureFrame([](TPictureFrame& f) { f.Shrink(); });
      return true;
    case FrameCommand::Save:
      SavePicture(false);
      return true;
    case FrameCommand::SaveAntiAliased:
      SavePicture(true);
      return true;
    case FrameCommand::None:
      break;
  }
  pictureFrame_.Press(p.x(), p.y());
  return true;
}

bool TMainWindow::PictureFrameMouseMove(QMouseEvent* event) {
  if (!pictureFrame_.On) return false;
  const QPoint p = event->position().toPoint();
  if (event->buttons().testFlag(Qt::LeftButton) && pictureFrame_.Grab != GrabNone) {
    ChangePictureFrame([p](TPictureFrame& f) { f.DragTo(p.x(), p.y()); });
  } else if (event->buttons() == Qt::NoButton) {
    PaintBox1->setCursor(ShapeOf(pictureFrame_.CursorAt(p.x(), p.y())));
  }
  return true;
}

bool TMainWindow::PictureFrameMouseUp(QMouseEvent*) {
  if (!pictureFrame_.On) return false;
  pictureFrame_.Release();
  PaintBox1->unsetCursor();
  return true;
}

void TMainWindow::SavePicture(bool antiAliased) {
  const std::optional<std::string> chosen = dialogs_->SaveFileName(
      PictureSaveRequest(antiAliased, openFileName_, state_.Folder(FolderKind::SavePicture)));
  if (!chosen) return;
  try {
    WritePictureFile(*chosen, FramePicture(scene_, pictureFrame_.Rect, antiAliased));
  } catch (const std::exception& e) {
    dialogs_->ShowMessage(e.what());
    return;
  }
  state_.Folder(FolderKind::SavePicture) = FileFolder(*chosen);
}

void TMainWindow::btnPrintClick() {
  std::unique_ptr<Printer> printer = ChoosePrinterHook ? ChoosePrinterHook() : nullptr;
  if (!printer) return;
  PrintRequest request;
  request.PaintBoxWidth = PaintBox1->width();
  request.OffsetX = OffsetX->value();
  request.OffsetY = OffsetY->value();
  request.ModelFileName = openFileName_;
  try {
    PrintModel(*printer, scene_, request);
  } catch (const std::exception& e) {
    dialogs_->ShowMessage(e.what());
  }
}
