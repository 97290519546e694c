#pragma once
#include <memory>

#include "model/BlockList.h"
#include "model/History.h"

// The model being edited: the pieces shown, the pieces lifted out by the Z
// cut-off, the cut-off level, the last group number handed out and the
// history of changes (made through TModelEdit).
class TDocument {
 public:
  static constexpr int kInitialZCutLevel = 9999;

  TBlockList ModelList;
  TBlockList CutList;
  int ZCutLevel = kInitialZCutLevel;
  int GroupCounter = 0;
  THistory History{*this};

  TDocument();

  // The baseplate of a new model: 16 by 8 studs, one plate thick, top at 0.
  static std::unique_ptr<TBlock> DefaultBaseplate(bool studs = true);

  // Frees every piece of both lists and puts in a new default baseplate; the
  // history starts anew.
  void NewModel(int octant, bool studs = true);

  // Moves pieces whose top lies above the level into CutList and back;
  // returns whether any piece moved.
  bool SetZCutLevel(int level, int octant);
};
