#include "model/BlockList.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "model/Bounds.h"
#include "model/PainterOrder.h"

int TBlockList::IndexOf(const TBlock* piece) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == piece) return static_cast<int>(i);
  return -1;
}

void TBlockList::Add(std::unique_ptr<TBlock> piece) {
  items_.push_back(piece.get());
  piece.release();  // the list owns it now
}

void TBlockList::Insert(int index, std::unique_ptr<TBlock> piece) {
  items_.insert(items_.begin() + index, piece.get());
  piece.release();  // the list owns it now
}

std::unique_ptr<TBlock> TBlockList::Take(int index) {
  std::unique_ptr<TBlock> piece(items_[static_cast<std::size_t>(index)]);
  items_.erase(items_.begin() + index);
  return piece;
}

void TBlockList::Delete(int index) {
  Take(index);
}

std::vector<std::unique_ptr<TBlock>> TBlockList::TakeAll() {
  std::vector<std::unique_ptr<TBlock>> pieces;
  pieces.reserve(items_.size());
  for (TBlock* piece : items_) pieces.emplace_back(piece);
  items_.clear();
  return pieces;
}

void TBlockList::Clear() {
  for (TBlock* piece : items_) delete piece;
  items_.clear();
}

bool TBlockList::DrawsAfter(const TBlock& i, const TBlock& n, int octant) {
  return InFrontOf(OrderKeyOf(i, octant), OrderKeyOf(n, octant));
}

int TBlockList::AddSorted(std::unique_ptr<TBlock> piece, int octant) {
  const OrderKey key = OrderKeyOf(*piece, octant);
  int n = Count() - 1;
  while (n >= 0 && InFrontOf(OrderKeyOf(*items_[static_cast<std::size_t>(n)], octant), key)) --n;
  Insert(n + 1, std::move(piece));
  return n + 1;
}

void TBlockList::AddSortedAll(std::vector<std::unique_ptr<TBlock>> pieces, int octant) {
  // The same result as one AddSorted after the other.
  TOrderBuilder order(items_.size() + pieces.size());
  for (TBlock* piece : items_) order.Append(OrderKeyOf(*piece, octant), piece);
  for (auto& piece : pieces) order.Insert(OrderKeyOf(*piece, octant), piece.get());
  items_ = order.Take();
  for (auto& piece : pieces) piece.release();  // the list owns them now
}

void TBlockList::Resort(int octant, bool computeCover) {
  if (!items_.empty()) {
    // Stage 1: the unbalanced binary tree; stage 2: the pieces emptied out of
    // the list and inserted again in tree order, each as AddSorted would.
    std::vector<OrderKey> keys(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i) keys[i] = OrderKeyOf(*items_[i], octant);
    const std::vector<int> tree = DrawTreeOrder(keys);
    TOrderBuilder order(items_.size());
    for (int node : tree)
      order.Insert(keys[static_cast<std::size_t>(node)], items_[static_cast<std::size_t>(node)]);
    items_ = order.Take();
  }
  SortedOctant = static_cast<std::int16_t>(octant);
  if (computeCover) ComputeCover();
}

namespace {

constexpr std::int64_t kCoverCell = 80;        // four studs
constexpr std::int64_t kMaxCellsPerSide = 64;  // larger pieces are checked against all

std::int64_t CellOf(std::int64_t v) {
  return v >= 0 ? v / kCoverCell : -((-v + kCoverCell - 1) / kCoverCell);
}

}  // namespace

