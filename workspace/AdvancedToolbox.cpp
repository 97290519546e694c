#include "workspace/AdvancedToolbox.h"

#include <QApplication>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>
#include <exception>

#include "model/Bounds.h"
#include "model/Document.h"
#include "model/FieldScanner.h"
#include "model/ModelEdit.h"
#include "output/LDrawExport.h"
#include "platform/Error.h"
#include "platform/QtCanvas.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"
#include "workspace/MainWindow.h"
#include "workspace/PalettePanel.h"

namespace {

constexpr TColor kDiffersColor = 0x0000FF;  // red: the field differs from the stored record
constexpr int kOffsetLimit = 100000;

QPushButton* Button(QWidget* parent, const char* name, const char* caption, QRect at) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setGeometry(at);
  // The buttons leave the keyboard where it is.
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

QLabel* Caption(QWidget* parent, const char* text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  return label;
}

QLabel* Number(QWidget* parent, const char* name, QRect at) {
  auto* label = new QLabel("0", parent);
  label->setObjectName(name);
  label->setGeometry(at);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QSpinBox* Spin(QWidget* parent, const char* name, QRect at, int min, int max, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setGeometry(at);
  spin->setRange(min, max);
  spin->setValue(value);
  return spin;
}

void SetTextColor(QWidget* field, TColor color) {
  QPalette p = field->palette();
  p.setColor(QPalette::Text, ToQColor(color));
  field->setPalette(p);
}

std::string TextOf(const QLineEdit* edit) {
  return edit->text().toLocal8Bit().toStdString();
}

}  // namespace

TSpinButton::TSpinButton(QWidget* parent) : QWidget(parent) {
  upButton = new QToolButton(this);
  downButton = new QToolButton(this);
  upButton->setArrowType(Qt::UpArrow);
  downButton->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {upButton, downButton}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
  }
  connect(upButton, &QToolButton::clicked, this, [this] {
    if (Up) Up();
  });
  connect(downButton, &QToolButton::clicked, this, [this] {
    if (Down) Down();
  });
}

TAdvOptions::TAdvOptions(TMainWindow& window) : QWidget(&window, Qt::Tool), window_(window) {
  setObjectName("AdvOptions");
  setWindowTitle(kCaption);
  BuildSelectionBox();
  BuildGeneralBox();
  BuildLDrawBox();
  // The LDraw box stays cut off until "Edit LDraw info" is down.
  setFixedSize(gbLDraw->x(), kClientHeight);
}

