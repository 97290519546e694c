#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Block.h"

class TBlockList;
class TDocument;
class TModelEdit;

// The fields of a piece that a model file keeps, which is everything an edit
// can change. The selection and the stud covers are not part of it.
struct TPieceRecord {
  TColor Color = 0;
  std::int32_t Direction = 0;
  bool Transparent = false;
  std::int32_t X = 0, Y = 0, Z = 0, SizeX = 0, SizeY = 0, SizeZ = 0;
  bool HasStuds = false, IsBaseplate = false;
  char BlockType = 'B';
  TDrawClass* Shape = nullptr;
  std::string PartName;
  std::int32_t Variant = 0;
  std::int32_t Group = 0;
  std::int16_t Step = 0;

  static TPieceRecord Of(const TBlock& piece);
  void ApplyTo(TBlock& piece) const;
  bool operator==(const TPieceRecord& other) const;
  bool operator!=(const TPieceRecord& other) const { return !(*this == other); }
  // Position, size or turn differ: the painting order may have to change.
  bool SameBox(const TPieceRecord& other) const;
};

// The pieces that are in the model on one side of a step, in ascending order
// of their places in ModelList (-1: the piece lay in CutList).
struct TStepSide {
  std::vector<TBlock*> pieces;
  std::vector<int> at;
  // The places fit the list as it will be when these pieces come back, so
  // they can go back exactly where they were.
  bool placesValid = false;
};

// A piece whose record an edit changed.
struct TPieceChange {
  TBlock* piece = nullptr;
  TPieceRecord before, after;
};

// One change of the model as the history keeps it: what it took out, what it
// put in and which records it changed. Never a copy of the model.
struct THistoryStep {
  std::string name;
  std::uint64_t serial = 0;
  TStepSide removed;   // in the model before the step
  TStepSide inserted;  // in the model after it
  std::vector<TPieceChange> changes;
  // The pieces of the side that is out of the model now; the step owns them.
  std::vector<std::unique_ptr<TBlock>> parked;
  // The order of ModelList as the step last left it, so that an undo or redo
  // knows whether the places it kept still fit.
  std::uint64_t orderPrint = 0;

  bool Empty() const {
    return removed.pieces.empty() && inserted.pieces.empty() && changes.empty();
  }
};

// A short text of the order of a list's pieces: equal texts, same order.
std::uint64_t OrderFingerprint(const TBlockList& list);

// "Delete 1 piece", "Delete 3 pieces".
std::string PiecesName(const std::string& verb, int count);

// Undo and redo of every change of the model. Changes come in through
// TModelEdit only, so that nothing changes the pieces behind the history's
// back. A step holds the pieces it took out, the pieces it put in with their
// places in the list, and the records of the pieces it changed, so its size
// follows the size of the change. The oldest steps go beyond kMaxSteps.
// Pieces are known by identity: moving between ModelList and CutList (the
// cut-off) or re-sorting (a new view) does not lose them; places in the list
// are used only while the list is still in the order the step left it.
class THistory {
 public:
  static constexpr int kMaxSteps = 1000;

  explicit THistory(TDocument& document);
  ~THistory();
  THistory(const THistory&) = delete;
  THistory& operator=(const THistory&) = delete;

  int UndoCount() const { return static_cast<int>(done_.size()); }
  int RedoCount() const { return static_cast<int>(undone_.size()); }
  bool CanUndo() const { return !done_.empty() && !open_; }
  bool CanRedo() const { return !undone_.empty() && !open_; }
  // The names of the steps an undo and a redo would take back; empty when none.
  std::string UndoName() const;
  std::string RedoName() const;

  // What an undo or redo did.
  struct Outcome {
    bool done = false;
    bool boxesChanged = false;  // a piece moved, turned or was resized
  };
  // New pieces that must go back into ModelList at a place no longer known
  // are inserted in painter's order for the octant.
  Outcome Undo(int octant);
  Outcome Redo(int octant);

  // A new model or a complete load: no steps, and the model counts as saved.
  void Clear();
  // The model was just saved completely.
  void MarkSaved();
  // The model differs from the one last saved (or last started or loaded).
  bool Modified() const { return Position() != savedAt_; }

  // Called after every change of the history: a step recorded, undone,
  // redone, the history cleared or the model saved.
  std::function<void()> Changed;

 private:
  friend class TModelEdit;
  std::int64_t Position() const { return dropped_ + static_cast<std::int64_t>(done_.size()); }
  // A finished edit's step, new or continued (changedMore: the continuation
  // changed the model further); the redo list goes.
  std::uint64_t Record(std::unique_ptr<THistoryStep> step, bool continued, bool changedMore);
  // The last step done, handed back to an edit that continues it, when its
  // serial is the one given and nothing was undone since.
  std::unique_ptr<THistoryStep> Reopen(std::uint64_t serial);
  void Notify();

  TDocument& document_;
  std::deque<std::unique_ptr<THistoryStep>> done_;     // the last done at the back
  std::vector<std::unique_ptr<THistoryStep>> undone_;  // the last undone at the back
  std::int64_t dropped_ = 0;                           // steps that fell off the front of done_
  std::int64_t savedAt_ = 0;  // the position of the saved model; -1: no longer reachable
  std::uint64_t nextSerial_ = 1;
  TModelEdit* open_ = nullptr;  // the edit being made, if any
};
