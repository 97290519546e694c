#pragma once
#include <string>
#include <vector>

#include "platform/Color.h"
#include "workspace/WorkspaceState.h"

// The page a page index stands for: below 0 the last page, at or past the
// end the first; -1 when there are no pages.
int WrapPageIndex(int index, int pageCount);

// A new empty page at the end of the list, titled "Page%d" with its own index from 0.
PalettePage& AppendPage(std::vector<PalettePage>& pages);

// Exchanges the page at index with its neighbour index + delta (-1 up, +1
// down); false when either is not a page.
bool MovePage(std::vector<PalettePage>& pages, int index, int delta);

// Moves the entry at row of pages[from] into pages[to], after row after
// (appended when after is below 0 or past the end). False unless from and to
// are two different pages and row is one of the entries.
bool MoveEntryToPage(std::vector<PalettePage>& pages, int from, int row, int to, int after);
// Exchanges an entry with its neighbour row + delta; false when either is missing.
bool MoveEntry(std::vector<std::string>& entries, int row, int delta);

// A page's scale as the properties dialog shows it ("%.2g").
std::string ScaleText(float scale);
// The scale typed into the properties dialog; raises ConversionError unless it
// is a finite number above 0 (a page drawn at no size or upside down shows nothing).
float ReadScale(const std::string& text);

// The entries most recently clicked, newest first, each with the colour that
// was current when it was clicked. Not kept in the settings file.
class RecentlyUsedList {
 public:
  static constexpr int kMinHeight = 40;

  struct Entry {
    std::string Text;
    TColor Color;
  };

  const std::vector<Entry>& Entries() const { return entries_; }
  // The height of its entries: the largest page height seen since it was emptied, at least 40.
  int Height() const { return height_; }

  // A click on an entry shown at pageHeight. A new entry goes on top with the
  // colour; one already in the list moves to the top with its own colour.
  // Returns the index the entry had before (-1 when it is new).
  int Use(const std::string& text, TColor color, int pageHeight);
  // The colour of the newest entry becomes this one (a colour field chosen while carrying).
  void RecolorNewest(TColor color);
  void Clear();

 private:
  std::vector<Entry> entries_;
  int height_ = kMinHeight;
};