void TAdvOptions::BuildSelectionBox() {
  gbSelection = new QGroupBox("Selection", this);
  gbSelection->setGeometry(4, 4, 230, 264);
  QWidget* g = gbSelection;
  spStud = Button(g, "spStud", "Studs ON/OFF", {8, 20, 100, 24});
  sbColor = Button(g, "sbColor", "Color this piece", {112, 20, 112, 24});
  spTransp = Button(g, "spTransp", "Transparent", {8, 48, 100, 24});
  spTurn = Button(g, "spTurn", "Turn", {112, 48, 112, 24});
  spSetIdentity = Button(g, "spSetIdentity", "Set PartID", {8, 76, 100, 24});
  spSetStep = Button(g, "spSetStep", "Set Step number", {112, 76, 112, 24});
  spSetIdentity->setEnabled(false);
  const char* axes[3] = {"X:", "Y:", "Z:"};
  const char* numbers[3] = {"lx", "ly", "lz"};
  QLabel** shown[3] = {&lx, &ly, &lz};
  TSpinButton** spins[3] = {&sx, &sy, &sz};
  const char* spinNames[3] = {"sx", "sy", "sz"};
  for (int axis = 0; axis < 3; ++axis) {
    const int y = 110 + 30 * axis;
    Caption(g, axes[axis], 8, y + 3);
    *shown[axis] = Number(g, numbers[axis], {24, y, 56, 22});
    TSpinButton* spin = new TSpinButton(g);
    spin->setObjectName(spinNames[axis]);
    spin->setGeometry(82, y - 2, 16, 26);
    spin->upButton->setGeometry(0, 0, 16, 13);
    spin->downButton->setGeometry(0, 13, 16, 13);
    spin->Up = [this, axis] { MoveSelected(axis, 1); };
    spin->Down = [this, axis] { MoveSelected(axis, -1); };
    *spins[axis] = spin;
  }
  Caption(g, "ID:", 108, 113);
  edNewID = new QLineEdit(g);
  edNewID->setObjectName("edNewID");
  edNewID->setGeometry(140, 110, 84, 22);
  edNewID->setEnabled(false);
  Caption(g, "Step:", 108, 143);
  edStepNo = new QLineEdit("0", g);
  edStepNo->setObjectName("edStepNo");
  edStepNo->setGeometry(140, 140, 84, 22);
  spEditLDrawInfo = Button(g, "spEditLDrawInfo", "Edit LDraw info", {8, 228, 216, 26});
  spEditLDrawInfo->setCheckable(true);

  connect(spStud, &QPushButton::clicked, this, [this] { spStudClick(); });
  connect(sbColor, &QPushButton::clicked, this, [this] { sbColorClick(); });
  connect(spTransp, &QPushButton::clicked, this, [this] { spTranspClick(); });
  connect(spTurn, &QPushButton::clicked, this, [this] { spTurnClick(); });
  connect(spSetIdentity, &QPushButton::clicked, this, [this] { spSetIdentityClick(); });
  connect(spSetStep, &QPushButton::clicked, this, [this] { spSetStepClick(); });
  connect(spEditLDrawInfo, &QPushButton::toggled, this,
          [this](bool down) { spEditLDrawInfoClick(down); });
  // The step shares the id's handler, as the record follows either.
  connect(edNewID, &QLineEdit::textChanged, this, [this] { edNewIDChange(); });
  connect(edStepNo, &QLineEdit::textChanged, this, [this] { edNewIDChange(); });
}

void TAdvOptions::BuildGeneralBox() {
  gbGeneral = new QGroupBox("General", this);
  gbGeneral->setGeometry(238, 4, 96, 264);
  QWidget* g = gbGeneral;
  spReplaceColor = Button(g, "spReplaceColor", "Replace color", {5, 20, 86, 24});
  spUseThisColor = Button(g, "spUseThisColor", "Use this color", {5, 48, 86, 24});
  Caption(g, "Step:", 5, 84);
  // The step filter; steps are 16-bit numbers.
  spStep = Spin(g, "spStep", {5, 100, 86, 22}, -32768, 32767, 9999);
  spClose = Button(g, "spClose", "Close", {5, 228, 86, 26});
  connect(spReplaceColor, &QPushButton::clicked, this, [this] { spReplaceColorClick(); });
  connect(spUseThisColor, &QPushButton::clicked, this, [this] { spUseThisColorClick(); });
  connect(spStep, qOverload<int>(&QSpinBox::valueChanged), this,
          [this] { window_.RedrawPicture(); });
  connect(spClose, &QPushButton::clicked, this, [this] { spCloseClick(); });
}

