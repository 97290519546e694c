#include "model/Selection.h"

#include <algorithm>

#include "model/Document.h"
#include "model/ModelEdit.h"

int SelectedCount(const TBlockList& list) {
  int count = 0;
  for (int i = 0; i < list.Count(); ++i)
    if (list[i]->Selected) ++count;
  return count;
}

int FirstSelected(const TBlockList& list) {
  for (int i = 0; i < list.Count(); ++i)
    if (list[i]->Selected) return i;
  return -1;
}

bool ClearSelection(TBlockList& list) {
  bool any = false;
  for (int i = 0; i < list.Count(); ++i) {
    any = any || list[i]->Selected;
    list[i]->Selected = false;
  }
  return any;
}

int DeleteSelected(TDocument& document) {
  TBlockList& list = document.ModelList;
  TModelEdit edit(document, "");
  int deleted = 0;
  for (int i = list.Count() - 1; i >= 0; --i) {
    if (!list[i]->Selected) continue;
    edit.Remove(i);
    ++deleted;
  }
  edit.Rename(PiecesName("Delete", deleted));
  return deleted;
}

bool MakeGroup(TDocument& document) {
  TBlockList& list = document.ModelList;
  if (SelectedCount(list) < 2) return false;
  const int group = ++document.GroupCounter;
  TModelEdit edit(document, "Make group");
  for (int i = 0; i < list.Count(); ++i) {
    TBlock* piece = list[i];
    if (!piece->Selected) continue;
    edit.Change(*piece).Group = group;
    piece->Selected = false;
  }
  return true;
}

bool BreakGroups(TDocument& document) {
  TBlockList& list = document.ModelList;
  TModelEdit edit(document, "Break group(s)");
  bool changed = false;
  for (int i = 0; i < list.Count(); ++i) {
    TBlock* piece = list[i];
    if (!piece->Selected) continue;
    changed = changed || piece->Group != 0;
    edit.Change(*piece).Group = 0;
    piece->Selected = false;
  }
  return changed;
}

GroupCommands GroupCommandsFor(const TBlockList& list) {
  GroupCommands c;
  const int first = FirstSelected(list);
  if (first < 0) return c;
  c.makeGroup = true;
  c.breakGroups = list[first]->Group > 0;
  return c;
}

int ForEachSelected(TBlockList& list, SelectionWalk& walk,
                    const std::function<void(TBlock&)>& action) {
  walk.MinX = walk.MinY = walk.MinZ = SelectionWalk::kNone;
  int walked = 0;
  for (int i = 0; i < list.Count(); ++i) {
    TBlock* piece = list[i];
    if (!piece || !piece->Selected) continue;
    walk.LastSelected = i;
    ++walked;
    if (action) action(*piece);
    walk.MinX = std::min(walk.MinX, piece->X);
    walk.MinY = std::min(walk.MinY, piece->Y);
    walk.MinZ = std::min(walk.MinZ, piece->Z);
  }
  return walked;
}
