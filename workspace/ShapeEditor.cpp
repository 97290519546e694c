// The shape editor's window: its controls, their layout and their wiring.
#include "workspace/ShapeEditor.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "shapes/DrawClass.h"
#include "shapes/ShapeEditing.h"
#include "workspace/Icons.h"
#include "workspace/MainWindow.h"
#include "workspace/PaintBox.h"
#include "workspace/ShapeEditorWidgets.h"

namespace {

constexpr const char* kTypeNames[] = {
    "Block",           "Roof",  "Roof top", "Roof corner", "Roof end",
    "Roof top corner", "Round", "Window",   "General",     "Wheel"};

QToolButton* ToolButton(QWidget* parent, const char* name, const char* hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

QSpinBox* SpinField(QWidget* parent, const char* name, int min, int max) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(name);
  s->setRange(min, max);
  return s;
}

QLabel* Caption(QWidget* parent, const char* text, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

TAddHard::TAddHard(TMainWindow& main)
    : QDialog(&main), main_(main), dialogs_(CreateWindowDialogs(this)) {
  setObjectName("AddHard");
  setWindowTitle(kCaption);
  setModal(true);
  auto* column = new QVBoxLayout(this);
  auto* row = new QHBoxLayout();
  auto* previewPanel = new QWidget(this);
  previewPanel->setObjectName("PreviewPanel");
  FacePanel = new QWidget(this);
  FacePanel->setObjectName("FacePanel");
  BuildPreviewPanel(previewPanel);
  BuildFacePanel(FacePanel);
  row->addWidget(previewPanel, 1);
  row->addWidget(FacePanel);
  column->addLayout(row, 1);

  auto* buttons = new QHBoxLayout();
  btnAddPiece = new QPushButton("Add", this);
  btnAddPiece->setObjectName("btnAddPiece");
  btnCancel = new QPushButton("Cancel", this);
  btnCancel->setObjectName("btnCancel");
  // Enter in a field applies the field; it never closes the window by surprise.
  for (QPushButton* b : {btnAddPiece, btnCancel}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  buttons->addStretch(1);
  buttons->addWidget(btnAddPiece);
  buttons->addWidget(btnCancel);
  column->addLayout(buttons);
  connect(btnAddPiece, &QPushButton::clicked, this, [this] {
    if (StoreShape()) accept();
  });
  connect(btnCancel, &QPushButton::clicked, this, [this] { reject(); });
  column->setMenuBar(BuildMenus());
  LayOutFor(0);
}

TAddHard::~TAddHard() = default;

void TAddHard::BuildPreviewPanel(QWidget* panel) {
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  auto* top = new QHBoxLayout();
  lbBlockTypes = new QListWidget(panel);
  lbBlockTypes->setObjectName("lbBlockTypes");
  for (const char* name : kTypeNames) lbBlockTypes->addItem(name);
  lbBlockTypes->setFixedWidth(120);
  lbBlockTypes->setFixedHeight(lbBlockTypes->sizeHintForRow(0) * 10 + 6);
  top->addWidget(lbBlockTypes);
  auto* sizes = new QFormLayout();
  edtX = SpinField(panel, "edtX", 1, kMaxSize);
  edtY = SpinField(panel, "edtY", 1, kMaxSize);
  edtZ = SpinField(panel, "edtZ", 1, kMaxSize);
  for (QSpinBox* edit : {edtX, edtY, edtZ}) {
    // Only the spin buttons (and the arrow keys) change a size; typed keys are not taken.
    edit->findChild<QLineEdit*>()->setReadOnly(true);
    connect(edit, qOverload<int>(&QSpinBox::valueChanged), this, [this] { StretchShape(); });
  }
  edtIdent = new QLineEdit(panel);
  edtIdent->setObjectName("edtIdent");
  sizes->addRow(Caption(panel, "X:", edtX), edtX);
  sizes->addRow(Caption(panel, "Y:", edtY), edtY);
  sizes->addRow(Caption(panel, "Z:", edtZ), edtZ);
  sizes->addRow(Caption(panel, "Identity", edtIdent), edtIdent);
  top->addLayout(sizes, 1);
  column->addLayout(top);
  connect(lbBlockTypes, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!fillingSizes_) lbBlockTypesClick(row);
  });

  auto* bar = new QHBoxLayout();
  bar->setSpacing(1);
  auto viewButton = [this, panel, bar](const char* name, const char* hint, IconKind icon,
                                       void (TAddHard::*slot)()) {
    QToolButton* b = ToolButton(panel, name, hint);
    b->setIcon(MakeIcon(icon));
    bar->addWidget(b);
    connect(b, &QToolButton::clicked, this, [this, slot] { (this->*slot)(); });
    return b;
  };
  btnRotLeft =
      viewButton("btnRotLeft", "Rotate left", IconKind::RotateLeft, &TAddHard::btnRotLeftClick);
  btnRotRight =
      viewButton("btnRotRight", "Rotate right", IconKind::RotateRight, &TAddHard::btnRotRightClick);
  btnRotUp = viewButton("btnRotUp", "Rotate up", IconKind::RotateUp, &TAddHard::btnRotUpClick);
  btnRotDown =
      viewButton("btnRotDown", "Rotate down", IconKind::RotateDown, &TAddHard::btnRotDownClick);
  btnZoomIn = viewButton("btnZoomIn", "Zoom in", IconKind::ZoomIn, &TAddHard::btnZoomInClick);
  btnZoomOut = viewButton("btnZoomOut", "Zoom out", IconKind::ZoomOut, &TAddHard::btnZoomOutClick);
  btnWireBase = ToolButton(panel, "btnWireBase", "See through");
  btnWireBase->setIcon(MakeIcon(IconKind::SeeThrough));
  btnWireBase->setCheckable(true);
  bar->addWidget(btnWireBase);
  connect(btnWireBase, &QToolButton::toggled, this, [this](bool down) {
    if (PreviewPiece) PreviewPiece->Transparent = down;
    PaintPreview();
  });
  bar->addSpacing(6);
  auto* details = new QButtonGroup(this);
  QToolButton** detailButtons[3] = {&spbDet0, &spbDet1, &spbDet2};
  const char* detailNames[3] = {"spbDet0", "spbDet1", "spbDet2"};
  const char* detailHints[3] = {"No details", "More detail (decorations)", "Most detail (bitmaps)"};
  for (int level = 0; level < 3; ++level) {
    QToolButton* b = ToolButton(panel, detailNames[level], detailHints[level]);
    b->setText(QString::number(level));
    b->setCheckable(true);
    details->addButton(b, level);
    bar->addWidget(b);
    connect(b, &QToolButton::clicked, this, [this, level] { SetDetailLevel(level); });
    *detailButtons[level] = b;
  }
  spbColor = ToolButton(panel, "spbColor", "Colour of the face");
  spbColor->setText("Colour...");
  bar->addWidget(spbColor);
  connect(spbColor, &QToolButton::clicked, this, [this] { spbColorClick(); });
  bar->addStretch(1);
  column->addLayout(bar);

  PaintBox1 = new TPaintBox(previewBitmap_, panel);
  PaintBox1->setMinimumSize(260, 220);
  PaintBox1->Resized = [this](int w, int h) {
    previewBitmap_.resize(w, h);
    PaintPreview();
  };
  column->addWidget(PaintBox1, 1);
}

void TAddHard::BuildFacePanel(QWidget* panel) {
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  auto* lists = new QGridLayout();
  lbAllPolys = new TDropList("lbAllPolys", panel);
  lbDrawOrder = new TDropList("lbDrawOrder", panel);
  lbCoord = new TDropList("lbCoord", panel);
  lbAllPolys->setFixedWidth(56);
  lbDrawOrder->setFixedWidth(56);
  lbCoord->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  lbCoord->setFixedWidth(lbCoord->fontMetrics().horizontalAdvance("-9999-9999-9999") + 36);
  lbCoord->setItemDelegate(new TCornerRowDelegate(
      [this](int row) {
        return WorkShape && HasFace() && EdgeStroked(WorkShape->GetOutline(CurrentFace), row);
      },
      lbCoord));
  lists->addWidget(Caption(panel, "All", lbAllPolys), 0, 0);
  lists->addWidget(Caption(panel, "Draw", lbDrawOrder), 0, 1);
  lists->addWidget(Caption(panel, "Coordinates", lbCoord), 0, 2);
  lists->addWidget(lbAllPolys, 1, 0);
  lists->addWidget(lbDrawOrder, 1, 1);
  lists->addWidget(lbCoord, 1, 2);
  lists->setRowStretch(1, 1);
  column->addLayout(lists, 1);

  // Rows are dragged from the face list into the order, within the order, and to the trash.
  lbAllPolys->setDragDropMode(QAbstractItemView::DragOnly);
  lbCoord->setDragDropMode(QAbstractItemView::DragOnly);
  lbDrawOrder->Accepts = [this](QWidget* source) {
    return source == lbDrawOrder || source == lbAllPolys;
  };
  lbDrawOrder->Dropped = [this](QWidget* source, int from, int to) {
    lbDrawOrderDragDrop(source, from, to);
  };
  connect(lbAllPolys, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!fillingLists_ && row >= 0) SelectFace(row);
  });
  connect(lbDrawOrder, &QListWidget::currentRowChanged, this, [this](int row) {
    if (fillingLists_ || row < 0) return;
    SelectFace(lbDrawOrder->item(row)->text().toInt() - 1, true);
  });
  connect(lbCoord, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!fillingLists_ && row >= 0) SelectCorner(row);
  });
  lbCoord->RowClicked = [this](int row) { lbCoordClick(row); };
  lbCoord->Typed = [this](char key) {
    lbCoordKeyPress(key);
    return true;
  };

  auto* detailRow = new QHBoxLayout();
  cbDetail = new QComboBox(panel);
  cbDetail->setObjectName("cbDetail");
  cbDetail->addItems({"0", "1", "2"});
  detailRow->addWidget(Caption(panel, "Detail:", cbDetail));
  detailRow->addWidget(cbDetail);
  connect(cbDetail, &QComboBox::currentTextChanged, this, [this] {
    if (!fillingLists_) cbDetailChange();
  });
  btnExtrude = ToolButton(panel, "btnExtrude", "Extend the face into side faces");
  btnExtrude->setText("Extend");
  spExt = SpinField(panel, "spExt", -kMaxCorner, kMaxCorner);
  spExt->setValue(24);
  connect(btnExtrude, &QToolButton::clicked, this, [this] { Extrude(); });
  detailRow->addStretch(1);
  detailRow->addWidget(btnExtrude);
  detailRow->addWidget(spExt);
  column->addLayout(detailRow);

  auto* addRow = new QHBoxLayout();
  btnAddPolygon = ToolButton(panel, "btnAddPolygon", "Add a face");
  btnAddPolygon->setText("+ Face");
  btnAddVertex = ToolButton(panel, "btnAddVertex", "Add a corner before the current one");
  btnAddVertex->setText("+ Corner");
  btnTrash = new TDropButton("btnTrash", panel);
  btnTrash->setToolTip("Drop a row here to delete it");
  btnTrash->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
  btnTrash->setIconSize(QSize(24, 24));
  btnTrash->setFocusPolicy(Qt::NoFocus);
  btnTrash->Accepts = [this](QWidget* source) {
    return source == lbAllPolys || source == lbDrawOrder || source == lbCoord;
  };
  btnTrash->Dropped = [this](QWidget* source, int row) { btnTrashDragDrop(source, row); };
  connect(btnAddPolygon, &QToolButton::clicked, this, [this] { AddPolygonClick(1); });
  connect(btnAddVertex, &QToolButton::clicked, this, [this] { AddVertexClick(1); });
  addRow->addWidget(btnAddPolygon);
  addRow->addWidget(btnAddVertex);
  addRow->addStretch(1);
  addRow->addWidget(btnTrash);
  column->addLayout(addRow);

  auto* cornerRow = new QHBoxLayout();
  AdjX = SpinField(panel, "AdjX", -kMaxCorner, kMaxCorner);
  AdjY = SpinField(panel, "AdjY", -kMaxCorner, kMaxCorner);
  AdjZ = SpinField(panel, "AdjZ", -kMaxCorner, kMaxCorner);
  int axis = 0;
  for (QSpinBox* field : {AdjX, AdjY, AdjZ}) {
    // A typed number counts once it is complete (Enter or leaving the field).
    field->setKeyboardTracking(false);
    cornerRow->addWidget(field);
    connect(field, qOverload<int>(&QSpinBox::valueChanged), this, [this, axis] {
      if (!fillingCorner_) AdjChange(axis);
    });
    ++axis;
  }
  column->addLayout(cornerRow);

  auto* octantRow = new QHBoxLayout();
  speOctant = SpinField(panel, "speOctant", 0, 7);
  octantRow->addWidget(Caption(panel, "Octant:", speOctant));
  octantRow->addWidget(speOctant);
  octantRow->addStretch(1);
  connect(speOctant, qOverload<int>(&QSpinBox::valueChanged), this, [this] { speOctantChange(); });
  column->addLayout(octantRow);

  pumPolys = new QMenu(lbAllPolys);
  pumPolys->setObjectName("pumPolys");
  miTransparent = pumPolys->addAction("Transparent");
  miTransparent->setCheckable(true);
  miBorder = pumPolys->addAction("Border");
  miBorder->setCheckable(true);
  pumPolys->addSeparator();
  miDelete = pumPolys->addAction("Delete");
  connect(miTransparent, &QAction::triggered, this, [this] { TransparentClick(); });
  connect(miBorder, &QAction::triggered, this, [this] { BorderClick(); });
  connect(miDelete, &QAction::triggered, this, [this] { DeleteClick(); });
  lbAllPolys->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lbAllPolys, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    pumPolysPopup();
    pumPolys->exec(lbAllPolys->viewport()->mapToGlobal(at));
  });
  pumDrawOrder = new QMenu(lbDrawOrder);
  pumDrawOrder->setObjectName("pumDrawOrder");
  connect(pumDrawOrder->addAction("&Sort"), &QAction::triggered, this,
          [this] { SortDrawOrder(0); });
  lbDrawOrder->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lbDrawOrder, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    pumDrawOrder->exec(lbDrawOrder->viewport()->mapToGlobal(at));
  });
}