void TAdvOptions::BuildLDrawBox() {
  gbLDraw = new QGroupBox("LDraw export information", this);
  gbLDraw->setGeometry(338, 4, 155, 264);
  QWidget* g = gbLDraw;
  Caption(g, "xOffset", 8, 20);
  spXoffsetL = Spin(g, "spXoffsetL", {8, 36, 139, 22}, -kOffsetLimit, kOffsetLimit, 0);
  Caption(g, "yOffset", 8, 64);
  spYoffsetL = Spin(g, "spYoffsetL", {8, 80, 139, 22}, -kOffsetLimit, kOffsetLimit, 0);
  Caption(g, "zOffset", 8, 108);
  spZoffsetL = Spin(g, "spZoffsetL", {8, 124, 139, 22}, -kOffsetLimit, kOffsetLimit, 0);
  Caption(g, "RotOffset", 8, 152);
  // Quarter turns in bits 0-1 and the diagonal matrices in bit 2, so that a
  // record that uses them is shown and stored as it is.
  spRotOffset = Spin(g, "spRotOffset", {8, 168, 139, 22}, 0, 7, 0);
  spUpdateLDraw = Button(g, "spUpdateLDraw", "Update", {8, 228, 67, 26});
  RxSpeedButton1 = Button(g, "RxSpeedButton1", "LDraw", {80, 228, 67, 26});
  for (QSpinBox* field : {spXoffsetL, spYoffsetL, spZoffsetL, spRotOffset})
    connect(field, qOverload<int>(&QSpinBox::valueChanged), this, [this] { OffsetFieldChange(); });
  connect(spUpdateLDraw, &QPushButton::clicked, this, [this] { spUpdateLDrawClick(); });
  connect(RxSpeedButton1, &QPushButton::clicked, this, [this] { RxSpeedButton1Click(); });
}

void TAdvOptions::PlaceBesideMainWindow() {
  if (placed_) return;
  placed_ = true;
  const QRect main = window_.frameGeometry();
  const QScreen* screen = window_.screen() ? window_.screen() : QApplication::primaryScreen();
  const QRect room = screen ? screen->availableGeometry() : main;
  const int w = kClientWidth, h = kClientHeight;
  int x = main.right() + 1;
  if (x + w > room.right() + 1) x = main.left() - w;  // on the other side
  if (x < room.left()) x = room.right() + 1 - w;      // over the main window's edge
  const int y = std::clamp(main.top() + 52, room.top(), std::max(room.top(), room.bottom() - h));
  move(std::max(x, room.left()), y);
}

void TAdvOptions::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // A minimised main window takes its tool windows along; that is no hiding by the user.
  if (!event->spontaneous() && Hidden) Hidden();
}

// ---- selection

void TAdvOptions::RefreshSelection() {
  walk_.LastSelected = -1;
  TBlockList& list = window_.Document().ModelList;
  ForEachSelected(list, walk_);
  const bool any = walk_.LastSelected >= 0;
  for (QWidget* w : {static_cast<QWidget*>(spSetIdentity), static_cast<QWidget*>(edNewID),
                     static_cast<QWidget*>(spSetStep), static_cast<QWidget*>(edStepNo)})
    w->setEnabled(any);
  if (!any) return;
  const TBlock& last = *list[walk_.LastSelected];
  edNewID->setText(QString::fromLocal8Bit(last.PartName.c_str()));
  edStepNo->setText(QString::number(last.Step));
}

void TAdvOptions::ShowPiece(const TBlock* piece) {
  lx->setText(QString::number(piece ? piece->X : 0));
  ly->setText(QString::number(piece ? piece->Y : 0));
  lz->setText(QString::number(piece ? piece->Z : 0));
  if (piece) edNewID->setText(QString::fromLocal8Bit(piece->PartName.c_str()));
}

std::optional<int> TAdvOptions::NewPieceStep() const {
  std::int32_t step = 0;
  if (!TryStrToInt(TextOf(edStepNo), step)) return std::nullopt;
  return step;
}

int TAdvOptions::StepFilter() const {
  return spStep->value();
}

void TAdvOptions::SetStepFilter(int step) {
  spStep->setValue(step);
}

void TAdvOptions::GiveBackKeyboard() {
  window_.activateWindow();
  window_.setFocus();
}

int TAdvOptions::EditSelected(const char* verb, const std::function<void(TBlock&)>& action) {
  // One step of the history, so that an undo takes back the whole click.
  TModelEdit edit(window_.Document(), "");
  const int count = ForEachSelected(window_.Document().ModelList, walk_,
                                    [&](TBlock& piece) { action(edit.Change(piece)); });
  edit.Rename(PiecesName(verb, count));
  return count;
}

