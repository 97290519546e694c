#include "model/History.h"

#include <unordered_map>
#include <unordered_set>

#include "model/Document.h"

TPieceRecord TPieceRecord::Of(const TBlock& b) {
  TPieceRecord r;
  r.Color = b.Color;
  r.Direction = b.Direction;
  r.Transparent = b.Transparent;
  r.X = b.X;
  r.Y = b.Y;
  r.Z = b.Z;
  r.SizeX = b.SizeX;
  r.SizeY = b.SizeY;
  r.SizeZ = b.SizeZ;
  r.HasStuds = b.HasStuds;
  r.IsBaseplate = b.IsBaseplate;
  r.BlockType = b.BlockType;
  r.Shape = b.Shape;
  r.PartName = b.PartName;
  r.Variant = b.Variant;
  r.Group = b.Group;
  r.Step = b.Step;
  return r;
}

void TPieceRecord::ApplyTo(TBlock& b) const {
  b.Color = Color;
  b.Direction = Direction;
  b.Transparent = Transparent;
  b.X = X;
  b.Y = Y;
  b.Z = Z;
  b.SizeX = SizeX;
  b.SizeY = SizeY;
  b.SizeZ = SizeZ;
  b.HasStuds = HasStuds;
  b.IsBaseplate = IsBaseplate;
  b.BlockType = BlockType;
  b.Shape = Shape;
  b.PartName = PartName;
  b.Variant = Variant;
  b.Group = Group;
  b.Step = Step;
}

bool TPieceRecord::SameBox(const TPieceRecord& o) const {
  return X == o.X && Y == o.Y && Z == o.Z && SizeX == o.SizeX && SizeY == o.SizeY &&
         SizeZ == o.SizeZ && Direction == o.Direction;
}

bool TPieceRecord::operator==(const TPieceRecord& o) const {
  return SameBox(o) && Color == o.Color && Transparent == o.Transparent && HasStuds == o.HasStuds &&
         IsBaseplate == o.IsBaseplate && BlockType == o.BlockType && Shape == o.Shape &&
         PartName == o.PartName && Variant == o.Variant && Group == o.Group && Step == o.Step;
}

std::uint64_t OrderFingerprint(const TBlockList& list) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull ^ static_cast<std::uint64_t>(list.Count());
  for (int i = 0; i < list.Count(); ++i) {
    h ^= static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(list[i]));
    h *= 0x100000001B3ull;
    h ^= h >> 29;
  }
  return h;
}

std::string PiecesName(const std::string& verb, int count) {
  return verb + " " + std::to_string(count) + (count == 1 ? " piece" : " pieces");
}

namespace {

// Takes `leaving` out of the model and puts `arriving` in, each piece by its
// identity, wherever the cut-off has put it since. The arriving pieces go back
// to their old places when the list still has the order the step left it in;
// otherwise (a re-sort for a new view, pieces moved by the cut-off) they are
// inserted in painter's order, or into CutList when they stand above the
// cut-off level.
void SwapSides(THistoryStep& step, TStepSide& leaving, TStepSide& arriving, TDocument& doc,
               int octant) {
  TBlockList& model = doc.ModelList;
  const bool exact = OrderFingerprint(model) == step.orderPrint;

  std::unordered_map<const TBlock*, std::unique_ptr<TBlock>> parked;
  for (auto& piece : step.parked) parked.emplace(piece.get(), std::move(piece));
  step.parked.clear();

  std::unordered_set<const TBlock*> goes(leaving.pieces.begin(), leaving.pieces.end());
  std::vector<std::unique_ptr<TBlock>> rest;
  {
    std::vector<std::unique_ptr<TBlock>> all = model.TakeAll();
    rest.reserve(all.size() + arriving.pieces.size());
    for (auto& piece : all) {
      if (goes.erase(piece.get()))
        step.parked.push_back(std::move(piece));
      else
        rest.push_back(std::move(piece));
    }
  }
  for (int i = doc.CutList.Count() - 1; i >= 0 && !goes.empty(); --i)
    if (goes.erase(doc.CutList[i])) step.parked.push_back(doc.CutList.Take(i));

  bool placeExactly = exact && arriving.placesValid;
  for (std::size_t k = 0; k < arriving.pieces.size() && placeExactly; ++k) {
    const TBlock* piece = arriving.pieces[k];
    placeExactly = parked.count(piece) && (piece->Top() <= doc.ZCutLevel) == (arriving.at[k] >= 0);
  }
  if (placeExactly) {
    std::size_t k = 0, r = 0;
    for (; k < arriving.pieces.size() && arriving.at[k] < 0; ++k)
      doc.CutList.AddSorted(std::move(parked[arriving.pieces[k]]), octant);
    for (int index = 0; r < rest.size() || k < arriving.pieces.size(); ++index) {
      if (k < arriving.pieces.size() && (arriving.at[k] == index || r == rest.size()))
        model.Add(std::move(parked[arriving.pieces[k++]]));
      else
        model.Add(std::move(rest[r++]));
    }
  } else {
    for (auto& piece : rest) model.Add(std::move(piece));
    std::unordered_set<const TBlock*> inModel;
    for (TBlock* piece : arriving.pieces) {
      auto found = parked.find(piece);
      if (found == parked.end() || !found->second) continue;
      if (piece->Top() > doc.ZCutLevel) {
        doc.CutList.AddSorted(std::move(found->second), octant);
      } else {
        model.AddSorted(std::move(found->second), octant);
        inModel.insert(piece);
      }
    }
    // Their places now, in list order; those in CutList first.
    TStepSide placed;
    for (TBlock* piece : arriving.pieces)
      if (!inModel.count(piece)) {
        placed.pieces.push_back(piece);
        placed.at.push_back(-1);
      }
    for (int i = 0; i < model.Count(); ++i)
      if (inModel.count(model[i])) {
        placed.pieces.push_back(model[i]);
        placed.at.push_back(i);
      }
    arriving.pieces = std::move(placed.pieces);
    arriving.at = std::move(placed.at);
  }
  // The leaving pieces' places fit for their return only if the list was in
  // the order they were measured in.
  leaving.placesValid = exact;
  step.orderPrint = OrderFingerprint(model);
}

}  // namespace

