#include "workspace/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/Document.h"
#include "platform/QtCanvas.h"
#include "workspace/AboutBox.h"
#include "workspace/Icons.h"
#include "workspace/PaintBox.h"
#include "workspace/PalettePanel.h"

namespace {

QScrollBar* MakeBar(QWidget* parent, const char* name, Qt::Orientation o, int min, int max,
                    int small, int large) {
  auto* bar = new QScrollBar(o, parent);
  bar->setObjectName(name);
  bar->setRange(min, max);
  bar->setSingleStep(small);
  bar->setPageStep(large);
  bar->setFocusPolicy(Qt::NoFocus);
  return bar;
}

}  // namespace

TMainWindow::TMainWindow(TDocument& document, TShapeCache& shapes, const MainWindowSetup& setup,
                         QWidget* parent)
    : QMainWindow(parent),
      document_(document),
      shapes_(shapes),
      setup_(setup),
      scene_(document, rc_),
      dialogs_(CreateWindowDialogs(this)),
      carrying_(document, scene_) {
  setObjectName("MainForm");
  // The window itself holds the keyboard; its controls give the keys back.
  setFocusPolicy(Qt::StrongFocus);
  setWindowTitle(kCaption);
  scene_.BackgroundColor = ButtonFaceColor();
  // Nothing is painted until the paint box has its first size.
  scene_.RedrawSuppressed = true;

  BuildPaintArea();
  BuildViewBars();
  BuildToolbars();
  BuildMiscToolbar();
  BuildPalettePanel();
  BuildMenus();
  AddAboutButton(*this);
  BuildCarryControls();
  BuildPictureControls();
  BuildHistoryControls();
  ConnectScene();
  ConnectCarrying();
  palette_ = new TPalettePanel(*this);
  BuildAdvancedToolbox();
  qApp->installEventFilter(this);

  rc_.view.ViewScale = 1;
  SetView(70, 30);
  ZLiftOff->setValue(TDocument::kInitialZCutLevel);  // clamps to the bar's maximum
  RememberView();
  ReadSettings();
  palette_->ShowPage(0);
  document_.GroupCounter = 0;
  state_.ResetFolders(setup_.files.StartFolder());
  resize(1000, 700);
}

TMainWindow::~TMainWindow() {
  qApp->removeEventFilter(this);
  document_.History.Changed = nullptr;
  FormDestroy();
}

TColor TMainWindow::ButtonFaceColor() const {
  return FromQColor(QApplication::palette().color(QPalette::Button));
}

QToolButton* TMainWindow::AddButton(QToolBar* bar, const char* name, const char* hint,
                                    const QIcon& icon, bool checkable) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setIcon(icon);
  button->setCheckable(checkable);
  // The buttons never take the keyboard, so the window's keys keep working.
  button->setFocusPolicy(Qt::NoFocus);
  bar->addWidget(button);
  return button;
}

QAction* TMainWindow::AddMenuItem(QMenu* menu, const char* name, const char* caption,
                                  bool checkable) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(name);
  action->setCheckable(checkable);
  return action;
}

void TMainWindow::BuildPaintArea() {
  auto* central = new QWidget(this);
  central->setObjectName("Panel1");
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  PaintBox1 = new TPaintBox(scene_.ScreenImage, central);
  OffsetX =
      MakeBar(central, "OffsetX", Qt::Horizontal, ViewPositions::kOffsetMin,
              ViewPositions::kOffsetMax, ViewPositions::kOffsetSmall, ViewPositions::kOffsetLarge);
  OffsetY =
      MakeBar(central, "OffsetY", Qt::Vertical, ViewPositions::kOffsetMin,
              ViewPositions::kOffsetMax, ViewPositions::kOffsetSmall, ViewPositions::kOffsetLarge);
  grid->addWidget(PaintBox1, 0, 0);
  grid->addWidget(OffsetY, 0, 1);
  grid->addWidget(OffsetX, 1, 0);
  setCentralWidget(central);
  PaintBox1->Resized = [this](int w, int h) { PaintBoxResized(w, h); };
  connect(OffsetX, &QScrollBar::valueChanged, this, [this] { OffsetChanged(); });
  connect(OffsetY, &QScrollBar::valueChanged, this, [this] { OffsetChanged(); });
}

