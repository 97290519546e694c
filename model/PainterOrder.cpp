#include "model/PainterOrder.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "model/Block.h"

OrderKey OrderKeyOf(const TBlock& b, int octant) {
  // The viewer is on the low-x side in octants 0, 1, 4, 5, on the high-y side
  // in 0, 3, 4, 7 and above in 0..3.
  const bool viewerLowX = octant == 0 || octant == 1 || octant == 4 || octant == 5;
  const bool viewerHighY = octant == 0 || octant == 3 || octant == 4 || octant == 7;
  const bool viewerAbove = octant < 4;
  OrderKey k;
  k.front[0] = viewerLowX ? b.Right() : -std::int64_t{b.X};
  k.back[0] = viewerLowX ? std::int64_t{b.X} : -b.Right();
  k.front[1] = viewerHighY ? -std::int64_t{b.Y} : b.Back();
  k.back[1] = viewerHighY ? -b.Back() : std::int64_t{b.Y};
  k.front[2] = viewerAbove ? -std::int64_t{b.Z} : b.Top();
  k.back[2] = viewerAbove ? -b.Top() : std::int64_t{b.Z};
  return k;
}

TOrderBuilder::TOrderBuilder(std::size_t expected) {
  pool_.reserve(expected / (kBlockMax / 2) + 1);
  order_.reserve(expected / (kBlockMax / 2) + 1);
}

void TOrderBuilder::Append(const OrderKey& key, TBlock* piece) {
  if (order_.empty()) {
    Put(0, 0, key, piece);
    return;
  }
  const int last = static_cast<int>(order_.size()) - 1;
  Put(last, pool_[static_cast<std::size_t>(order_.back())].count, key, piece);
}

void TOrderBuilder::Insert(const OrderKey& n, TBlock* piece) {
  RefreshGroups();
  const int blocks = static_cast<int>(order_.size());
  for (int g = (blocks - 1) / kGroupBlocks; g >= 0 && blocks > 0; --g) {
    if (!MayHoldBehind(groupMax_[static_cast<std::size_t>(g)].v, n)) continue;
    const int first = g * kGroupBlocks;
    for (int position = std::min(blocks, first + kGroupBlocks) - 1; position >= first; --position) {
      const Block& b = pool_[static_cast<std::size_t>(order_[static_cast<std::size_t>(position)])];
      if (!MayHoldBehind(b.max, n)) continue;
      const std::int64_t bx = n.back[0], by = n.back[1], bz = n.back[2];
      for (int i = b.count - 1; i >= 0; --i)
        if (b.front[0][i] > bx && b.front[1][i] > by && b.front[2][i] > bz) {
          Put(position, i + 1, n, piece);
          return;
        }
    }
  }
  Put(0, 0, n, piece);  // in front of every piece: it comes first
}

void TOrderBuilder::Put(int position, int at, const OrderKey& key, TBlock* piece) {
  if (order_.empty()) {
    pool_.emplace_back();
    order_.push_back(0);
  }
  const std::size_t index = static_cast<std::size_t>(order_[static_cast<std::size_t>(position)]);
  {
    Block& b = pool_[index];
    const std::size_t tail = static_cast<std::size_t>(b.count - at);
    for (int axis = 0; axis < 3; ++axis) {
      std::memmove(&b.front[axis][at + 1], &b.front[axis][at], tail * sizeof(std::int64_t));
      b.front[axis][at] = key.front[axis];
      b.max[axis] = b.count == 0 ? key.front[axis] : std::max(b.max[axis], key.front[axis]);
    }
    std::memmove(&b.pieces[at + 1], &b.pieces[at], tail * sizeof(TBlock*));
    b.pieces[at] = piece;
    ++b.count;
  }
  ++count_;
  const std::size_t group = static_cast<std::size_t>(position / kGroupBlocks);
  if (group < groupsValid_)
    for (int axis = 0; axis < 3; ++axis)
      groupMax_[group].v[axis] = std::max(groupMax_[group].v[axis], key.front[axis]);
  if (pool_[index].count < kBlockMax) return;

  // A full block gives its upper half to a new block that follows it.
  pool_.emplace_back();
  Block& full = pool_[index];
  Block& half = pool_.back();
  constexpr int kKeep = kBlockMax / 2;
  half.count = kBlockMax - kKeep;
  full.count = kKeep;
  for (int axis = 0; axis < 3; ++axis) {
    std::memcpy(half.front[axis], &full.front[axis][kKeep],
                static_cast<std::size_t>(half.count) * sizeof(std::int64_t));
    full.max[axis] = *std::max_element(full.front[axis], full.front[axis] + full.count);
    half.max[axis] = *std::max_element(half.front[axis], half.front[axis] + half.count);
  }
  std::memcpy(half.pieces, &full.pieces[kKeep],
              static_cast<std::size_t>(half.count) * sizeof(TBlock*));
  order_.insert(order_.begin() + position + 1, static_cast<int>(pool_.size() - 1));
  groupsValid_ = std::min(groupsValid_, group);
}

