#include "model/ModelEdit.h"

#include "model/Document.h"

TModelEdit::TModelEdit(TDocument& document, std::string name)
    : TModelEdit(document, std::move(name), 0) {}

TModelEdit::TModelEdit(TDocument& document, std::string name, std::uint64_t continuing)
    : document_(document), history_(document.History) {
  if (history_.open_) {
    outer_ = history_.open_;
    return;
  }
  history_.open_ = this;
  if (continuing) step_ = history_.Reopen(continuing);
  if (step_) {
    continued_ = true;
    // The pieces the step took out have places measured before it, which
    // fit only while the rest of the list keeps the order the step left.
    if (OrderFingerprint(document_.ModelList) != step_->orderPrint) removedPlacesLost_ = true;
    inserted_.insert(step_->inserted.pieces.begin(), step_->inserted.pieces.end());
    for (const TPieceChange& c : step_->changes) changed_.insert(c.piece);
  } else {
    step_ = std::make_unique<THistoryStep>();
  }
  step_->name = std::move(name);
}

TModelEdit::~TModelEdit() {
  try {
    Commit();
  } catch (...) {
    // Out of memory while ending the edit: the model stays as it is.
  }
}

void TModelEdit::Rename(std::string name) {
  if (!outer_ && step_) step_->name = std::move(name);
}

void TModelEdit::NoteOrderBefore() {
  if (orderNoted_) return;
  orderNoted_ = true;
  const TBlockList& model = document_.ModelList;
  orderBefore_.reserve(static_cast<std::size_t>(model.Count()));
  for (int i = 0; i < model.Count(); ++i) orderBefore_.push_back(model[i]);
}

TBlock& TModelEdit::Change(TBlock& piece) {
  TModelEdit& r = *Recorder();
  if (!r.inserted_.count(&piece) && r.changed_.insert(&piece).second)
    r.before_.emplace_back(&piece, TPieceRecord::Of(piece));
  return piece;
}

int TModelEdit::Insert(std::unique_ptr<TBlock> piece, int octant) {
  TModelEdit& r = *Recorder();
  r.NoteOrderBefore();
  r.inserted_.insert(piece.get());
  r.changedMore_ = true;
  return document_.ModelList.AddSorted(std::move(piece), octant);
}

void TModelEdit::InsertAll(std::vector<std::unique_ptr<TBlock>> pieces, int octant) {
  TModelEdit& r = *Recorder();
  r.NoteOrderBefore();
  for (const auto& piece : pieces) r.inserted_.insert(piece.get());
  if (!pieces.empty()) r.changedMore_ = true;
  document_.ModelList.AddSortedAll(std::move(pieces), octant);
}

void TModelEdit::Remove(int index) {
  TModelEdit& r = *Recorder();
  r.NoteOrderBefore();
  r.changedMore_ = true;
  std::unique_ptr<TBlock> piece = document_.ModelList.Take(index);
  // A piece that came in with this step simply goes again.
  if (r.inserted_.erase(piece.get())) return;
  if (r.continued_) r.removedPlacesLost_ = true;
  r.newlyRemoved_.push_back(piece.get());
  r.step_->parked.push_back(std::move(piece));
}

std::unique_ptr<TBlock> TModelEdit::TakeToCarry(int index) {
  const TBlock& original = *document_.ModelList[index];
  std::unique_ptr<TBlock> copy = original.Clone();
  copy->Group = original.Group;
  Remove(index);
  return copy;
}

void TModelEdit::Resort(int octant, bool computeCover) {
  TModelEdit& r = *Recorder();
  r.NoteOrderBefore();
  r.removedPlacesLost_ = true;
  document_.ModelList.Resort(octant, computeCover);
}

void TModelEdit::FinishStep() {
  THistoryStep& step = *step_;
  const TBlockList& model = document_.ModelList;

  // Removed pieces, with their places in the list as it was before the edit.
  if (!newlyRemoved_.empty()) {
    std::unordered_set<const TBlock*> fresh(newlyRemoved_.begin(), newlyRemoved_.end());
    TStepSide& side = step.removed;
    for (std::size_t i = 0; i < orderBefore_.size(); ++i)
      if (fresh.count(orderBefore_[i])) {
        side.pieces.push_back(orderBefore_[i]);
        side.at.push_back(static_cast<int>(i));
      }
  }
  step.removed.placesValid = !removedPlacesLost_;

  // Inserted pieces, with their places in the list as it is now.
  TStepSide inserted;
  for (int i = 0; i < model.Count() && inserted.pieces.size() < inserted_.size(); ++i)
    if (inserted_.count(model[i])) {
      inserted.pieces.push_back(model[i]);
      inserted.at.push_back(i);
    }
  // One the cut-off has lifted out since (a continued step) is kept too.
  for (int i = 0; i < document_.CutList.Count() && inserted.pieces.size() < inserted_.size(); ++i)
    if (inserted_.count(document_.CutList[i])) {
      inserted.pieces.insert(inserted.pieces.begin(), document_.CutList[i]);
      inserted.at.insert(inserted.at.begin(), -1);
    }
  step.inserted = std::move(inserted);

  for (TPieceChange& c : step.changes) c.after = TPieceRecord::Of(*c.piece);
  for (auto& [piece, before] : before_) {
    TPieceChange c{piece, std::move(before), TPieceRecord::Of(*piece)};
    if (c.before == c.after) continue;
    changedMore_ = true;
    step.changes.push_back(std::move(c));
  }
  step.orderPrint = OrderFingerprint(model);
}

std::uint64_t TModelEdit::Commit() {
  if (outer_ || finished_) return 0;
  finished_ = true;
  history_.open_ = nullptr;
  FinishStep();
  if (step_->Empty()) {
    // A continued step that undid itself leaves the model as before it.
    if (continued_) history_.Notify();
    return 0;
  }
  return history_.Record(std::move(step_), continued_, changedMore_);
}
