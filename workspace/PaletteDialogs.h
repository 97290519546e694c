#pragma once
#include <memory>
#include <string>
#include <vector>

#include "workspace/WorkspaceState.h"

class QWidget;
class TPalettePanel;

// What "Page properties" shows and gives back.
struct PageProperties {
  std::string Header;
  int Height = 40;
  std::string Scale;  // as typed
};

// The dialogs of the palette's page menu, behind an interface so that tests
// can answer them.
class PageDialogs {
 public:
  virtual ~PageDialogs() = default;
  // "Page properties"; false when cancelled.
  virtual bool EditProperties(PageProperties& properties) = 0;
  // "Reorder pages" on a copy of the pages; false when cancelled.
  virtual bool ReorderPages(std::vector<PalettePage>& pages) = 0;
  // "Customize block pages": entries moved between pages of a copy, starting
  // on the current page; false when cancelled.
  virtual bool CustomizePages(std::vector<PalettePage>& pages, int currentPage) = 0;
};

// The lists of "Customize block pages" are drawn as the palette draws its own.
std::unique_ptr<PageDialogs> CreateWindowPageDialogs(QWidget* parent, TPalettePanel& palette);
// The dialog itself (PaletteCustomizeDialog.cpp).
bool RunCustomizePagesDialog(QWidget* parent, TPalettePanel& palette,
                             std::vector<PalettePage>& pages, int currentPage);