void TOrderBuilder::RefreshGroups() {
  const std::size_t groups = (order_.size() + kGroupBlocks - 1) / kGroupBlocks;
  groupMax_.resize(groups);
  for (std::size_t g = groupsValid_; g < groups; ++g) {
    Max3& m = groupMax_[g];
    for (auto& v : m.v) v = std::numeric_limits<std::int64_t>::min();
    const std::size_t end = std::min(order_.size(), (g + 1) * kGroupBlocks);
    for (std::size_t position = g * kGroupBlocks; position < end; ++position) {
      const Block& b = pool_[static_cast<std::size_t>(order_[position])];
      for (int axis = 0; axis < 3; ++axis) m.v[axis] = std::max(m.v[axis], b.max[axis]);
    }
  }
  groupsValid_ = groups;
}

std::vector<TBlock*> TOrderBuilder::Take() {
  std::vector<TBlock*> pieces;
  pieces.reserve(count_);
  for (int index : order_) {
    const Block& b = pool_[static_cast<std::size_t>(index)];
    pieces.insert(pieces.end(), b.pieces, b.pieces + b.count);
  }
  pool_.clear();
  order_.clear();
  groupMax_.clear();
  groupsValid_ = 0;
  count_ = 0;
  return pieces;
}

namespace {

constexpr std::size_t kStretch = 32;

// A chain of right children from its top node down, with the smallest back
// key on each axis of every complete stretch of kStretch nodes.
struct RightChain {
  std::vector<int> nodes;
  std::vector<std::int64_t> stretchMin;  // three per complete stretch
};

// The first node of the chain that the piece is not in front of, or -1.
int FirstNotBehind(const RightChain& chain, const std::vector<OrderKey>& keys, const OrderKey& p) {
  const std::size_t size = chain.nodes.size();
  const std::size_t stretches = chain.stretchMin.size() / 3;
  auto scan = [&](std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i)
      if (!InFrontOf(p, keys[static_cast<std::size_t>(chain.nodes[i])])) return static_cast<int>(i);
    return -1;
  };
  for (std::size_t s = 0; s < stretches; ++s) {
    const std::int64_t* m = &chain.stretchMin[3 * s];
    // In front of every node of the stretch along one axis: pass it whole.
    if (p.front[0] <= m[0] || p.front[1] <= m[1] || p.front[2] <= m[2]) continue;
    const int found = scan(s * kStretch, (s + 1) * kStretch);
    if (found >= 0) return found;
  }
  return scan(stretches * kStretch, size);
}

void AppendToChain(RightChain& chain, int node, const std::vector<OrderKey>& keys) {
  chain.nodes.push_back(node);
  if (chain.nodes.size() % kStretch != 0) return;
  std::int64_t m[3] = {std::numeric_limits<std::int64_t>::max(),
                       std::numeric_limits<std::int64_t>::max(),
                       std::numeric_limits<std::int64_t>::max()};
  for (std::size_t i = chain.nodes.size() - kStretch; i < chain.nodes.size(); ++i)
    for (int axis = 0; axis < 3; ++axis)
      m[axis] = std::min(m[axis], keys[static_cast<std::size_t>(chain.nodes[i])].back[axis]);
  chain.stretchMin.insert(chain.stretchMin.end(), m, m + 3);
}

}  // namespace

std::vector<int> DrawTreeOrder(const std::vector<OrderKey>& keys) {
  const int count = static_cast<int>(keys.size());
  std::vector<int> order;
  if (count == 0) return order;
  std::vector<int> left(keys.size(), -1), right(keys.size(), -1), chainOf(keys.size(), 0);
  std::vector<RightChain> chains(1);
  AppendToChain(chains[0], 0, keys);
  for (int p = 1; p < count; ++p) {
    const OrderKey& key = keys[static_cast<std::size_t>(p)];
    int top = 0;  // a descent meets each chain of right children at its top
    for (;;) {
      const int c = chainOf[static_cast<std::size_t>(top)];
      const int found = FirstNotBehind(chains[static_cast<std::size_t>(c)], keys, key);
      if (found < 0) {
        RightChain& chain = chains[static_cast<std::size_t>(c)];
        right[static_cast<std::size_t>(chain.nodes.back())] = p;
        chainOf[static_cast<std::size_t>(p)] = c;
        AppendToChain(chain, p, keys);
        break;
      }
      const int node = chains[static_cast<std::size_t>(c)].nodes[static_cast<std::size_t>(found)];
      int& child = left[static_cast<std::size_t>(node)];
      if (child < 0) {
        child = p;
        chainOf[static_cast<std::size_t>(p)] = static_cast<int>(chains.size());
        chains.emplace_back();
        AppendToChain(chains.back(), p, keys);
        break;
      }
      top = child;
    }
  }
  // In order, without recursion: a model may make the tree as deep as it is long.
  order.reserve(keys.size());
  std::vector<int> stack;
  int node = 0;
  while (node >= 0 || !stack.empty()) {
    while (node >= 0) {
      stack.push_back(node);
      node = left[static_cast<std::size_t>(node)];
    }
    node = stack.back();
    stack.pop_back();
    order.push_back(node);
    node = right[static_cast<std::size_t>(node)];
  }
  return order;
}
