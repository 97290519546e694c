// The shape editor's entry: opening it, the piece type and its sizes, the
// working copy of a general piece's shape, and the preview.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>

#include "platform/QtCanvas.h"
#include "shapes/DrawClass.h"
#include "shapes/GeneralBlock.h"
#include "workspace/MainWindow.h"
#include "workspace/PaintBox.h"
#include "workspace/PaletteEntry.h"
#include "workspace/ShapeEditor.h"
#include "workspace/ShapeEditorWidgets.h"

namespace {

QString Q(const std::string& text) {
  return QString::fromLocal8Bit(text.c_str());
}

int TypeRowOf(char letter) {
  const char* at = std::strchr(TAddHard::kTypeLetters, letter);
  return at && letter != '\0' ? static_cast<int>(at - TAddHard::kTypeLetters) : 0;
}

}  // namespace

void TAddHard::OpenEntry(const std::string& entry, bool addMode) {
  const std::size_t bar = entry.find('|');
  EntryBody = entry.substr(0, bar);
  edtIdent->setText(bar == std::string::npos ? QString() : Q(entry.substr(bar + 1)));
  Preview.Tilt = 60 * PreviewAngles::kDegree;
  Preview.Spin = 30 * PreviewAngles::kDegree;
  RebuildPreview(addMode);
  CurrentFace = CurrentCorner = -1;
  const int row = PreviewPiece ? TypeRowOf(PreviewPiece->BlockType) : 0;
  fillingSizes_ = true;
  lbBlockTypes->setCurrentRow(row);
  fillingSizes_ = false;
  LayOutFor(row);
  if (PreviewPiece) ShowSizes(PreviewPiece->SizeX, PreviewPiece->SizeY, PreviewPiece->SizeZ);
}

void TAddHard::SetTitles(const std::string& caption, const std::string& buttonCaption) {
  setWindowTitle(Q(caption));
  btnAddPiece->setText(Q(buttonCaption));
}

std::string TAddHard::ResultEntry() const {
  const std::string ident = edtIdent->text().toLocal8Bit().toStdString();
  return ident.empty() ? EntryBody : EntryBody + "|" + ident;
}

int TAddHard::PreviewHeight() const {
  return PreviewEntryHeight(PreviewPiece.get());
}

bool TAddHard::GeneralMode() const {
  return lbBlockTypes->currentRow() == kGeneralRow;
}

void TAddHard::ShowSizes(int x, int y, int z) {
  fillingSizes_ = true;
  edtX->setValue(x);
  edtY->setValue(y);
  edtZ->setValue(z);
  fillingSizes_ = false;
  // What the fields hold, so that a size beyond their range is measured from where they stand.
  PrevX = edtX->value();
  PrevY = edtY->value();
  PrevZ = edtZ->value();
}

void TAddHard::lbBlockTypesClick(int row) {
  if (row < 0) return;
  LayOutFor(row);
  RebuildEntry();
  if (row == kGeneralRow && PreviewPiece)
    ShowSizes(PreviewPiece->SizeX, PreviewPiece->SizeY, PreviewPiece->SizeZ);
}

void TAddHard::RebuildEntry() {
  const int row = std::max(0, lbBlockTypes->currentRow());
  if (row == kGeneralRow) {
    EntryBody = GeneralEntryText(ShapeFile, ShapeSection);
  } else {
    char body[64];
    std::snprintf(body, sizeof body, "%c %dx%dx%d", kTypeLetters[row], edtX->value() / 20,
                  edtY->value() / 20, edtZ->value() * 3 / 24);
    EntryBody = body;
  }
  RebuildPreview(false);
  edtIdent->clear();
}