QMenuBar* TAddHard::BuildMenus() {
  auto* bar = new QMenuBar(this);
  auto menu = [this, bar](const char* name, const char* caption) {
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(name);
    mainMenus.append(m);
    return m;
  };
  auto item = [this](QMenu* m, const char* caption, std::function<void()> action) {
    QAction* a = m->addAction(caption);
    if (action) connect(a, &QAction::triggered, this, std::move(action));
    return a;
  };
  QMenu* add = menu("mAdd", "&Add");
  item(add, "&Surface", [this] { AddPolygonClick(1); });
  item(add, "&Point", [this] { AddVertexClick(1); });
  QMenu* copy = menu("mCopy", "&Copy");
  item(copy, "&Surface", [this] { AddPolygonClick(0); });
  item(copy, "&Point", [this] { AddVertexClick(0); });
  const char* axes[6] = {"&X", "&Y", "&Z", "All &X", "All &Y", "All &Z"};
  QMenu* mirror = menu("mMirror", "&Mirror");
  for (int tag = 0; tag < 6; ++tag) item(mirror, axes[tag], [this, tag] { MirrorFaces(tag); });
  // Turning faces is not offered yet; the menu shows where it will be.
  QMenu* rotate = menu("mRotate", "&Rotate");
  for (const char* caption : axes) item(rotate, caption, nullptr)->setEnabled(false);
  QMenu* sort = menu("mSort", "&Sort");
  item(sort, "&Current", [this] { SortDrawOrder(0); });
  item(sort, "&All", [this] { SortDrawOrder(1); });
  return bar;
}
