// The popup menu of the palette list: editing, adding and removing entries,
// adding, removing, reordering and naming pages, and a page filled from a part
// definition file.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <algorithm>
#include <exception>

#include "platform/Error.h"
#include "platform/TextFile.h"
#include "workspace/MainWindow.h"
#include "workspace/PaletteEntry.h"
#include "workspace/PalettePanel.h"
#include "workspace/ShapeEditor.h"

void TPalettePanel::BuildPageMenu() {
  pageDialogs_ = CreateWindowPageDialogs(&window_, *this);
  QListWidget* list = window_.ListBox1;
  pumEdit = new QMenu(list);
  pumEdit->setObjectName("pumEdit");
  auto item = [this](const char* name, const char* caption, void (TPalettePanel::*slot)()) {
    QAction* a = pumEdit->addAction(caption);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
    return a;
  };
  Editblock1 = item("Editblock1", "&Edit...", &TPalettePanel::Editblock1Click);
  Addnewblock1 = item("Addnewblock1", "&Add...", &TPalettePanel::Addnewblock1Click);
  Removeblock1 = item("Removeblock1", "&Remove", &TPalettePanel::Removeblock1Click);
  pumEdit->addSeparator();
  Addnewpage1 = item("Addnewpage1", "A&dd page", &TPalettePanel::Addnewpage1Click);
  Addpagefromfile1 =
      item("Addpagefromfile1", "Add page from &file...", &TPalettePanel::Addpagefromfile1Click);
  Removepage1 = item("Removepage1", "Re&move page", &TPalettePanel::Removepage1Click);
  Properties1 = item("Properties1", "&Properties...", &TPalettePanel::Properties1Click);
  Reorderpages1 = item("Reorderpages1", "Re&order pages...", &TPalettePanel::Reorderpages1Click);
  Customize1 = item("Customize1", "&Customize pages...", &TPalettePanel::Customize1Click);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QListWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
    pumEditPopup();
    pumEdit->exec(list->viewport()->mapToGlobal(at));
  });
}

PalettePage* TPalettePanel::ShownPage() {
  std::vector<PalettePage>& pages = window_.State().Pages;
  const int page = window_.State().CurrentPage;
  if (showingRecent_ || page < 0 || page >= static_cast<int>(pages.size())) return nullptr;
  return &pages[static_cast<std::size_t>(page)];
}

int TPalettePanel::SelectedRow() const {
  const QListWidget* list = window_.ListBox1;
  const QListWidgetItem* item = list->currentItem();
  return item && item->isSelected() ? list->currentRow() : -1;
}

void TPalettePanel::pumEditPopup() {
  const PalettePage* page = ShownPage();
  Editblock1->setEnabled(page && SelectedRow() >= 0);
  Addnewblock1->setEnabled(page != nullptr);
  Removeblock1->setEnabled(page && SelectedRow() >= 0);
  Removepage1->setEnabled(page && page->Entries.empty());
  Properties1->setEnabled(page != nullptr);
}

TAddHard& TPalettePanel::ShapeEditor() {
  if (!shapeEditor_) shapeEditor_ = new TAddHard(window_);
  return *shapeEditor_;
}

void TPalettePanel::Editblock1Click() {
  const PalettePage* page = ShownPage();
  const int row = SelectedRow();
  if (!page || row < 0 || row >= static_cast<int>(page->Entries.size())) return;
  TAddHard& editor = ShapeEditor();
  editor.OpenEntry(page->Entries[static_cast<std::size_t>(row)], false);
  editor.SetTitles("Edit block", "Replace");
  // The editor's detail buttons work on its own view; the main window's detail level stays.
  if (editor.exec() == QDialog::Accepted) TakeEditorResult(row);
}

void TPalettePanel::Addnewblock1Click() {
  const PalettePage* page = ShownPage();
  if (!page) return;
  const int row = SelectedRow();
  TAddHard& editor = ShapeEditor();
  if (row >= 0 && row < static_cast<int>(page->Entries.size()))
    editor.OpenEntry(page->Entries[static_cast<std::size_t>(row)], true);
  editor.SetTitles("Add new block", "Add");
  if (editor.exec() == QDialog::Accepted) TakeEditorResult(-1);
}

