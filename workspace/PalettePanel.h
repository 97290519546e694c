#pragma once
#include <QObject>
#include <vector>

#include "platform/Bitmap.h"
#include "render/RenderContext.h"
#include "workspace/PaletteDialogs.h"
#include "workspace/PaletteDrawing.h"
#include "workspace/PalettePages.h"

class QAction;
class QMenu;
class QPainter;
class QStyleOptionViewItem;
class QWidget;
class TAddHard;
class TMainWindow;

// The piece palette of the main window: the list of entries of the page
// shown (or of the recently used entries), the page chooser and buttons, and
// the colour fields. A click on an entry starts placing a new piece of it.
class TPalettePanel : public QObject {
  Q_OBJECT
 public:
  explicit TPalettePanel(TMainWindow& window);
  ~TPalettePanel() override;

  // Shows a page; an index below 0 shows the last page, one past the end the first.
  void ShowPage(int index);
  // "<Recently used>": the current page index stays.
  void ShowRecentlyUsed();
  bool ShowingRecentlyUsed() const { return showingRecent_; }
  int EntryHeight() const { return entryHeight_; }
  const std::vector<PaletteItem>& Items() const { return items_; }
  const RecentlyUsedList& RecentlyUsed() const { return recent_; }
  void ClearRecentlyUsed();

  void btnPrevPageClick();
  void btnNextPageClick();
  void ComboBox1Change(int index);
  // A click on the entry in this row of the list.
  void ListBox1Click(int row);

  // The colour fields: left sets the current colour, right the background.
  void ColorFieldLeftClick(int field);
  void ColorFieldRightClick(int field);
  void btnColorDlgClick();
  void Repaint();

  // Owner drawing of the list (also for the other lists that show entries).
  void PaintEntry(QPainter& painter, const QRect& rect, PaletteItem& item, TColor color,
                  bool selected, float scale);
  // A palette item of an entry, ready to be painted.
  PaletteItem MakeItem(const std::string& text);
  TColor CurrentColor() const;
  void PaintListEntry(QPainter& painter, const QStyleOptionViewItem& option, int row);

  bool eventFilter(QObject* watched, QEvent* event) override;

  // ---- the page menu of the list (PalettePageMenu.cpp)
  void SetPageDialogs(std::unique_ptr<PageDialogs> dialogs) { pageDialogs_ = std::move(dialogs); }
  void pumEditPopup();  // enables the items that apply
  // The selected entry opened in the shape editor; on OK the result replaces it.
  void Editblock1Click();
  // The shape editor started from the selected entry (or as it was last left);
  // on OK the result is appended to the page.
  void Addnewblock1Click();
  // The shape editor, made on first use and kept with its state.
  TAddHard& ShapeEditor();
  void Removeblock1Click();
  void Addnewpage1Click();
  void Addpagefromfile1Click();
  void Removepage1Click();
  void Properties1Click();
  void Reorderpages1Click();
  void Customize1Click();
  QMenu* pumEdit = nullptr;
  QAction *Editblock1 = nullptr, *Addnewblock1 = nullptr;
  QAction *Removeblock1 = nullptr, *Addnewpage1 = nullptr, *Addpagefromfile1 = nullptr;
  QAction *Removepage1 = nullptr, *Properties1 = nullptr, *Reorderpages1 = nullptr;
  QAction* Customize1 = nullptr;

 private:
  void BuildPageMenu();
  // The page shown, or nothing while the recently used list is shown or there are no pages.
  PalettePage* ShownPage();
  int SelectedRow() const;
  void BuildColorFields(QWidget* panel);
  void Fill(const std::vector<std::string>& entries, int height);
  void RefillChooser(int index);
  TColor EntryColor(int row) const;

  TMainWindow& window_;
  std::vector<PaletteItem> items_;
  RecentlyUsedList recent_;
  bool showingRecent_ = false;
  bool refilling_ = false;
  int entryHeight_ = 65;
  float entryScale_ = 0.5f;
  RenderContext rc_;  // the palette's own view
  Bitmap entryBitmap_;
  std::vector<QWidget*> colorFields_;
  std::unique_ptr<PageDialogs> pageDialogs_;
  TAddHard* shapeEditor_ = nullptr;  // a child of the main window
  // The editor's result taken into the shown page, shown again.
  void TakeEditorResult(int replacedRow);
};
