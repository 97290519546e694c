// Carrying and placing pieces with the mouse: the paint box's mouse, the
// pointer mode, the positioning grid, "Safe positioning", the toggles for
// new pieces and the current colour.
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/Error.h"
#include "workspace/AdvancedToolbox.h"
#include "workspace/Icons.h"
#include "workspace/MainWindow.h"
#include "workspace/PaintBox.h"

namespace {

MouseState StateOf(const QMouseEvent& event, Qt::MouseButtons buttons) {
  MouseState s;
  const Qt::KeyboardModifiers keys = event.modifiers();
  s.Shift = keys.testFlag(Qt::ShiftModifier);
  s.Ctrl = keys.testFlag(Qt::ControlModifier);
  // Many window managers take Alt with a mouse button for moving windows; those
  // that leave Alt alone take the Windows key instead. Either one serves here.
  s.Alt = keys.testFlag(Qt::AltModifier) || keys.testFlag(Qt::MetaModifier);
  s.Left = buttons.testFlag(Qt::LeftButton);
  s.Right = buttons.testFlag(Qt::RightButton);
  return s;
}

TPoint PointOf(const QMouseEvent& event) {
  const QPoint p = event.position().toPoint();
  return {p.x(), p.y()};
}

}  // namespace

void TMainWindow::BuildCarryControls() {
  tbMisc->addSeparator();
  btnPointer =
      AddButton(tbMisc, "btnPointer", "Select pointer mode", MakeIcon(IconKind::Pointer), true);
  btnPointer->setChecked(true);
  connect(btnPointer, &QToolButton::clicked, this, [this] { btnPointerClick(); });
  cbResolution = new QComboBox(tbMisc);
  cbResolution->setObjectName("cbResolution");
  cbResolution->setToolTip("Positioning grid");
  cbResolution->addItems({"Normal", "Half", "Fine"});
  cbResolution->setFocusPolicy(Qt::NoFocus);
  tbMisc->addWidget(cbResolution);
  connect(cbResolution, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this] { cbResolutionChange(); });

  // The toggles for new pieces sit with the palette they belong to.
  auto* dock = findChild<QDockWidget*>("Panel2");
  auto* column = qobject_cast<QVBoxLayout*>(dock->widget()->layout());
  auto* row = new QHBoxLayout();
  auto toggle = [dock, row](const char* name, const char* hint, IconKind icon) {
    auto* b = new QToolButton(dock->widget());
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setIcon(MakeIcon(icon));
    b->setCheckable(true);
    b->setFocusPolicy(Qt::NoFocus);
    row->addWidget(b);
    return b;
  };
  btnPieceStuds = toggle("btnPieceStuds", "Studded blocks", IconKind::Studs);
  btnTransparent = toggle("btnTransparent", "Transparent blocks", IconKind::SeeThrough);
  row->addStretch(1);
  column->insertLayout(1, row);
  connect(btnPieceStuds, &QToolButton::toggled, this,
          [this](bool down) { carrying_.ApplyStuds(!down); });
  connect(btnTransparent, &QToolButton::toggled, this,
          [this](bool down) { carrying_.ApplyTransparent(down); });

  connect(mSafePos, &QAction::toggled, this, [this](bool on) { carrying_.SafePositioning = on; });
  connect(mLandingGuide, &QAction::toggled, this, [this](bool on) { SetLandingGuide(on); });
}

void TMainWindow::ConnectCarrying() {
  carrying_.SelectionChanged = [this] { RefreshSelection(); };
  carrying_.ViewBars = [this] { return Positions(); };
  carrying_.SetView = [this](int rotX, int rotZ) { SetView(rotX, rotZ); };
  PaintBox1->MouseDown = [this](QMouseEvent* e) { PaintBox1MouseDown(e); };
  PaintBox1->MouseMove = [this](QMouseEvent* e) { PaintBox1MouseMove(e); };
  PaintBox1->MouseUp = [this](QMouseEvent* e) { PaintBox1MouseUp(e); };
  SetPointerControl(CreateWidgetPointer(*PaintBox1));
}

void TMainWindow::SetPointerControl(std::unique_ptr<PointerControl> pointer) {
  pointer_ = std::move(pointer);
  carrying_.Pointer = pointer_.get();
}

const TBlockList& TMainWindow::CarrySet() const {
  return carrying_.CarryingSet && carrying_.CarryList ? *carrying_.CarryList : carrySet_;
}

void TMainWindow::RedrawPicture() {
  if (scene_.RedrawSuppressed) return;
  scene_.RedrawPicture();
  carrying_.DrawCarried();
}

void TMainWindow::PaintBox1MouseDown(QMouseEvent* event) {
  if (PictureFrameMouseDown(event)) return;
  const TPoint p = PointOf(*event);
  const bool wasCarrying = carrying_.Carrying();
  carrying_.MouseDown(p.x, p.y, StateOf(*event, event->button()));
  // A one-shot put-down ends in pointer mode, a pick-up leaves it.
  if (wasCarrying != carrying_.Carrying()) btnPointer->setChecked(!carrying_.Carrying());
}

void TMainWindow::PaintBox1MouseMove(QMouseEvent* event) {
  if (PictureFrameMouseMove(event)) return;
  const TPoint p = PointOf(*event);
  carrying_.MouseMove(p.x, p.y, StateOf(*event, event->buttons()));
}

void TMainWindow::PaintBox1MouseUp(QMouseEvent* event) {
  if (PictureFrameMouseUp(event)) return;
  carrying_.MouseUp();
}

void TMainWindow::btnPointerClick() {
  carrying_.PointerMode();
  btnPointer->setChecked(true);
  AdvOptions->ShowPiece(nullptr);
}

bool TMainWindow::PlacePiece(std::unique_ptr<TBlock> piece) {
  // A new piece takes the toolbox's step; a step that is no number refuses it.
  if (!AdvOptions->NewPieceStep()) {
    const std::string text = AdvOptions->edStepNo->text().toLocal8Bit().toStdString();
    dialogs_->ShowMessage(Format("'%s' is not a valid integer value", text.c_str()));
    return false;
  }
  if (piece) piece->Color = carrying_.CurrentColor;
  if (!carrying_.StartPlacement(std::move(piece))) return false;
  btnPointer->setChecked(false);
  carrying_.DrawCarried();
  return true;
}

void TMainWindow::SetCurrentColor(TColor color, bool fromSwatch) {
  carrying_.ApplyColor(color, fromSwatch);
}

void TMainWindow::SetLandingGuide(bool on) {
  state_.Prefs.LandingGuide = on;
  rc_.switches.LandingGuide = on;
  if (mLandingGuide->isChecked() != on) mLandingGuide->setChecked(on);
  if (carrying_.Carrying()) RedrawPicture();
}

void TMainWindow::cbResolutionChange() {
  carrying_.Grid = static_cast<PositioningGrid>(std::max(0, cbResolution->currentIndex()));
}
