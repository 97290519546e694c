#pragma once
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/BlockList.h"
#include "output/PictureFrame.h"
#include "platform/Dialogs.h"
#include "platform/FileLocations.h"
#include "platform/Pointer.h"
#include "render/Carrying.h"
#include "render/KeyTable.h"
#include "render/RenderContext.h"
#include "render/Scene.h"
#include "render/ViewControls.h"
#include "workspace/LDrawImport.h"
#include "workspace/ModelFile.h"
#include "workspace/WorkspaceState.h"

enum class PovRoute;

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QKeyEvent;
class QMouseEvent;
class QScrollBar;
class QSpinBox;
class QToolBar;
class QToolButton;
class TDocument;
class TPaintBox;
class TAdvOptions;
class TPalettePanel;
class TShapeCache;
class Printer;

// What the main window shows and keeps, besides the document it is given.
struct MainWindowSetup {
  FileLocations files;  // the settings file, the mapping list, part files, dialog folders
};

// The main window: the model in the paint box, the view controls, the
// toolbars and menus, and the workspace around the model.
class TMainWindow : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr const char* kCaption = "Brikolo Ver " BRIKOLO_VERSION;
  static constexpr const char* kUnsavedQuestion =
      "The model has not been saved!\r\nDo You want to save it now?";
  static constexpr const char* kModelFilter =
      "Brikolo Files (*.LGO)|*.LGO|LDraw models (*.LDR;*.DAT;*.MPD)|*.LDR;*.DAT;*.MPD|"
      "All files (*.*)|*.*";
  static constexpr const char* kSaveFilter =
      "Brikolo Files (*.LGO)|*.LGO|LDraw files (*.DAT) |*.DAT|All files (*.*)|*.*";
  static constexpr const char* kPictureFilter = "Picture Files (*.bmp;*.jpg)|*.bmp;*.jpg";
  // Messages of bad lines shown one by one before the rest may be skipped.
  static constexpr int kLineErrorsShown = 3;
  static constexpr int kMaxBaseplateStuds = 10000;
  static constexpr int kZLiftOffWidth = 256;  // pixels of the cut-off bar

  TMainWindow(TDocument& document, TShapeCache& shapes, const MainWindowSetup& setup,
              QWidget* parent = nullptr);
  ~TMainWindow() override;

  // Message boxes and file dialogs; tests put in their own.
  void SetDialogs(std::unique_ptr<Dialogs> dialogs) { dialogs_ = std::move(dialogs); }
  Dialogs& Ask() { return *dialogs_; }

  TDocument& Document() { return document_; }
  TScene& Scene() { return scene_; }
  RenderContext& Context() { return rc_; }
  WorkspaceState& State() { return state_; }
  TShapeCache& Shapes() { return shapes_; }
  const MainWindowSetup& Setup() const { return setup_; }
  // The piece palette: its pages, the recently used entries and the colour fields.
  TPalettePanel& Palette() { return *palette_; }
  const ViewPositions& RememberedView() const { return rememberedView_; }
  bool RememberedStuds() const { return rememberedStuds_; }

  // After the window is shown: the command-line parameters, joined with blanks, name a model.
  void LoadCommandLine(const std::vector<std::string>& parameters);

  // ---- view (MainWindowView.cpp)
  ViewPositions Positions() const;
  void SetPositions(const ViewPositions& p);  // all bars at once, one picture
  void SetView(int rotX, int rotZ);
  // A new picture, with whatever is carried drawn over it again.
  void RedrawPicture();
  bool StudsShown() const;
  void SetStudsShown(bool shown);
  void btnRotUpClick();
  void btnRotDownClick();
  void btnRotLeftClick();
  void btnRotRightClick();
  void btnZoomInClick();
  void btnZoomOutClick();
  void btnHomeClick();
  void btnRestoreViewClick();
  void FixedViewClick(int tag);
  void ZLiftOffChange(int position);
  void ShowZCutLevel();  // the label and the field show the level

  // ---- options (MainWindowMenus.cpp)
  void SetStudQuality(int tag);
  void SetDetailLevel(int tag);
  void SetShading(bool on);
  void SetHints(bool on);
  void SetSlowRender(bool on);
  void SetSkipCoveredStuds(bool on);
  void RestoreBackgroundColor();
  // The window's colour: the view's background and the palette entries' ground.
  void SetBackgroundColor(TColor color);
  void ChooseBackgroundPicture();
  void AdjustLightDirection();
  void pumLoadPopup();
  void pumSavePopup();

  // ---- model files (MainWindowFiles.cpp)
  bool LoadModel(const std::string& fileName, LoadMode mode);
  bool SaveModel(FolderKind folder, bool selectedOnly);
  // The unsaved-changes question; true when the pending action may go on.
  bool AskToSave();
  void SetModelFileName(const std::string& fileName);
  void btnClearClick();  // "New model"
  void mNewmodelClick();
  void mSubassemblyClick();
  void ApplyBaseplateSize();
  // The set being carried (a loaded subassembly or pieces picked up), empty when none.
  const TBlockList& CarrySet() const;
  const std::string& SaveProposal() const { return saveProposal_; }
  const std::string& OpenFileName() const { return openFileName_; }

  // ---- carrying and placing with the mouse (MainWindowMouse.cpp)
  TCarrying& Carrying() { return carrying_; }
  // The real pointer by default; tests put in their own.
  void SetPointerControl(std::unique_ptr<PointerControl> pointer);
  void PaintBox1MouseDown(QMouseEvent* event);
  void PaintBox1MouseMove(QMouseEvent* event);
  void PaintBox1MouseUp(QMouseEvent* event);
  void btnPointerClick();  // "Select pointer mode"
  // A new piece from the palette starts floating under the mouse; false in side views.
  bool PlacePiece(std::unique_ptr<TBlock> piece);
  TColor CurrentColor() const { return carrying_.CurrentColor; }
  // fromSwatch: a colour field, which also recolours every piece of a carried set.
  void SetCurrentColor(TColor color, bool fromSwatch);
  void cbResolutionChange();
  // "Show landing guide": where a carried piece will rest is outlined under it.
  void SetLandingGuide(bool on);

  // ---- pictures and printing (MainWindowPictures.cpp)
  TPictureFrame& PictureFrame() { return pictureFrame_; }
  void btnSavePicClick();  // "Save picture" toggled: the frame comes or goes
  void SavePicture(bool antiAliased);
  void btnPrintClick();
  // The print dialog by default; tests put in a printer of their own.
  std::function<std::unique_ptr<Printer>()> ChoosePrinterHook;

  // ---- keyboard commands (MainWindowKeys.cpp)
  // Every key of the window comes here first, whatever control has the
  // keyboard; true when the key was taken (no control sees it then).
  bool FormKeyDown(const KeyPress& key);
  // The history of changes answers Ctrl+Z and Ctrl+Y (and Ctrl+Shift+Z)
  // here; while these are empty the keys pass on.
  std::function<void()> UndoKey, RedoKey;
  // Delete: the selected pieces are freed, without a question.
  void DeleteSelectedPieces();
  // Esc: nothing stays selected.
  void ClearSelectedPieces();

  // ---- the advanced toolbox (MainWindowToolbox.cpp)
  // The toolbox follows every change of the selection.
  void RefreshSelection();
  // "LDraw this view" (MainWindowMenus.cpp): the model exported into the
  // viewer's test file and the viewer started.
  void LDrawThisViewClick();

  // ---- groups (MainWindowGroups.cpp)
  void miGroupClick();  // "Make group"
  void miBreakClick();  // "Break group(s)"
  void pumOptionsPopup();

  // ---- undo and redo (MainWindowHistory.cpp)
  void UndoClick();  // Ctrl+Z
  void RedoClick();  // Ctrl+Y, Ctrl+Shift+Z

  // ---- settings (MainWindowSettings.cpp)
  void ReadSettings();
  void WriteSettings();
  // The program's end: settings written, shapes stored, everything freed. Runs once.
  void FormDestroy();

 protected:
  void closeEvent(QCloseEvent* event) override;

 public:
  // Holds back the tool tips of every window while "Hints" is off.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // MainWindow.cpp: building the window.
  void BuildPaintArea();
  void BuildViewBars();
  void BuildToolbars();
  void BuildMiscToolbar();
  void BuildPalettePanel();
  void BuildMenus();
  void ConnectScene();
  void BuildCarryControls();
  void ConnectCarrying();
  void BuildAdvancedToolbox();
  QToolButton* AddButton(QToolBar* bar, const char* name, const char* hint, const QIcon& icon,
                         bool checkable = false);
  QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, bool checkable = false);

  // A redraw unless several view controls are being changed together.
  void Invalidate();
  void ViewBarChanged();  // RotX, RotZ or ScaleBar moved
  void OffsetChanged();
  void PaintBoxResized(int width, int height);
  void ApplyPreferences();
  ModelHeader CurrentHeader() const;
  void RememberView();
  void ClearModel();  // New model without its question
  void SizeBaseplate(bool redraw);
  void ShowLineErrors(const std::vector<LineError>& errors);
  // Messages one after another; after the first few the rest may be skipped.
  void ShowMessages(const std::vector<std::string>& messages);
  void L2povClick();
  void L3povClick();
  void PovClick(PovRoute route);
  // Carries the pieces of a subassembly that was read (their step given).
  void CarrySubassembly(ModelReadResult& result, int step);
  // The mapping list and LDraw library the LDraw import uses.
  LDrawImportSetup LDrawSetup() const;
  TColor ButtonFaceColor() const;
  void BuildPictureControls();
  void BuildHistoryControls();
  // The history changed: the buttons, their hints and the unsaved flag follow.
  void HistoryChanged();
  // The frame mode takes the paint box's mouse first; false when it is off.
  bool PictureFrameMouseDown(QMouseEvent* event);
  bool PictureFrameMouseMove(QMouseEvent* event);
  bool PictureFrameMouseUp(QMouseEvent* event);
  void ToggleFrameOnScreen();
  void ChangePictureFrame(const std::function<void(TPictureFrame&)>& change);
  // MainWindowKeys.cpp
  bool PreviewKey(QObject* receiver, QKeyEvent* event);
  void RunKeyCommand(const KeyAction& action);
  QScrollBar* BarOf(ViewBar bar) const;
  void SelectPaletteRow(int delta);
  void StepCurrentColor(int delta);
  void ToggleSafePositioning();

  TDocument& document_;
  TShapeCache& shapes_;
  MainWindowSetup setup_;
  RenderContext rc_;
  TScene scene_;
  WorkspaceState state_;
  std::unique_ptr<Dialogs> dialogs_;
  ViewPositions rememberedView_;
  bool rememberedStuds_ = true;
  TBlockList carrySet_;  // a subassembly being read, before it is carried
  TCarrying carrying_;
  std::unique_ptr<PointerControl> pointer_;
  std::string openFileName_, saveProposal_;
  bool destroyed_ = false;
  bool firstSize_ = true;
  TPalettePanel* palette_ = nullptr;  // a child of the window
  TPictureFrame pictureFrame_;
  bool pictureFramePlaced_ = false;
  bool keyBusy_ = false;  // a key is being handled; one that comes meanwhile is dropped

 public:
  // The controls, named as the rest of the program knows them.
  TPaintBox* PaintBox1 = nullptr;
  QScrollBar *RotX = nullptr, *RotZ = nullptr, *ScaleBar = nullptr;
  QScrollBar *OffsetX = nullptr, *OffsetY = nullptr, *ZLiftOff = nullptr;
  QLabel* lblZLiftOff = nullptr;
  QSpinBox* edZLiftOff = nullptr;  // the cut-off level, typed
  QToolButton *btnStuds = nullptr, *btnWireframe = nullptr, *btnSeeThrough = nullptr;
  QToolButton *btnZoomIn = nullptr, *btnZoomOut = nullptr, *ThickBase = nullptr;
  QLineEdit *BSizeX = nullptr, *BSizeY = nullptr;
  QToolBar *tbMain = nullptr, *tbView = nullptr, *tbFixedViews = nullptr, *tbMisc = nullptr;
  QMenu *pumLoad = nullptr, *pumSave = nullptr, *pumOptions = nullptr;
  QAction *mSaveSelected = nullptr, *mLDrawThisView = nullptr, *mHints = nullptr;
  QAction* Advancedtoolbox1 = nullptr;
  TAdvOptions* AdvOptions = nullptr;  // a tool window of its own, hidden at first
  // Shown in their place; the POV-Ray routes enable and connect them.
  QAction *mPovL2P = nullptr, *mPovL3P = nullptr;
  QAction *miGroup = nullptr, *miBreak = nullptr;
  QAction *mShading = nullptr, *mSlowRender = nullptr, *mSkipCoveredStuds = nullptr;
  QActionGroup *studQuality = nullptr, *detailLevel = nullptr;
  QComboBox *ComboBox1 = nullptr, *cbResolution = nullptr;
  QToolButton *btnPointer = nullptr, *btnPieceStuds = nullptr, *btnTransparent = nullptr;
  QAction *mSafePos = nullptr, *mLandingGuide = nullptr;
  QAction *mUndo = nullptr, *mRedo = nullptr;
  QListWidget* ListBox1 = nullptr;
  QToolButton *btnSavePic = nullptr, *btnPrint = nullptr;
};
