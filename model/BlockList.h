#pragma once
#include <cstdint>
#include <iterator>
#include <memory>
#include <vector>

#include "model/Block.h"

// The pieces of a model in the order in which they are painted (painter's
// algorithm): a piece that can hide another comes after it. The list owns its
// pieces.
class TBlockList {
 public:
  std::int16_t SortedOctant = 0;  // octant of the current order; anything else forces a re-sort
  std::int16_t StepLimit = 0;     // only pieces with Step <= StepLimit are painted

  TBlockList() = default;
  ~TBlockList() { Clear(); }
  TBlockList(const TBlockList&) = delete;
  TBlockList& operator=(const TBlockList&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  TBlock* operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }
  TBlock* Last() const { return items_.empty() ? nullptr : items_.back(); }
  int IndexOf(const TBlock* piece) const;

  void Add(std::unique_ptr<TBlock> piece);  // at the end, no sorting
  void Insert(int index, std::unique_ptr<TBlock> piece);
  std::unique_ptr<TBlock> Take(int index);  // removes without freeing
  void Delete(int index);                   // removes and frees
  void Clear();                             // frees every piece
  // Every piece handed over in list order; the list is left empty.
  std::vector<std::unique_ptr<TBlock>> TakeAll();
  // Every piece for which the test holds, handed over from the last to the
  // first in list order, in one pass; the others keep their order.
  template <class Test>
  std::vector<std::unique_ptr<TBlock>> TakeWhereFromLast(Test test);

  // I must be painted after N in the given octant: I lies wholly on the
  // viewer's side of N along at least one axis.
  static bool DrawsAfter(const TBlock& i, const TBlock& n, int octant);

  // Inserts the piece directly after the last piece, scanning from the end,
  // that is not in front of it; returns its index.
  int AddSorted(std::unique_ptr<TBlock> piece, int octant);
  // AddSorted of every piece in turn, in one pass (loading a file, sets of pieces).
  void AddSortedAll(std::vector<std::unique_ptr<TBlock>> pieces, int octant);

  // Rebuilds the whole order for the octant and then recomputes the covers
  // when computeCover is set ("Don't render covered studs").
  void Resort(int octant, bool computeCover);

  // TopCover and BottomCover of every piece: the area covered by opaque
  // pieces standing directly on it, and under it.
  void ComputeCover();

  // Index of the last piece whose outline contains the screen point, -1 if none.
  int PieceAt(const TView& view, int px, int py) const;

  // Draw of every piece, first to last, whose Step <= StepLimit.
  void DrawAll(Canvas& canvas, RenderContext& rc) const;

  // Moves the source pieces as one rigid set so that their minimum corner is
  // (x, y, z), then adds a clone of each (keeping its group) to this list.
  void AddOffsetCopies(TBlockList& source, int x, int y, int z, int octant);

  int FirstInGroup(int group) const;
  int NextInGroup(int group, int index) const;

  // Largest TopOver of all pieces for the rectangle, at least 0.
  int MaxTopUnder(int x, int y, int w, int d) const;

 private:
  // Owned pieces; plain pointers so that inserting into a long list is one memmove.
  std::vector<TBlock*> items_;
};

template <class Test>
std::vector<std::unique_ptr<TBlock>> TBlockList::TakeWhereFromLast(Test test) {
  std::vector<std::unique_ptr<TBlock>> taken;
  std::size_t kept = 0;
  for (TBlock* piece : items_) {
    if (test(*piece))
      taken.emplace_back(piece);
    else
      items_[kept++] = piece;
  }
  items_.resize(kept);
  return {std::make_move_iterator(taken.rbegin()), std::make_move_iterator(taken.rend())};
}