void TAdvOptions::ChangeSelected(const char* verb, const std::function<void(TBlock&)>& action,
                                 bool moves) {
  // Moved or turned pieces take their place in the painting order again,
  // and covered studs are worked out anew.
  if (EditSelected(verb, action) > 0 && (moves || window_.Context().switches.SkipCoveredStuds))
    window_.Document().ModelList.SortedOctant = 99;
  window_.RedrawPicture();
  GiveBackKeyboard();
}

void TAdvOptions::spStudClick() {
  ChangeSelected(
      "Switch the studs of", [](TBlock& p) { p.HasStuds = !p.HasStuds; }, false);
}

void TAdvOptions::spTurnClick() {
  ChangeSelected(
      "Turn", [](TBlock& p) { p.Turn(); }, true);
}

void TAdvOptions::sbColorClick() {
  const TColor color = window_.CurrentColor();
  ChangeSelected(
      "Recolour", [color](TBlock& p) { p.Color = color; }, false);
}

void TAdvOptions::spTranspClick() {
  ChangeSelected(
      "Switch see-through of", [](TBlock& p) { p.Transparent = !p.Transparent; }, false);
}

void TAdvOptions::spSetIdentityClick() {
  const std::string id = TextOf(edNewID);
  EditSelected("Set the part id of", [&id](TBlock& p) { p.PartName = id; });
  GiveBackKeyboard();
}

void TAdvOptions::spSetStepClick() {
  std::int32_t step = 0;
  try {
    step = StrToInt(TextOf(edStepNo));
  } catch (const ConversionError& e) {
    window_.Ask().ShowMessage(e.what());
    return;
  }
  // The piece keeps the low 16 bits.
  const auto low = static_cast<std::int16_t>(static_cast<std::uint16_t>(step));
  EditSelected("Set the step of", [low](TBlock& p) { p.Step = low; });
  GiveBackKeyboard();
}

void TAdvOptions::MoveSelected(int axis, int sign) {
  const PositioningGrid grid = window_.Carrying().Grid;
  const int step = sign * (axis == 2 ? GridStepZ(grid) : GridStepXY(grid));
  ChangeSelected(
      "Move",
      [axis, step](TBlock& p) {
        std::int32_t& coordinate = axis == 0 ? p.X : axis == 1 ? p.Y : p.Z;
        coordinate = Clamp32(std::int64_t{coordinate} + step);
      },
      true);
  ShowMinima();
}

void TAdvOptions::ShowMinima() {
  lx->setText(QString::number(walk_.MinX));
  ly->setText(QString::number(walk_.MinY));
  lz->setText(QString::number(walk_.MinZ));
}

void TAdvOptions::spReplaceColorClick() {
  TBlockList& list = window_.Document().ModelList;
  const int first = FirstSelected(list);
  if (first >= 0) {
    const TColor from = list[first]->Color, to = window_.CurrentColor();
    TModelEdit edit(window_.Document(), "");
    int count = 0;
    for (int i = 0; i < list.Count(); ++i) {
      if (list[i]->Color != from) continue;
      edit.Change(*list[i]).Color = to;
      ++count;
    }
    edit.Rename(PiecesName("Recolour", count));
    if (window_.Context().switches.SkipCoveredStuds) list.SortedOctant = 99;
  }
  window_.RedrawPicture();
  GiveBackKeyboard();
}

void TAdvOptions::spUseThisColorClick() {
  TBlockList& list = window_.Document().ModelList;
  const int first = FirstSelected(list);
  if (first < 0) return;
  window_.SetCurrentColor(list[first]->Color, false);
  window_.Palette().Repaint();
  GiveBackKeyboard();
}

void TAdvOptions::spCloseClick() {
  hide();
  GiveBackKeyboard();
}

