#pragma once
#include <QWidget>
#include <functional>
#include <optional>

#include "model/Selection.h"
#include "output/MappingList.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class TBlock;
class TMainWindow;

// Two small arrow buttons, one above the other, that step a value up or down.
class TSpinButton : public QWidget {
  Q_OBJECT
 public:
  explicit TSpinButton(QWidget* parent);
  std::function<void()> Up, Down;
  QToolButton *upButton = nullptr, *downButton = nullptr;
};

// The "Advanced toolbox": a tool window over the main window that works on
// the selected pieces (studs, see-through, turn, colour, part id, building
// step, moves by the grid), replaces one colour in the whole model, takes a
// piece's colour as the current one, holds the step filter and the step of
// new pieces, and edits the LDraw offsets of a mapping record.
class TAdvOptions : public QWidget {
  Q_OBJECT
 public:
  static constexpr const char* kCaption = "Advanced toolbox";
  static constexpr int kClientWidth = 499, kClientHeight = 272;

  explicit TAdvOptions(TMainWindow& window);

  // ---- what the main window asks of it
  // After every change of the selection: the id and step fields follow the
  // last selected piece, or are disabled when none is selected.
  void RefreshSelection();
  // The piece that follows the mouse, or none (pointer mode).
  void ShowPiece(const TBlock* piece);
  // The building step of new pieces from "Step:"; nothing when the field
  // holds no integer.
  std::optional<int> NewPieceStep() const;
  int StepFilter() const;
  void SetStepFilter(int step);
  // An export read the mapping list afresh: the record shown is looked up again.
  void MappingListReloaded();
  // Beside the main window and on the screen, the first time it is shown.
  void PlaceBesideMainWindow();

  const SelectionWalk& Walk() const { return walk_; }
  int MappingIndex() const { return mappingIndex_; }

  // ---- the handlers; each change of the model is one named function
  void spStudClick();
  void spTurnClick();
  void sbColorClick();
  void spTranspClick();
  void spSetIdentityClick();
  void spSetStepClick();
  // sx, sy, sz: by the grid's step along x, y or z (sign +1 up, -1 down).
  void MoveSelected(int axis, int sign);
  void spReplaceColorClick();
  void spUseThisColorClick();
  void spCloseClick();
  void spEditLDrawInfoClick(bool down);
  void edNewIDChange();
  void OffsetFieldChange();
  void spUpdateLDrawClick();
  void RxSpeedButton1Click();

  // The window was hidden, by its own button, its frame or the menu.
  std::function<void()> Hidden;

  // ---- the controls, named as the rest of the program knows them
  QGroupBox *gbSelection = nullptr, *gbGeneral = nullptr, *gbLDraw = nullptr;
  QPushButton *spStud = nullptr, *sbColor = nullptr, *spTransp = nullptr, *spTurn = nullptr;
  QPushButton *spSetIdentity = nullptr, *spSetStep = nullptr, *spEditLDrawInfo = nullptr;
  QLabel *lx = nullptr, *ly = nullptr, *lz = nullptr;
  TSpinButton *sx = nullptr, *sy = nullptr, *sz = nullptr;
  QLineEdit *edNewID = nullptr, *edStepNo = nullptr;
  QPushButton *spReplaceColor = nullptr, *spUseThisColor = nullptr, *spClose = nullptr;
  QSpinBox* spStep = nullptr;
  QSpinBox *spXoffsetL = nullptr, *spYoffsetL = nullptr, *spZoffsetL = nullptr;
  QSpinBox* spRotOffset = nullptr;
  QPushButton *spUpdateLDraw = nullptr, *RxSpeedButton1 = nullptr;

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildSelectionBox();
  void BuildGeneralBox();
  void BuildLDrawBox();
  // Every selected piece gets the action, all as one step of the model's
  // history named after the verb ("Turn 2 pieces"); returns how many.
  int EditSelected(const char* verb, const std::function<void(TBlock&)>& action);
  // EditSelected, then the order is rebuilt when pieces moved or turned, the
  // picture is drawn again and the keyboard goes back to the main window.
  void ChangeSelected(const char* verb, const std::function<void(TBlock&)>& action, bool moves);
  void ShowMinima();
  void GiveBackKeyboard();
  // The mapping list, read when first needed; false when there is none.
  bool MappingListReady();
  void LookUpMapping(bool fillFields);
  void ColourOffsetFields();

  TMainWindow& window_;
  SelectionWalk walk_;
  std::optional<TMappingList> mapping_;
  int mappingIndex_ = -1;
  bool loadFailureShown_ = false;
  bool placed_ = false;
};
