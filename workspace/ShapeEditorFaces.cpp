// The shape editor's faces, corners and painting orders: the three lists,
// selecting, adding, changing and deleting, and dragging rows about.
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>
#include <cctype>

#include "shapes/DrawClass.h"
#include "shapes/ShapeEditing.h"
#include "workspace/ShapeEditor.h"
#include "workspace/ShapeEditorWidgets.h"

namespace {

QString Q(const std::string& text) {
  return QString::fromLocal8Bit(text.c_str());
}

constexpr Point3 kUnitSquare[4] = {{0, 0, 0}, {0, 20, 0}, {20, 20, 0}, {20, 0, 0}};

}  // namespace

int TAddHard::Octant() const {
  return speOctant->value();
}

bool TAddHard::HasFace() const {
  return WorkShape && WorkShape->HasFace(CurrentFace);
}

void TAddHard::SelectRow(QListWidget* list, int row) {
  const bool was = fillingLists_;
  fillingLists_ = true;
  list->setCurrentRow(row);
  fillingLists_ = was;
}

int TAddHard::SelectedFaceRow() const {
  const QListWidgetItem* item = lbAllPolys->currentItem();
  if (item && item->isSelected()) return lbAllPolys->currentRow();
  return HasFace() ? CurrentFace : -1;
}

void TAddHard::ShowCorner(const Point3& p) {
  fillingCorner_ = true;
  AdjX->setValue(p.x);
  AdjY->setValue(p.y);
  AdjZ->setValue(p.z);
  fillingCorner_ = false;
}

void TAddHard::ShowFaceRow(int face) {
  if (QListWidgetItem* item = lbAllPolys->item(face))
    item->setText(Q(FaceRowText(face, WorkShape->GetOutline(face))));
}

void TAddHard::FillCorners() {
  const bool was = fillingLists_;
  fillingLists_ = true;
  lbCoord->clear();
  if (HasFace()) {
    const int count = WorkShape->GetPointCount(CurrentFace);
    for (int i = 0; i < count; ++i)
      lbCoord->addItem(Q(CornerRowText(WorkShape->GetPoint(CurrentFace, i))));
    if (CurrentCorner >= 0) lbCoord->setCurrentRow(CurrentCorner);
  }
  fillingLists_ = was;
}

void TAddHard::ShowCurrentFace() {
  if (!HasFace()) return;
  FillCorners();
  const int count = WorkShape->GetPointCount(CurrentFace);
  RefPoint = count > 0 ? WorkShape->GetPoint(CurrentFace, 0) : Point3{};
  const bool corner = CurrentCorner >= 0 && CurrentCorner < count;
  ShowCorner(corner ? WorkShape->GetPoint(CurrentFace, CurrentCorner) : RefPoint);
}

void TAddHard::RefreshLists() {
  // The current face and corner stay valid whatever was deleted or rebuilt.
  if (!HasFace()) CurrentFace = -1;
  const int corners = HasFace() ? WorkShape->GetPointCount(CurrentFace) : 0;
  CurrentCorner = std::min(CurrentCorner, corners - 1);
  if (WorkShape) WorkShape->HighlightFace = CurrentFace;

  fillingLists_ = true;
  lbDrawOrder->clear();
  lbAllPolys->clear();
  if (WorkShape) {
    for (int face : DrawOrderOf(*WorkShape, Octant()))
      lbDrawOrder->addItem(QString::number(face + 1));
    for (int face = 0; face < WorkShape->FaceCount; ++face)
      lbAllPolys->addItem(Q(FaceRowText(face, WorkShape->GetOutline(face))));
    if (CurrentFace >= 0) lbAllPolys->setCurrentRow(CurrentFace);
  }
  btnExtrude->show();
  FillCorners();
  fillingLists_ = false;
}

void TAddHard::SelectFace(int face, bool fromDrawOrder) {
  if (!WorkShape || !WorkShape->HasFace(face)) return;
  CurrentFace = face;
  CurrentCorner = -1;
  if (fromDrawOrder || lbAllPolys->currentRow() != face) SelectRow(lbAllPolys, face);
  if (!fromDrawOrder) {
    // The order list shows where the face is painted, if it is painted in this octant.
    const std::vector<int> order = DrawOrderOf(*WorkShape, Octant());
    const auto at = std::find(order.begin(), order.end(), face);
    SelectRow(lbDrawOrder, at == order.end() ? -1 : static_cast<int>(at - order.begin()));
  }
  fillingLists_ = true;
  cbDetail->setCurrentText(QString::number(WorkShape->GetDetail(face)));
  fillingLists_ = false;
  WorkShape->HighlightFace = face;
  FillCorners();
  RefPoint = WorkShape->GetPointCount(face) > 0 ? WorkShape->GetPoint(face, 0) : Point3{};
  ShowCorner(RefPoint);
  PaintPreview();
}