void TMainWindow::BuildViewBars() {
  // Hidden bars that only hold the positions of tilt, spin and scale.
  RotX = MakeBar(this, "RotX", Qt::Vertical, ViewPositions::kRotXMin, ViewPositions::kRotXMax,
                 ViewPositions::kRotXSmall, ViewPositions::kRotXLarge);
  RotZ = MakeBar(this, "RotZ", Qt::Horizontal, ViewPositions::kRotZMin, ViewPositions::kRotZMax,
                 ViewPositions::kRotZSmall, ViewPositions::kRotZLarge);
  ScaleBar =
      MakeBar(this, "ScaleBar", Qt::Horizontal, ViewPositions::kScaleMin, ViewPositions::kScaleMax,
              ViewPositions::kScaleSmall, ViewPositions::kScaleLarge);
  ScaleBar->setValue(10);
  for (QScrollBar* bar : {RotX, RotZ, ScaleBar}) {
    bar->hide();
    connect(bar, &QScrollBar::valueChanged, this, [this] { ViewBarChanged(); });
  }
}

void TMainWindow::BuildToolbars() {
  tbMain = addToolBar("Main");
  tbMain->setObjectName("tbMain");
  QToolButton* load = AddButton(tbMain, "btnLoad", "Load model", MakeIcon(IconKind::Load));
  QToolButton* save = AddButton(tbMain, "btnSave", "Save model", MakeIcon(IconKind::Save));
  QToolButton* clear = AddButton(tbMain, "btnClear", "New model", MakeIcon(IconKind::NewModel));
  QToolButton* options = AddButton(tbMain, "btnOptions", "Options", MakeIcon(IconKind::Options));
  QToolButton* exit = AddButton(tbMain, "ExitButton", "Exit", MakeIcon(IconKind::Exit));
  pumLoad = new QMenu(this);
  pumLoad->setObjectName("pumLoad");
  pumSave = new QMenu(this);
  pumSave->setObjectName("pumSave");
  pumOptions = new QMenu(this);
  pumOptions->setObjectName("pumOptions");
  for (auto [button, menu] : {std::pair{load, pumLoad}, {save, pumSave}, {options, pumOptions}}) {
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
  }
  connect(clear, &QToolButton::clicked, this, [this] { btnClearClick(); });
  connect(exit, &QToolButton::clicked, this, [this] { close(); });

  tbView = addToolBar("View");
  tbView->setObjectName("tbView");
  auto button = [this](const char* name, const char* hint, IconKind icon,
                       void (TMainWindow::*slot)()) {
    QToolButton* b = AddButton(tbView, name, hint, MakeIcon(icon));
    connect(b, &QToolButton::clicked, this, [this, slot] { (this->*slot)(); });
    return b;
  };
  button("btnRotUp", "Rotate up", IconKind::RotateUp, &TMainWindow::btnRotUpClick);
  button("btnRotDown", "Rotate down", IconKind::RotateDown, &TMainWindow::btnRotDownClick);
  button("btnRotLeft", "Rotate left", IconKind::RotateLeft, &TMainWindow::btnRotLeftClick);
  button("btnRotRight", "Rotate right", IconKind::RotateRight, &TMainWindow::btnRotRightClick);
  btnZoomIn = button("btnZoomIn", "Zoom in", IconKind::ZoomIn, &TMainWindow::btnZoomInClick);
  btnZoomOut = button("btnZoomOut", "Zoom out", IconKind::ZoomOut, &TMainWindow::btnZoomOutClick);
  for (QToolButton* zoom : {btnZoomIn, btnZoomOut}) {
    zoom->setAutoRepeat(true);
    zoom->setAutoRepeatDelay(200);
    zoom->setAutoRepeatInterval(200);
  }
  button("btnHome", "Restore standard view", IconKind::StandardView, &TMainWindow::btnHomeClick);
  button("btnRestoreView", "Restore original view", IconKind::OriginalView,
         &TMainWindow::btnRestoreViewClick);
  QToolButton* refresh =
      AddButton(tbView, "btnRefresh", "Refresh display", MakeIcon(IconKind::Refresh));
  connect(refresh, &QToolButton::clicked, this, [this] { scene_.Refresh(); });
  tbView->addSeparator();
  btnStuds = AddButton(tbView, "btnStuds", "Show studs", MakeIcon(IconKind::Studs), true);
  btnWireframe =
      AddButton(tbView, "btnWireframe", "Wireframe", MakeIcon(IconKind::Wireframe), true);
  btnSeeThrough = AddButton(tbView, "btnSeeThrough", "See through baseplate",
                            MakeIcon(IconKind::SeeThrough), true);
  connect(btnStuds, &QToolButton::toggled, this, [this](bool down) {
    rc_.switches.StudsHidden = down;
    Invalidate();
  });
  connect(btnWireframe, &QToolButton::toggled, this, [this](bool down) {
    rc_.switches.Wireframe = down;
    Invalidate();
  });
  connect(btnSeeThrough, &QToolButton::toggled, this, [this](bool down) {
    rc_.switches.SeeThroughBaseplate = down;
    Invalidate();
  });

  // The fixed views start the second row, beside the work controls, so that
  // every button shows in the window's first size.
  addToolBarBreak();
  tbFixedViews = addToolBar("Fixed Views");
  tbFixedViews->setObjectName("tbFixedViews");
  for (const FixedView& v : kFixedViews) {
    QToolButton* b = AddButton(tbFixedViews, v.name, v.hint, FixedViewIcon(v.tag));
    const int tag = v.tag;
    connect(b, &QToolButton::clicked, this, [this, tag] { FixedViewClick(tag); });
  }
  for (QToolBar* bar : {tbMain, tbView, tbFixedViews}) {
    bar->setMovable(true);
    bar->setFloatable(true);
    bar->setAllowedAreas(Qt::AllToolBarAreas);
  }
}

