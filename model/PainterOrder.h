#pragma once
#include <cstdint>
#include <vector>

class TBlock;

// The drawing-order test folded onto one comparison per axis: I must be
// painted after N exactly when front(I) <= back(N) on some axis, where the
// octant decides which face of each box the keys are taken from.
struct OrderKey {
  std::int64_t front[3];
  std::int64_t back[3];
};

OrderKey OrderKeyOf(const TBlock& b, int octant);

inline bool InFrontOf(const OrderKey& i, const OrderKey& n) {
  return i.front[0] <= n.back[0] || i.front[1] <= n.back[1] || i.front[2] <= n.back[2];
}

// A list being built by painter's-order insertions: each piece goes directly
// after the last piece, scanning from the end, that is not in front of it.
// The entries are kept in blocks, and blocks in groups, that know the largest
// front key on each axis of what they hold; a block or group whose largest
// key on some axis is not above the new piece's back key holds only pieces in
// front of it, so the scan passes it whole. The result is exactly that of the
// scan over every piece.
class TOrderBuilder {
 public:
  explicit TOrderBuilder(std::size_t expected = 0);

  // At the end, without looking (for pieces that are already in order).
  void Append(const OrderKey& key, TBlock* piece);
  // At its painter's-order place.
  void Insert(const OrderKey& key, TBlock* piece);
  std::size_t Count() const { return count_; }
  // The pieces in order; the builder is left empty.
  std::vector<TBlock*> Take();

 private:
  static constexpr int kBlockMax = 64;  // a full block is split in two halves
  static constexpr int kGroupBlocks = 16;
  struct Block {
    int count = 0;
    std::int64_t max[3];
    std::int64_t front[3][kBlockMax];
    TBlock* pieces[kBlockMax];
  };
  struct Max3 {
    std::int64_t v[3];
  };

  void Put(int position, int at, const OrderKey& key, TBlock* piece);
  void RefreshGroups();
  static bool MayHoldBehind(const std::int64_t* max, const OrderKey& n) {
    return max[0] > n.back[0] && max[1] > n.back[1] && max[2] > n.back[2];
  }

  std::vector<Block> pool_;      // blocks, never moved about
  std::vector<int> order_;       // indices into pool_ in list order
  std::vector<Max3> groupMax_;   // per kGroupBlocks consecutive blocks of order_
  std::size_t groupsValid_ = 0;  // groups before this one are up to date
  std::size_t count_ = 0;
};

// The unbalanced binary tree of the full re-sort: the first piece is the
// root; each further piece, in list order, descends from the root, to the
// right when it must be painted after the node's piece and to the left
// otherwise, and hangs on the first empty child. A run of right turns always
// starts at the top of a chain of right children, so the chains are kept as
// arrays with the smallest back keys of each stretch of nodes; a stretch in
// which the piece is in front of every node is passed whole. Returns the
// pieces' indices in tree order (left subtree, node, right subtree).
std::vector<int> DrawTreeOrder(const std::vector<OrderKey>& keys);