void TAddHard::RebuildPreview(bool addMode) {
  PreviewPiece.reset();
  WorkShape.reset();
  SourceShape = nullptr;
  // Indices into the old copy mean nothing in the new one.
  CurrentFace = CurrentCorner = -1;
  try {
    std::unique_ptr<TBlock> piece = CreatePaletteBlock(EntryBody, main_.Shapes());
    if (piece) {
      piece->Color = main_.CurrentColor();
      piece->Transparent = btnWireBase->isChecked();
      auto* general = dynamic_cast<TGeneralBlock*>(piece.get());
      if (general && general->GetShape()) {
        WorkShape = TDrawClass::CreateCopy(*general->GetShape());
        if (addMode) {
          // A new shape: storing it asks for its names. Both point at the
          // template, so that switching the type back and forth shows it.
          WorkShape->FileName = "template.dat";
          WorkShape->SectionName = "template";
        } else {
          SourceShape = general->GetShape();
        }
        WorkShape->HighlightFace = -1;
        general->SetShape(WorkShape.get());
        ShapeFile = WorkShape->FileName;
        ShapeSection = WorkShape->SectionName;
      }
      PreviewPiece = std::move(piece);
    }
  } catch (const std::exception&) {
    // An entry that makes no piece leaves the editor without a preview.
    PreviewPiece.reset();
    WorkShape.reset();
    SourceShape = nullptr;
  }
  RefreshLists();
  PaintPreview();
}

void TAddHard::LayOutFor(int typeRow) {
  const bool general = typeRow == kGeneralRow;
  FacePanel->setVisible(general);
  for (QToolButton* b : {spbDet0, spbDet1, spbDet2, spbColor}) b->setVisible(general);
  for (QMenu* menu : mainMenus) menu->menuAction()->setEnabled(general);
  fillingSizes_ = true;
  // A simple piece is at least one stud long and wide and one plate high.
  edtX->setMinimum(general ? 1 : 20);
  edtY->setMinimum(general ? 1 : 20);
  edtZ->setMinimum(general ? 1 : 8);
  fillingSizes_ = false;
  if (!general) speOctant->setValue(0);
  adjustSize();
}

void TAddHard::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  spbDet0->setChecked(true);
  SetDetailLevel(0);
  fillingSizes_ = true;
  lbBlockTypes->setCurrentRow(PreviewPiece ? TypeRowOf(PreviewPiece->BlockType)
                                           : std::max(0, lbBlockTypes->currentRow()));
  fillingSizes_ = false;
}

void TAddHard::SetDetailLevel(int level) {
  detailLevel_ = level;
  PaintPreview();
}

void TAddHard::PaintPreview() {
  if (previewBitmap_.width() != PaintBox1->width() ||
      previewBitmap_.height() != PaintBox1->height())
    previewBitmap_.resize(PaintBox1->width(), PaintBox1->height());
  const RenderContext& main = main_.Context();
  rc_.view = main.view;  // the lighting; the angles are the preview's own
  rc_.switches = main.switches;
  rc_.switches.DetailLevel = detailLevel_;
  const TColor background = FromQColor(palette().color(QPalette::Window));
  const int octant =
      PaintShapePreview(PreviewPiece.get(), Preview, background, previewBitmap_, rc_);
  if (octant >= 0 && octant != speOctant->value()) {
    paintingOctant_ = true;
    speOctant->setValue(octant);
    paintingOctant_ = false;
  }
  PaintBox1->update();
}

void TAddHard::btnRotLeftClick() {
  Preview.TurnLeft();
  PaintPreview();
}

void TAddHard::btnRotRightClick() {
  Preview.TurnRight();
  PaintPreview();
}

void TAddHard::btnRotUpClick() {
  Preview.TiltUp();
  PaintPreview();
}

void TAddHard::btnRotDownClick() {
  Preview.TiltDown();
  PaintPreview();
}

void TAddHard::btnZoomInClick() {
  Preview.Scale += 0.1f;
  PaintPreview();
}

void TAddHard::btnZoomOutClick() {
  // Below a tenth the piece would vanish, and a negative scale turns it inside out.
  Preview.Scale = std::max(0.1f, Preview.Scale - 0.1f);
  PaintPreview();
}
