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
  bool moved = false;
  if (level > ZCutLevel) {
    for (int i = CutList.Count() - 1; i >= 0; --i) {
      if (CutList[i]->Top() <= level) {
        ModelList.AddSorted(CutList.Take(i), octant);
        moved = true;
      }
    }
  } else {
    for (int i = ModelList.Count() - 1; i >= 0; --i) {
      if (ModelList[i]->Top() > level) {
        CutList.AddSorted(ModelList.Take(i), octant);
        moved = true;
      }
    }
  }
  ZCutLevel = level;
  return moved;
}
