#include "model/Document.h"

TDocument::TDocument() {
  ModelList.SortedOctant = 0;
  ModelList.AddSorted(DefaultBaseplate(), 0);
}

std::unique_ptr<TBlock> TDocument::DefaultBaseplate(bool studs) {
  return std::make_unique<TBlock>(-8, -4, -1, 16, 8, 1, 0xC0C0C0, studs, true, false, "3865");
}

void TDocument::NewModel(int octant, bool studs) {
  ModelList.Clear();
  CutList.Clear();
  ModelList.AddSorted(DefaultBaseplate(studs), octant);
  History.Clear();
}

bool TDocument::SetZCutLevel(int level, int octant) {
  // The pieces that cross the level move in one pass each way, in the order
  // in which moving them one by one from the end of the list would take them.
  const bool raising = level > ZCutLevel;
  TBlockList& from = raising ? CutList : ModelList;
  TBlockList& to = raising ? ModelList : CutList;
  auto moving = from.TakeWhereFromLast(
      [level, raising](const TBlock& b) { return raising ? b.Top() <= level : b.Top() > level; });
  const bool moved = !moving.empty();
  if (moved) to.AddSortedAll(std::move(moving), octant);
  ZCutLevel = level;
  return moved;
}
