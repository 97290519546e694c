#pragma once
#include <memory>
#include <string>
#include <vector>

#include "workspace/WorkspaceState.h"

class QWidget;

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
};

std::unique_ptr<PageDialogs> CreateWindowPageDialogs(QWidget* parent);