void TAddHard::SelectCorner(int corner) {
  if (!HasFace() || corner < 0 || corner >= WorkShape->GetPointCount(CurrentFace)) return;
  CurrentCorner = corner;
  // The values come from the shape itself: a row cannot show five-place numbers in its columns.
  ShowCorner(WorkShape->GetPoint(CurrentFace, corner));
}

void TAddHard::AdjChange(int axis) {
  if (!HasFace()) return;
  const Point3 typed{AdjX->value(), AdjY->value(), AdjZ->value()};
  if (CurrentCorner >= 0 && CurrentCorner < WorkShape->GetPointCount(CurrentFace)) {
    WorkShape->SetPoint(CurrentFace, CurrentCorner, typed);
    if (QListWidgetItem* row = lbCoord->item(CurrentCorner)) row->setText(Q(CornerRowText(typed)));
    SelectRow(lbAllPolys, CurrentFace);
    SelectRow(lbCoord, CurrentCorner);
    PaintPreview();
    return;
  }
  MoveFace(*WorkShape, CurrentFace,
           {typed.x - RefPoint.x, typed.y - RefPoint.y, typed.z - RefPoint.z});
  if (WorkShape->GetPointCount(CurrentFace) > 0) RefPoint = WorkShape->GetPoint(CurrentFace, 0);
  // A face lifted or lowered may become the top or the bottom.
  if (axis == 2) WorkShape->PlaceStuds(edtX->value(), edtY->value());
  PaintPreview();
  FillCorners();
}

void TAddHard::lbCoordKeyPress(char key) {
  QSpinBox* field = nullptr;
  int step = 0;
  switch (std::tolower(static_cast<unsigned char>(key))) {
    case 'a':
      field = AdjX, step = 1;
      break;
    case 'z':
      field = AdjX, step = -1;
      break;
    case 's':
      field = AdjY, step = 1;
      break;
    case 'x':
      field = AdjY, step = -1;
      break;
    case 'd':
      field = AdjZ, step = 1;
      break;
    case 'c':
      field = AdjZ, step = -1;
      break;
    default:
      break;
  }
  if (!field) {
    AdjChange(0);  // any other key applies the fields as they stand
    return;
  }
  const int before = field->value();
  fillingCorner_ = true;
  field->setValue(before + step);
  fillingCorner_ = false;
  if (field->value() != before) AdjChange(field == AdjX ? 0 : field == AdjY ? 1 : 2);
}

void TAddHard::lbCoordClick(int row) {
  if (!HasFace() || row < 0 || row >= TDrawClass::kOutlinedEdges) return;
  WorkShape->SetOutline(CurrentFace, SwitchedEdge(WorkShape->GetOutline(CurrentFace), row));
  ShowFaceRow(CurrentFace);
  lbCoord->viewport()->update();
  PaintPreview();
}

void TAddHard::AddPolygonClick(int tag) {
  if (!WorkShape) return;
  if (tag == 0 && HasFace())
    WorkShape->CopyFace(CurrentFace);
  else
    WorkShape->AddFace(kUnitSquare, 4);
  RefreshLists();
  SelectFace(WorkShape->FaceCount - 1);
}

void TAddHard::AddVertexClick(int tag) {
  if (!HasFace()) return;
  const int count = WorkShape->GetPointCount(CurrentFace);
  const bool cornerCurrent = CurrentCorner >= 0 && CurrentCorner < count;
  if (tag == 0 && cornerCurrent) {
    WorkShape->InsertPoint(CurrentFace, CurrentCorner,
                           {AdjX->value(), AdjY->value(), AdjZ->value()});
  } else {
    CurrentCorner = cornerCurrent ? CurrentCorner : 0;
    WorkShape->InsertPoint(CurrentFace, CurrentCorner, {0, 0, 0});
  }
  RefreshLists();
  SelectCorner(CurrentCorner);
  PaintPreview();
}

void TAddHard::pumPolysPopup() {
  const bool face = HasFace();
  for (QAction* item : {miTransparent, miBorder, miDelete}) item->setEnabled(face);
  miTransparent->setChecked(face && WorkShape->GetColor(CurrentFace) < 0);
  miBorder->setChecked(face && (WorkShape->GetOutline(CurrentFace) & 1) != 0);
}