THistory::THistory(TDocument& document) : document_(document) {}

THistory::~THistory() = default;

std::string THistory::UndoName() const {
  return done_.empty() ? std::string() : done_.back()->name;
}

std::string THistory::RedoName() const {
  return undone_.empty() ? std::string() : undone_.back()->name;
}

THistory::Outcome THistory::Undo(int octant) {
  Outcome outcome;
  if (!CanUndo()) return outcome;
  std::unique_ptr<THistoryStep> step = std::move(done_.back());
  done_.pop_back();
  SwapSides(*step, step->inserted, step->removed, document_, octant);
  for (auto c = step->changes.rbegin(); c != step->changes.rend(); ++c) {
    c->before.ApplyTo(*c->piece);
    if (!c->before.SameBox(c->after)) outcome.boxesChanged = true;
  }
  if (outcome.boxesChanged) document_.ModelList.SortedOctant = -1;
  undone_.push_back(std::move(step));
  outcome.done = true;
  Notify();
  return outcome;
}

THistory::Outcome THistory::Redo(int octant) {
  Outcome outcome;
  if (!CanRedo()) return outcome;
  std::unique_ptr<THistoryStep> step = std::move(undone_.back());
  undone_.pop_back();
  for (TPieceChange& c : step->changes) {
    c.after.ApplyTo(*c.piece);
    if (!c.before.SameBox(c.after)) outcome.boxesChanged = true;
  }
  SwapSides(*step, step->removed, step->inserted, document_, octant);
  if (outcome.boxesChanged) document_.ModelList.SortedOctant = -1;
  done_.push_back(std::move(step));
  outcome.done = true;
  Notify();
  return outcome;
}

void THistory::Clear() {
  done_.clear();
  undone_.clear();
  dropped_ = 0;
  savedAt_ = 0;
  Notify();
}

void THistory::MarkSaved() {
  savedAt_ = Position();
  Notify();
}

std::uint64_t THistory::Record(std::unique_ptr<THistoryStep> step, bool continued,
                               bool changedMore) {
  // A saved model among the undone steps can never come back, nor can the
  // one a continued step has now gone beyond.
  const std::int64_t at = Position() + (continued ? 1 : 0);
  if (savedAt_ > at || (savedAt_ == at && continued && changedMore)) savedAt_ = -1;
  undone_.clear();
  if (step->serial == 0) step->serial = nextSerial_++;
  const std::uint64_t serial = step->serial;
  done_.push_back(std::move(step));
  while (done_.size() > static_cast<std::size_t>(kMaxSteps)) {
    done_.pop_front();
    ++dropped_;
  }
  Notify();
  return serial;
}

std::unique_ptr<THistoryStep> THistory::Reopen(std::uint64_t serial) {
  if (done_.empty() || done_.back()->serial != serial) return nullptr;
  std::unique_ptr<THistoryStep> step = std::move(done_.back());
  done_.pop_back();
  return step;
}

void THistory::Notify() {
  if (Changed) Changed();
}