void TAdvOptions::spEditLDrawInfoClick(bool down) {
  const int edge = gbLDraw->x();
  setFixedSize(down ? edge + gbLDraw->width() + 6 : edge, kClientHeight);
}

// ---- the LDraw box

bool TAdvOptions::MappingListReady() {
  if (mapping_) return true;
  const std::string path = MappingListPath(window_.Setup().files.DataFolder());
  if (!FileExists(path)) return false;
  try {
    mapping_ = TMappingList::Load(path);
    return true;
  } catch (const FileError& e) {
    // Once, not on every key typed into the id.
    if (!loadFailureShown_) window_.Ask().ShowMessage(e.what());
    loadFailureShown_ = true;
    throw;
  }
}

void TAdvOptions::edNewIDChange() {
  LookUpMapping(true);
}

void TAdvOptions::LookUpMapping(bool fillFields) {
  try {
    if (!MappingListReady()) {
      mappingIndex_ = -1;
      return;
    }
  } catch (const FileError&) {
    return;  // reported; the record shown stays
  }
  const std::string id = TextOf(edNewID);
  const std::vector<TLDrawRecord>& records = mapping_->Records();
  mappingIndex_ = -1;
  for (std::size_t i = 0; i < records.size() && mappingIndex_ < 0; ++i)
    if (SameText(records[i].LDrawName, id)) mappingIndex_ = static_cast<int>(i);
  if (mappingIndex_ < 0) return;
  if (fillFields) {
    const TLDrawRecord& r = records[static_cast<std::size_t>(mappingIndex_)];
    spXoffsetL->setValue(r.OffsetAlong);
    spYoffsetL->setValue(r.OffsetUp);
    spZoffsetL->setValue(r.OffsetAcross);
    spRotOffset->setValue(r.Rotation);
  }
  ColourOffsetFields();
}

void TAdvOptions::OffsetFieldChange() {
  if (mappingIndex_ >= 0) ColourOffsetFields();
}

void TAdvOptions::ColourOffsetFields() {
  if (!mapping_ || mappingIndex_ < 0 ||
      static_cast<std::size_t>(mappingIndex_) >= mapping_->Records().size())
    return;
  const TLDrawRecord& r = mapping_->Records()[static_cast<std::size_t>(mappingIndex_)];
  const std::pair<QSpinBox*, int> fields[] = {{spXoffsetL, r.OffsetAlong},
                                              {spYoffsetL, r.OffsetUp},
                                              {spZoffsetL, r.OffsetAcross},
                                              {spRotOffset, r.Rotation}};
  for (const auto& [field, stored] : fields)
    SetTextColor(field, field->value() == stored ? 0 : kDiffersColor);
}

void TAdvOptions::spUpdateLDrawClick() {
  if (!mapping_ || mappingIndex_ < 0 ||
      static_cast<std::size_t>(mappingIndex_) >= mapping_->Records().size())
    return;
  TLDrawRecord r = mapping_->Records()[static_cast<std::size_t>(mappingIndex_)];
  r.OffsetAlong = spXoffsetL->value();
  r.OffsetUp = spYoffsetL->value();
  r.OffsetAcross = spZoffsetL->value();
  r.Rotation = spRotOffset->value();
  try {
    mapping_->Replace(static_cast<std::size_t>(mappingIndex_), r);
  } catch (const FileError& e) {
    window_.Ask().ShowMessage(e.what());  // the old list stays, the fields stay red
    return;
  }
  ColourOffsetFields();
}

void TAdvOptions::RxSpeedButton1Click() {
  try {
    window_.LDrawThisViewClick();
  } catch (const std::exception& e) {
    window_.Ask().ShowMessage(e.what());
  }
}

void TAdvOptions::MappingListReloaded() {
  if (!mapping_) return;
  mapping_.reset();
  // The user's unsaved changes in the fields stay; only the record is found again.
  LookUpMapping(false);
}
