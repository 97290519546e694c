#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/History.h"

class TDocument;

// One change of the model, the only way the window, the mouse, the keys and
// the toolbox change pieces: it makes the change and records it, and when it
// ends (Commit, or the end of its scope) it becomes one step of the
// document's history. An edit that changed nothing leaves no step. An edit
// opened while another is open records into that one.
//
//   TModelEdit edit(document, "Recolour 1 piece");
//   edit.Change(piece).Color = colour;
class TModelEdit {
 public:
  TModelEdit(TDocument& document, std::string name);
  // Continues the step with that serial when it is still the last one done
  // (putting down what a pick-up took out of the model makes one "Move").
  TModelEdit(TDocument& document, std::string name, std::uint64_t continuing);
  ~TModelEdit();
  TModelEdit(const TModelEdit&) = delete;
  TModelEdit& operator=(const TModelEdit&) = delete;

  void Rename(std::string name);
  // The edit goes on with a step recorded earlier.
  bool Continued() const { return continued_; }

  // To be called before a piece of the model (ModelList or CutList) changes;
  // returns the piece for the change.
  TBlock& Change(TBlock& piece);
  // A new piece into ModelList at its painting place; returns its index.
  int Insert(std::unique_ptr<TBlock> piece, int octant);
  // New pieces one after the other, as Insert each.
  void InsertAll(std::vector<std::unique_ptr<TBlock>> pieces, int octant);
  // Takes the piece out of ModelList; the history keeps it for undo.
  void Remove(int index);
  // Takes the piece out of ModelList as Remove does and hands back a copy of
  // it (group and step kept, not selected) to be carried.
  std::unique_ptr<TBlock> TakeToCarry(int index);
  // Rebuilds the painting order of ModelList (Resort).
  void Resort(int octant, bool computeCover);

  // Ends the edit; returns the serial of its step, 0 when it changed nothing.
  std::uint64_t Commit();

 private:
  TModelEdit* Recorder() { return outer_ ? outer_ : this; }
  void NoteOrderBefore();
  void FinishStep();

  TDocument& document_;
  THistory& history_;
  TModelEdit* outer_ = nullptr;
  bool finished_ = false;
  bool continued_ = false;    // the edit goes on with a step already recorded
  bool changedMore_ = false;  // it changed the model itself, beyond that step
  std::unique_ptr<THistoryStep> step_;
  // ModelList as it was before the first piece went in or out.
  std::vector<TBlock*> orderBefore_;
  bool orderNoted_ = false;
  // The step's removed places no longer fit (a re-sort, or a continued step that moved pieces).
  bool removedPlacesLost_ = false;
  std::unordered_set<const TBlock*> inserted_, changed_;
  std::vector<TBlock*> newlyRemoved_;
  std::vector<std::pair<TBlock*, TPieceRecord>> before_;
};