void TMainWindow::BuildMiscToolbar() {
  tbMisc = addToolBar("Misc.");
  tbMisc->setObjectName("tbMisc");
  auto sizeField = [this](const char* name, const char* hint, const char* value) {
    auto* edit = new QLineEdit(value, tbMisc);
    edit->setObjectName(name);
    edit->setToolTip(hint);
    edit->setMaximumWidth(40);
    edit->setFocusPolicy(Qt::ClickFocus);
    tbMisc->addWidget(edit);
    connect(edit, &QLineEdit::returnPressed, this, [this] { ApplyBaseplateSize(); });
    return edit;
  };
  BSizeX = sizeField("BSizeX", "Length of baseplate", "16");
  BSizeY = sizeField("BSizeY", "Width of baseplate", "8");
  ThickBase =
      AddButton(tbMisc, "ThickBase", "Thick/thin baseplate", MakeIcon(IconKind::ThickBase), true);
  connect(ThickBase, &QToolButton::clicked, this, [this] { ApplyBaseplateSize(); });
  tbMisc->addSeparator();
  const int zTop = RangeOf(ViewBar::ZLiftOff).max;
  ZLiftOff = MakeBar(tbMisc, "ZLiftOff", Qt::Horizontal, 0, zTop, 8, 24);
  ZLiftOff->setToolTip("Z cut-off level");
  // Long enough to find a level by eye; the exact level is typed beside it.
  ZLiftOff->setMinimumWidth(kZLiftOffWidth);
  tbMisc->addWidget(ZLiftOff);
  edZLiftOff = new QSpinBox(tbMisc);
  edZLiftOff->setObjectName("edZLiftOff");
  edZLiftOff->setToolTip("Z cut-off level (8 per plate)");
  edZLiftOff->setRange(0, zTop);
  edZLiftOff->setSingleStep(8);
  edZLiftOff->setKeyboardTracking(false);  // the level moves on Enter, not on every digit
  edZLiftOff->setFocusPolicy(Qt::ClickFocus);
  tbMisc->addWidget(edZLiftOff);
  connect(edZLiftOff, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int level) { ZLiftOff->setValue(level); });
  connect(edZLiftOff, &QSpinBox::editingFinished, this, [this] { setFocus(); });
  // The label still holds the level as text; the user sees and types it in the field.
  lblZLiftOff = new QLabel("0", tbMisc);
  lblZLiftOff->setObjectName("lblZLiftOff");
  lblZLiftOff->hide();
  connect(ZLiftOff, &QScrollBar::valueChanged, this, [this](int p) { ZLiftOffChange(p); });
  tbMisc->setMovable(true);
  tbMisc->setAllowedAreas(Qt::AllToolBarAreas);
}

