#pragma once
#include <functional>

#include "model/BlockList.h"

class TDocument;

// What the selection commands do to the pieces of a list: deselecting,
// deleting, grouping, and the walk over the selected pieces that the
// advanced toolbox uses. Each returns whether the model changed. Those that
// change the model work on the document's ModelList, each as one step of its
// history.

int SelectedCount(const TBlockList& list);
// The index of the first selected piece in list order, -1 when none is.
int FirstSelected(const TBlockList& list);

// Esc: every piece is deselected; true when one was selected.
bool ClearSelection(TBlockList& list);
// Delete: every selected piece goes (the history keeps it for an undo);
// returns how many went.
int DeleteSelected(TDocument& document);

// "Make group": with at least two pieces selected, the group counter rises
// by one and every selected piece takes it and is deselected.
bool MakeGroup(TDocument& document);
// "Break group(s)": every selected piece leaves its group and is deselected;
// the other pieces of those groups keep their number.
bool BreakGroups(TDocument& document);

// Which group commands the options menu offers for the selection: none
// without a selected piece; "Make group" with one; "Break group(s)" when the
// first selected piece is in a group.
struct GroupCommands {
  bool makeGroup = false;
  bool breakGroups = false;
};
GroupCommands GroupCommandsFor(const TBlockList& list);

// The walk over the selected pieces: the last one found and the smallest X,
// Y and Z among them after the action; 99999 each when none is selected.
struct SelectionWalk {
  static constexpr int kNone = 99999;
  int LastSelected = -1;  // not reset by a walk
  int MinX = kNone, MinY = kNone, MinZ = kNone;
};

// Applies the action (when given) to every selected piece in list order and
// lowers the minima by each piece as it is afterwards; returns how many
// pieces were selected.
int ForEachSelected(TBlockList& list, SelectionWalk& walk,
                    const std::function<void(TBlock&)>& action = nullptr);