void TAddHard::TransparentClick() {
  const int face = SelectedFaceRow();
  if (!WorkShape || !WorkShape->HasFace(face)) return;
  WorkShape->SetColor(face, SwitchedTransparency(WorkShape->GetColor(face)));
  PaintPreview();
}

void TAddHard::BorderClick() {
  const int face = SelectedFaceRow();
  if (!WorkShape || !WorkShape->HasFace(face)) return;
  WorkShape->SetOutline(face, SwitchedBorder(WorkShape->GetOutline(face)));
  ShowFaceRow(face);
  lbCoord->viewport()->update();
  PaintPreview();
}

void TAddHard::DeleteClick() {
  DeleteFaceAt(SelectedFaceRow());
}

void TAddHard::DeleteFaceAt(int face) {
  if (!WorkShape || !WorkShape->HasFace(face)) return;
  WorkShape->DeleteFace(face);
  const bool wasCurrent = face == CurrentFace;
  if (wasCurrent)
    CurrentFace = CurrentCorner = -1;
  else if (face < CurrentFace)
    --CurrentFace;  // the current face moved down one place with the others
  RefreshLists();
  // The row that took the deleted one's place becomes current; another current face stays.
  const int row = std::min(face, WorkShape->FaceCount - 1);
  if (wasCurrent && row >= 0)
    SelectFace(row);
  else
    PaintPreview();
}

void TAddHard::cbDetailChange() {
  if (!HasFace() || SelectedFaceRow() < 0) return;
  WorkShape->SetDetail(CurrentFace, cbDetail->currentText().toInt());
  PaintPreview();
}

void TAddHard::spbColorClick() {
  if (!HasFace()) return;
  const int color = WorkShape->GetColor(CurrentFace);
  const std::optional<TColor> chosen =
      Ask().ChooseColor(static_cast<TColor>(color < 0 ? -color : color) & 0xFFFFFF);
  if (!chosen) return;
  // 0 would mean "the piece's colour": black chosen stays as near black as can be told.
  WorkShape->SetColor(CurrentFace, *chosen == 0 ? 0x010101 : static_cast<int>(*chosen));
  PaintPreview();
}

void TAddHard::lbDrawOrderDragDrop(QWidget* source, int sourceRow, int targetRow) {
  if (!WorkShape) return;
  std::vector<int> order = DrawOrderOf(*WorkShape, Octant());
  int entry = 0;
  if (source == lbDrawOrder) {
    if (sourceRow < 0 || sourceRow >= static_cast<int>(order.size())) return;
    entry = order[static_cast<std::size_t>(sourceRow)];
    order.erase(order.begin() + sourceRow);
  } else if (source == lbAllPolys) {
    if (!WorkShape->HasFace(sourceRow)) return;
    entry = sourceRow;
    if (std::find(order.begin(), order.end(), entry) != order.end()) return;
  } else {
    return;
  }
  const int at = targetRow < 0 || targetRow > static_cast<int>(order.size())
                     ? static_cast<int>(order.size())
                     : targetRow;
  order.insert(order.begin() + at, entry);
  WriteDrawOrder(*WorkShape, Octant(), order);
  RefreshLists();
  SelectRow(lbDrawOrder, at);
  PaintPreview();
}

void TAddHard::btnTrashDragDrop(QWidget* source, int sourceRow) {
  if (!WorkShape) return;
  if (source == lbDrawOrder) {
    std::vector<int> order = DrawOrderOf(*WorkShape, Octant());
    if (sourceRow < 0 || sourceRow >= static_cast<int>(order.size())) return;
    order.erase(order.begin() + sourceRow);
    WriteDrawOrder(*WorkShape, Octant(), order);
    RefreshLists();
    PaintPreview();
  } else if (source == lbAllPolys) {
    if (!WorkShape->HasFace(sourceRow)) return;
    if (Ask().AskYesNo(kDeleteFaceQuestion)) DeleteFaceAt(sourceRow);
  } else if (source == lbCoord) {
    if (!HasFace() || CurrentCorner < 0 || CurrentCorner >= WorkShape->GetPointCount(CurrentFace))
      return;
    WorkShape->DeletePoint(CurrentFace, CurrentCorner);
    // The next corner, or the last when the last went, becomes current; none when none is left.
    CurrentCorner = std::min(CurrentCorner, WorkShape->GetPointCount(CurrentFace) - 1);
    FillCorners();
    if (CurrentCorner >= 0) SelectCorner(CurrentCorner);
    PaintPreview();
  }
}

void TAddHard::speOctantChange() {
  RefreshLists();
  if (paintingOctant_) return;
  Preview.TypicalFor(Octant());
  PaintPreview();
}