void TBlockList::ComputeCover() {
  // A piece Q covers a piece P only when it stands directly on it
  // (P.Z + P.SizeZ = Q.Z), so the pieces are bucketed by the height of their
  // top and, within a height, by the cells of a coarse grid over x and y.
  struct Cover {
    std::int64_t top = 0, bottom = 0;
  };
  const std::size_t count = items_.size();
  std::vector<Cover> covers(count);
  struct CellKey {
    std::int64_t top, cx, cy;
    bool operator==(const CellKey& o) const { return top == o.top && cx == o.cx && cy == o.cy; }
  };
  struct CellHash {
    std::size_t operator()(const CellKey& k) const {
      std::uint64_t h = static_cast<std::uint64_t>(k.top) * 0x9E3779B97F4A7C15ull;
      h ^= static_cast<std::uint64_t>(k.cx) * 0xC2B2AE3D27D4EB4Full + (h << 6) + (h >> 2);
      h ^= static_cast<std::uint64_t>(k.cy) * 0x165667B19E3779F9ull + (h << 6) + (h >> 2);
      return static_cast<std::size_t>(h);
    }
  };
  std::unordered_map<CellKey, std::vector<int>, CellHash> cells;
  std::unordered_map<std::int64_t, std::vector<int>> oversized;  // by top height
  cells.reserve(count * 2);
  auto spans = [](const TBlock& b, std::int64_t& cx0, std::int64_t& cx1, std::int64_t& cy0,
                  std::int64_t& cy1) {
    cx0 = CellOf(b.X);
    cx1 = CellOf(b.Right() - 1);
    cy0 = CellOf(b.Y);
    cy1 = CellOf(b.Back() - 1);
    return cx1 - cx0 < kMaxCellsPerSide && cy1 - cy0 < kMaxCellsPerSide;
  };
  for (std::size_t i = 0; i < count; ++i) {
    const TBlock& p = *items_[i];
    if (p.SizeX <= 0 || p.SizeY <= 0) continue;  // covers nothing and is covered by nothing
    std::int64_t cx0, cx1, cy0, cy1;
    if (!spans(p, cx0, cx1, cy0, cy1)) {
      oversized[p.Top()].push_back(static_cast<int>(i));
      continue;
    }
    for (std::int64_t cx = cx0; cx <= cx1; ++cx)
      for (std::int64_t cy = cy0; cy <= cy1; ++cy)
        cells[CellKey{p.Top(), cx, cy}].push_back(static_cast<int>(i));
  }
  std::vector<std::size_t> seenBy(count, static_cast<std::size_t>(-1));
  auto cover = [&](std::size_t qi, int pi) {
    if (static_cast<std::size_t>(pi) == qi || seenBy[static_cast<std::size_t>(pi)] == qi) return;
    seenBy[static_cast<std::size_t>(pi)] = qi;
    const TBlock& q = *items_[qi];
    const TBlock& p = *items_[static_cast<std::size_t>(pi)];
    const std::int64_t x0 = std::max<std::int64_t>(p.X, q.X);
    const std::int64_t y0 = std::max<std::int64_t>(p.Y, q.Y);
    const std::int64_t x1 = std::min(p.Right(), q.Right());
    const std::int64_t y1 = std::min(p.Back(), q.Back());
    if (x1 > x0 && y1 > y0) {
      const std::int64_t area = (x1 - x0) * (y1 - y0);
      covers[static_cast<std::size_t>(pi)].top += area;
      covers[qi].bottom += area;
    }
  };
  for (std::size_t qi = 0; qi < count; ++qi) {
    const TBlock& q = *items_[qi];
    if (q.Transparent || q.Color == 0xFFFF00 || q.SizeX <= 0 || q.SizeY <= 0) continue;
    auto big = oversized.find(q.Z);
    if (big != oversized.end())
      for (int pi : big->second) cover(qi, pi);
    if (cells.empty()) continue;
    std::int64_t cx0, cx1, cy0, cy1;
    if (!spans(q, cx0, cx1, cy0, cy1)) {
      // A huge upper piece: look at every piece whose top is at its bottom.
      for (const auto& [key, list] : cells)
        if (key.top == q.Z)
          for (int pi : list) cover(qi, pi);
      continue;
    }
    for (std::int64_t cx = cx0; cx <= cx1; ++cx)
      for (std::int64_t cy = cy0; cy <= cy1; ++cy) {
        auto found = cells.find(CellKey{q.Z, cx, cy});
        if (found == cells.end()) continue;
        for (int pi : found->second) cover(qi, pi);
      }
  }
  for (std::size_t i = 0; i < count; ++i) {
    items_[i]->TopCover = Clamp32(covers[i].top);
    items_[i]->BottomCover = Clamp32(covers[i].bottom);
  }
}

int TBlockList::PieceAt(const TView& view, int px, int py) const {
  for (int i = Count() - 1; i >= 0; --i)
    if (items_[static_cast<std::size_t>(i)]->HitTest(view, px, py)) return i;
  return -1;
}

void TBlockList::DrawAll(Canvas& canvas, RenderContext& rc) const {
  for (const auto& piece : items_)
    if (piece->Step <= StepLimit) piece->Draw(canvas, rc);
}

void TBlockList::AddOffsetCopies(TBlockList& source, int x, int y, int z, int octant) {
  std::int64_t minX = 9999, minY = 9999, minZ = 9999;
  for (const auto& p : source.items_) {
    minX = std::min<std::int64_t>(minX, p->X);
    minY = std::min<std::int64_t>(minY, p->Y);
    minZ = std::min<std::int64_t>(minZ, p->Z);
  }
  for (const auto& p : source.items_) {
    p->X = static_cast<std::int32_t>(p->X + (x - minX));
    p->Y = static_cast<std::int32_t>(p->Y + (y - minY));
    p->Z = static_cast<std::int32_t>(p->Z + (z - minZ));
  }
  std::vector<std::unique_ptr<TBlock>> copies;
  copies.reserve(source.items_.size());
  for (const auto& p : source.items_) {
    copies.push_back(p->Clone());
    copies.back()->Group = p->Group;
  }
  AddSortedAll(std::move(copies), octant);
  SortedOctant = -1;
}

int TBlockList::FirstInGroup(int group) const {
  return NextInGroup(group, -1);
}

int TBlockList::NextInGroup(int group, int index) const {
  for (int i = index + 1; i < Count(); ++i)
    if (items_[static_cast<std::size_t>(i)]->Group == group) return i;
  return -1;
}

int TBlockList::MaxTopUnder(int x, int y, int w, int d) const {
  int best = 0;
  for (const auto& p : items_) best = std::max(best, p->TopOver(x, y, w, d));
  return best;
}