void TMainWindow::BuildPalettePanel() {
  auto* dock = new QDockWidget("Pieces", this);
  dock->setObjectName("Panel2");
  dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  auto* panel = new QWidget(dock);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(2, 2, 2, 2);
  auto* row = new QHBoxLayout();
  ComboBox1 = new QComboBox(panel);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setFocusPolicy(Qt::NoFocus);
  auto pageButton = [panel](const char* name, const char* hint, IconKind icon) {
    auto* b = new QToolButton(panel);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setIcon(MakeIcon(icon));
    b->setAutoRepeat(true);
    b->setAutoRepeatInterval(200);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
  };
  row->addWidget(pageButton("btnPrevPage", "Previous page", IconKind::PreviousPage));
  row->addWidget(ComboBox1, 1);
  row->addWidget(pageButton("btnNextPage", "Next page", IconKind::NextPage));
  column->addLayout(row);
  ListBox1 = new QListWidget(panel);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setFocusPolicy(Qt::NoFocus);
  column->addWidget(ListBox1, 1);
  panel->setMinimumWidth(190);
  dock->setWidget(panel);
  addDockWidget(Qt::RightDockWidgetArea, dock);
}

void TMainWindow::BuildMenus() {
  AddMenuItem(pumLoad, "mNewmodel", "&Complete model...");
  AddMenuItem(pumLoad, "mSubassembly", "&Subassembly...");
  connect(pumLoad->actions()[0], &QAction::triggered, this, [this] { mNewmodelClick(); });
  connect(pumLoad->actions()[1], &QAction::triggered, this, [this] { mSubassemblyClick(); });
  connect(pumLoad, &QMenu::aboutToShow, this, [this] { pumLoadPopup(); });

  QAction* saveModel = AddMenuItem(pumSave, "mSaveModel", "&Complete model...");
  mSaveSelected = AddMenuItem(pumSave, "mSaveSelected", "&Selected pieces only...");
  connect(saveModel, &QAction::triggered, this,
          [this] { SaveModel(FolderKind::SaveModel, false); });
  connect(mSaveSelected, &QAction::triggered, this,
          [this] { SaveModel(FolderKind::SaveSelection, true); });
  connect(pumSave, &QMenu::aboutToShow, this, [this] { pumSavePopup(); });

  pumOptions->setToolTipsVisible(true);
  Advancedtoolbox1 = AddMenuItem(pumOptions, "Advancedtoolbox1", "Advanced toolbox", true);
  Advancedtoolbox1->setToolTip("Turn on/off the advanced options toolwindow");
  mLDrawThisView = AddMenuItem(pumOptions, "mLDrawThisView", "LDraw this view");
  connect(mLDrawThisView, &QAction::triggered, this, [this] { LDrawThisViewClick(); });
  mPovL2P = AddMenuItem(pumOptions, "mPovL2P", "POV (via L2P)");
  mPovL3P = AddMenuItem(pumOptions, "mPovL3P", "POV (via L3P)");
  connect(mPovL2P, &QAction::triggered, this, [this] { L2povClick(); });
  connect(mPovL3P, &QAction::triggered, this, [this] { L3povClick(); });
  pumOptions->addSeparator();
  miGroup = AddMenuItem(pumOptions, "miGroup", "Make group");
  miBreak = AddMenuItem(pumOptions, "miBreak", "Break group(s)");
  connect(miGroup, &QAction::triggered, this, [this] { miGroupClick(); });
  connect(miBreak, &QAction::triggered, this, [this] { miBreakClick(); });
  connect(pumOptions, &QMenu::aboutToShow, this, [this] { pumOptionsPopup(); });
  pumOptions->addSeparator();
  studQuality = new QActionGroup(this);
  const char* studNames[3] = {"mFastStuds", "mBetterStuds", "mBestStuds"};
  const char* studCaptions[3] = {"FastStuds", "Better studs (slow!)", "Best studs (real slow!!!)"};
  for (int tag = 0; tag < 3; ++tag) {
    QAction* a = AddMenuItem(pumOptions, studNames[tag], studCaptions[tag], true);
    studQuality->addAction(a);
    connect(a, &QAction::triggered, this, [this, tag] { SetStudQuality(tag); });
  }
  pumOptions->addSeparator();
  mSafePos = AddMenuItem(pumOptions, "mSafePos", "Safe positioning", true);
  mSafePos->setToolTip("ON to snap on top of other blocks");
  mSafePos->setChecked(true);
  mLandingGuide = AddMenuItem(pumOptions, "mLandingGuide", "Show landing guide", true);
  mLandingGuide->setToolTip("Outline where a carried piece will come to rest");
  mLandingGuide->setChecked(true);
  mSkipCoveredStuds =
      AddMenuItem(pumOptions, "mSkipCoveredStuds", "Don't render covered studs", true);
  mSlowRender = AddMenuItem(pumOptions, "mSlowRender", "Slow rendering (piece by piece)", true);
  connect(mSkipCoveredStuds, &QAction::toggled, this, [this](bool on) { SetSkipCoveredStuds(on); });
  connect(mSlowRender, &QAction::toggled, this, [this](bool on) { SetSlowRender(on); });
  pumOptions->addSeparator();
  QAction* restoreColor = AddMenuItem(pumOptions, "mRestoreColor", "Restore background color");
  QAction* picture = AddMenuItem(pumOptions, "mBackgroundPicture", "Background picture...");
  connect(restoreColor, &QAction::triggered, this, [this] { RestoreBackgroundColor(); });
  connect(picture, &QAction::triggered, this, [this] { ChooseBackgroundPicture(); });
  pumOptions->addSeparator();
  detailLevel = new QActionGroup(this);
  const char* detailNames[3] = {"mNoDetails", "mMoreDetail", "mMostDetail"};
  const char* detailCaptions[3] = {"No details", "More detail (decorations)",
                                   "Most detail (bitmaps)"};
  for (int tag = 0; tag < 3; ++tag) {
    QAction* a = AddMenuItem(pumOptions, detailNames[tag], detailCaptions[tag], true);
    detailLevel->addAction(a);
    connect(a, &QAction::triggered, this, [this, tag] { SetDetailLevel(tag); });
  }
  pumOptions->addSeparator();
  mHints = AddMenuItem(pumOptions, "mHints", "Hints", true);
  mShading = AddMenuItem(pumOptions, "mShading", "Shading", true);
  QAction* light = AddMenuItem(pumOptions, "mAdjustLight", "Adjust light direction");
  connect(mHints, &QAction::toggled, this, [this](bool on) { SetHints(on); });
  connect(mShading, &QAction::toggled, this, [this](bool on) { SetShading(on); });
  connect(light, &QAction::triggered, this, [this] { AdjustLightDirection(); });
}

void TMainWindow::ConnectScene() {
  scene_.SetBusy = [](bool busy) {
    if (busy)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
  };
  scene_.ScreenChanged = [this] {
    // While pieces appear one by one the user must see each of them at once.
    if (scene_.SlowRender)
      PaintBox1->repaint();
    else
      PaintBox1->update();
  };
}

bool TMainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The window sees every key before the control that has the keyboard.
  if (event->type() == QEvent::KeyPress && PreviewKey(watched, static_cast<QKeyEvent*>(event)))
    return true;
  // "Hints" switches the tool tips of the whole program.
  if (event->type() == QEvent::ToolTip && !state_.Prefs.Hints) return true;
  return QMainWindow::eventFilter(watched, event);
}
