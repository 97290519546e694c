#pragma once
#include <QDialog>
#include <memory>
#include <string>

#include "model/Block.h"
#include "platform/Bitmap.h"
#include "platform/Dialogs.h"
#include "render/RenderContext.h"
#include "workspace/ShapePreview.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWidget;
class TAskFileAndPart;
class TDrawClass;
class TDropButton;
class TDropList;
class TMainWindow;
class TPaintBox;

// The shape editor, "Add new hardcoded block": edits one palette entry. For
// the simple piece types only the type and the three sizes; for a general
// piece also its polygon shape, on a private working copy: faces and their
// corners, outline, see-through state, colour and detail of each face, and
// each octant's painting order, with a live preview drawn as pieces are drawn.
// Created once and reused; its state lasts from one opening to the next.
class TAddHard : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kCaption = "Add new hardcoded block";
  static constexpr const char* kTypeLetters = "BTNCEIRWGO";
  static constexpr int kGeneralRow = 8;
  static constexpr const char* kDeleteFaceQuestion =
      "Do You really want to delete\r\nthis polygon permanently?";
  static constexpr int kMaxSize = 960;     // model units in each dimension
  static constexpr int kMaxCorner = 9999;  // a corner coordinate, either sign

  explicit TAddHard(TMainWindow& main);
  ~TAddHard() override;

  // The colour dialog and the questions; tests put in their own.
  void SetDialogs(std::unique_ptr<Dialogs> dialogs) { dialogs_ = std::move(dialogs); }
  Dialogs& Ask() { return *dialogs_; }

  // ---- the entry (ShapeEditorEntry.cpp)
  // Prepares the editor for an entry; in add mode a general piece's copy is
  // renamed "template" so that storing it asks for new names.
  void OpenEntry(const std::string& entry, bool addMode);
  void SetTitles(const std::string& caption, const std::string& buttonCaption);
  // The edited entry, with "|" and the identity when there is one.
  std::string ResultEntry() const;
  // The palette entry height the result needs.
  int PreviewHeight() const;
  void lbBlockTypesClick(int row);
  void RebuildPreview(bool addMode);
  void RebuildEntry();
  bool GeneralMode() const;

  // ---- the preview (ShapeEditorEntry.cpp)
  void PaintPreview();
  void btnRotLeftClick();
  void btnRotRightClick();
  void btnRotUpClick();
  void btnRotDownClick();
  void btnZoomInClick();
  void btnZoomOutClick();
  void SetDetailLevel(int level);
  const Bitmap& PreviewBitmap() const { return previewBitmap_; }

  // ---- faces, corners and painting orders (ShapeEditorFaces.cpp)
  void RefreshLists();
  // A face chosen in the face list or, by its number, in the order list.
  void SelectFace(int face, bool fromDrawOrder = false);
  void SelectCorner(int corner);
  // AdjX, AdjY or AdjZ (axis 0, 1, 2) changed by the user.
  void AdjChange(int axis);
  // a/z, s/x, d/c step the corner fields; any other key applies them.
  void lbCoordKeyPress(char key);
  // A left click on a corner row switches the edge leaving that corner.
  void lbCoordClick(int row);
  // tag 1: a new unit square (also without a current face); tag 0: a copy of the current face.
  void AddPolygonClick(int tag);
  // tag 0 with a current corner: the corner fields; otherwise (0, 0, 0); before the current corner.
  void AddVertexClick(int tag);
  void pumPolysPopup();
  void TransparentClick();
  void BorderClick();
  void DeleteClick();
  void cbDetailChange();
  void spbColorClick();
  // A row of lbDrawOrder or lbAllPolys dropped onto row target of lbDrawOrder (-1: below the last).
  void lbDrawOrderDragDrop(QWidget* source, int sourceRow, int targetRow);
  // A row of any list dropped onto the trash.
  void btnTrashDragDrop(QWidget* source, int sourceRow);
  void speOctantChange();
  int Octant() const;

  // ---- the tools on the working copy and storing it (ShapeEditorTools.cpp)
  // A size field changed: simple pieces are made anew, a shape is stretched.
  void StretchShape();
  void Extrude();
  // tags 0..2: the current face across x, y, z; 3..5: every face.
  void MirrorFaces(int tag);
  // tag 0: the octant shown; 1: every octant.
  void SortDrawOrder(int tag);
  // "Add"/"Replace": an edited shape is copied into the cached one, a new
  // shape (still named after the template) is named and joins the cache.
  // false when naming was cancelled: the editor stays open as it was.
  bool StoreShape();
  // "Enter part information", made on first use and kept.
  TAskFileAndPart& AskNames();
  // Why a new shape cannot take these names, or "" when it can.
  std::string NewNamesProblem(const std::string& fileName, const std::string& partName);

  // ---- editor state
  std::string EntryBody;
  std::unique_ptr<TBlock> PreviewPiece;
  std::unique_ptr<TDrawClass> WorkShape;  // PreviewPiece is bound to it
  TDrawClass* SourceShape = nullptr;      // the cached shape being edited; none in add mode
  std::string ShapeFile = "template.dat";
  std::string ShapeSection = "template";
  int CurrentFace = -1;
  int CurrentCorner = -1;
  Point3 RefPoint;
  int PrevX = 40, PrevY = 40, PrevZ = 24;
  PreviewAngles Preview;

  // ---- controls
  QListWidget* lbBlockTypes = nullptr;
  QSpinBox *edtX = nullptr, *edtY = nullptr, *edtZ = nullptr;
  QLineEdit* edtIdent = nullptr;
  TPaintBox* PaintBox1 = nullptr;
  QToolButton *btnRotLeft = nullptr, *btnRotRight = nullptr, *btnRotUp = nullptr;
  QToolButton *btnRotDown = nullptr, *btnZoomIn = nullptr, *btnZoomOut = nullptr;
  QToolButton *btnWireBase = nullptr, *spbDet0 = nullptr, *spbDet1 = nullptr, *spbDet2 = nullptr;
  QToolButton* spbColor = nullptr;
  QWidget* FacePanel = nullptr;
  TDropList *lbAllPolys = nullptr, *lbDrawOrder = nullptr, *lbCoord = nullptr;
  QComboBox* cbDetail = nullptr;
  QToolButton *btnExtrude = nullptr, *btnAddPolygon = nullptr, *btnAddVertex = nullptr;
  QSpinBox* spExt = nullptr;
  TDropButton* btnTrash = nullptr;
  QSpinBox *AdjX = nullptr, *AdjY = nullptr, *AdjZ = nullptr;
  QSpinBox* speOctant = nullptr;
  QPushButton *btnAddPiece = nullptr, *btnCancel = nullptr;
  QMenu *pumPolys = nullptr, *pumDrawOrder = nullptr;
  QAction *miTransparent = nullptr, *miBorder = nullptr, *miDelete = nullptr;
  QList<QMenu*> mainMenus;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildPreviewPanel(QWidget* panel);
  void BuildFacePanel(QWidget* panel);
  QMenuBar* BuildMenus();
  void LayOutFor(int typeRow);
  void ShowSizes(int x, int y, int z);  // guarded
  void ShowCorner(const Point3& p);     // guarded
  void ShowFaceRow(int face);
  void FillCorners();
  // After a tool moved corners: the corner list, the fields and the
  // reference corner of a whole-face move follow the current face.
  void ShowCurrentFace();
  void SelectRow(QListWidget* list, int row);  // without reacting to it
  bool HasFace() const;
  void DeleteFaceAt(int face);
  int SelectedFaceRow() const;

  TMainWindow& main_;
  std::unique_ptr<Dialogs> dialogs_;
  RenderContext rc_;  // the preview's own view
  Bitmap previewBitmap_;
  int detailLevel_ = 0;
  bool fillingSizes_ = false;
  bool fillingCorner_ = false;
  bool paintingOctant_ = false;
  bool fillingLists_ = false;
  TAskFileAndPart* askNames_ = nullptr;  // a child of the editor
};
