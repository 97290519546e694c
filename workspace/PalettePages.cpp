#include "workspace/PalettePages.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/FieldScanner.h"
#include "platform/Error.h"

int WrapPageIndex(int index, int pageCount) {
  if (pageCount <= 0) return -1;
  if (index < 0) return pageCount - 1;
  if (index >= pageCount) return 0;
  return index;
}

PalettePage& AppendPage(std::vector<PalettePage>& pages) {
  PalettePage page;
  page.Name = Format("Page%d", static_cast<int>(pages.size()) + 1);
  page.Title = Format("Page%d", static_cast<int>(pages.size()));
  page.Height = 40;
  page.Scale = 0.5f;
  pages.push_back(std::move(page));
  return pages.back();
}

bool MovePage(std::vector<PalettePage>& pages, int index, int delta) {
  const int count = static_cast<int>(pages.size());
  const int other = index + delta;
  if (index < 0 || index >= count || other < 0 || other >= count) return false;
  std::swap(pages[static_cast<std::size_t>(index)], pages[static_cast<std::size_t>(other)]);
  return true;
}

bool MoveEntryToPage(std::vector<PalettePage>& pages, int from, int row, int to, int after) {
  const int count = static_cast<int>(pages.size());
  if (from < 0 || to < 0 || from >= count || to >= count || from == to) return false;
  std::vector<std::string>& source = pages[static_cast<std::size_t>(from)].Entries;
  std::vector<std::string>& target = pages[static_cast<std::size_t>(to)].Entries;
  if (row < 0 || row >= static_cast<int>(source.size())) return false;
  const std::size_t at = after < 0 || after >= static_cast<int>(target.size())
                             ? target.size()
                             : static_cast<std::size_t>(after) + 1;
  target.insert(target.begin() + static_cast<std::ptrdiff_t>(at),
                source[static_cast<std::size_t>(row)]);
  source.erase(source.begin() + row);
  return true;
}

bool MoveEntry(std::vector<std::string>& entries, int row, int delta) {
  const int count = static_cast<int>(entries.size());
  const int other = row + delta;
  if (row < 0 || row >= count || other < 0 || other >= count) return false;
  std::swap(entries[static_cast<std::size_t>(row)], entries[static_cast<std::size_t>(other)]);
  return true;
}

std::string ScaleText(float scale) {
  return Format("%.2g", static_cast<double>(scale));
}

float ReadScale(const std::string& text) {
  const std::string trimmed = Trim(text);
  char* end = nullptr;
  const double value = trimmed.empty() ? 0 : std::strtod(trimmed.c_str(), &end);
  if (trimmed.empty() || *end != '\0' || !std::isfinite(value) || value <= 0 || value > 1000)
    throw ConversionError(Format("'%s' is not a valid floating point value", text.c_str()));
  return static_cast<float>(value);
}

int RecentlyUsedList::Use(const std::string& text, TColor color, int pageHeight) {
  height_ = std::max(height_, pageHeight);
  auto at = std::find_if(entries_.begin(), entries_.end(),
                         [&](const Entry& e) { return e.Text == text; });
  if (at == entries_.end()) {
    entries_.insert(entries_.begin(), Entry{text, color});
    return -1;
  }
  const int was = static_cast<int>(at - entries_.begin());
  std::rotate(entries_.begin(), at, at + 1);
  return was;
}

void RecentlyUsedList::RecolorNewest(TColor color) {
  if (!entries_.empty()) entries_.front().Color = color;
}

void RecentlyUsedList::Clear() {
  entries_.clear();
  height_ = kMinHeight;
}