void TPalettePanel::TakeEditorResult(int replacedRow) {
  PalettePage* page = ShownPage();
  if (!page) return;
  const std::string result = ShapeEditor().ResultEntry();
  if (replacedRow >= 0 && replacedRow < static_cast<int>(page->Entries.size()))
    page->Entries[static_cast<std::size_t>(replacedRow)] = result;
  else if (!result.empty())
    page->Entries.push_back(result);
  page->Height = std::min(255, std::max(page->Height, ShapeEditor().PreviewHeight()));
  // The LDraw mapping list is read afresh at every export, so a new part id needs nothing here.
  ShowPage(window_.State().CurrentPage);
  if (replacedRow >= 0) window_.ListBox1->setCurrentRow(replacedRow);
}

void TPalettePanel::Removeblock1Click() {
  PalettePage* page = ShownPage();
  const int row = SelectedRow();
  if (!page || row < 0 || row >= static_cast<int>(page->Entries.size())) return;
  page->Entries.erase(page->Entries.begin() + row);
  ShowPage(window_.State().CurrentPage);
}

void TPalettePanel::Addnewpage1Click() {
  AppendPage(window_.State().Pages);
  ShowPage(static_cast<int>(window_.State().Pages.size()) - 1);
}

void TPalettePanel::Addpagefromfile1Click() {
  FileDialogRequest request;
  request.title = "Load parts from file";
  request.filter = "Part files (*.dat)|*.DAT|All files (*.*)|*.*";
  request.folder = window_.Setup().files.PartsFolder();
  const std::optional<std::string> name = window_.Ask().OpenFileName(request);
  if (!name) return;
  std::vector<std::string> lines;
  try {
    lines = ReadTextLines(*name);
  } catch (const std::exception& e) {
    window_.Ask().ShowMessage(e.what());  // no page for a file that cannot be read
    return;
  }
  PalettePage& page = AppendPage(window_.State().Pages);
  page.Entries = EntriesOfPartFile(*name, lines);
  ShowPage(static_cast<int>(window_.State().Pages.size()) - 1);
  Properties1Click();
}

void TPalettePanel::Removepage1Click() {
  const PalettePage* page = ShownPage();
  if (!page || !page->Entries.empty()) return;
  std::vector<PalettePage>& pages = window_.State().Pages;
  const int index = window_.State().CurrentPage;
  pages.erase(pages.begin() + index);
  ShowPage(index);
}

void TPalettePanel::Properties1Click() {
  PalettePage* page = ShownPage();
  if (!page) return;
  PageProperties p{page->Title, page->Height, ScaleText(page->Scale)};
  const PageProperties before = p;
  if (!pageDialogs_->EditProperties(p)) return;
  float scale = page->Scale;
  if (p.Scale != before.Scale) {
    try {
      scale = ReadScale(p.Scale);
    } catch (const ConversionError& e) {
      window_.Ask().ShowMessage(e.what());
      return;
    }
  }
  if (p.Header == before.Header && p.Height == before.Height && p.Scale == before.Scale) return;
  page->Title = p.Header;
  page->Height = std::clamp(p.Height, 1, 255);
  page->Scale = scale;
  ShowPage(window_.State().CurrentPage);
}

void TPalettePanel::Reorderpages1Click() {
  std::vector<PalettePage> pages = window_.State().Pages;
  if (!pageDialogs_->ReorderPages(pages)) return;
  window_.State().Pages = std::move(pages);
  ShowPage(window_.State().CurrentPage);
}

void TPalettePanel::Customize1Click() {
  std::vector<PalettePage> pages = window_.State().Pages;
  if (!pageDialogs_->CustomizePages(pages, window_.State().CurrentPage)) return;
  // Only the entries change; titles, heights and scales stay as they are.
  std::vector<PalettePage>& kept = window_.State().Pages;
  for (std::size_t i = 0; i < kept.size() && i < pages.size(); ++i)
    kept[i].Entries = std::move(pages[i].Entries);
  ShowPage(window_.State().CurrentPage);
}
