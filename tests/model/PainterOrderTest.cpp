// The fast re-sort and bulk insertion against the plain algorithms they stand
// for: a backward scan over every piece for each insertion, and a tree descent
// that visits every node on its way.
#include <gtest/gtest.h>

#include <random>

#include "model/BlockList.h"
#include "model/Document.h"

namespace {

std::vector<TBlock*> Pieces(const TBlockList& list) {
  std::vector<TBlock*> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list[i]);
  return out;
}

// Each piece of a random model carries its number as its colour.
std::vector<TColor> Numbers(const std::vector<TBlock*>& pieces) {
  std::vector<TColor> out;
  for (const TBlock* p : pieces) out.push_back(p->Color);
  return out;
}

void PlainAddSorted(std::vector<TBlock*>& list, TBlock* n, int octant) {
  int i = static_cast<int>(list.size()) - 1;
  while (i >= 0 && TBlockList::DrawsAfter(*list[static_cast<std::size_t>(i)], *n, octant)) --i;
  list.insert(list.begin() + (i + 1), n);
}

std::vector<TBlock*> PlainResort(const std::vector<TBlock*>& list, int octant) {
  struct Node {
    int left = -1, right = -1;
  };
  std::vector<Node> nodes(list.size());
  for (std::size_t p = 1; p < list.size(); ++p) {
    int node = 0;
    for (;;) {
      int& child = TBlockList::DrawsAfter(*list[p], *list[static_cast<std::size_t>(node)], octant)
                       ? nodes[static_cast<std::size_t>(node)].right
                       : nodes[static_cast<std::size_t>(node)].left;
      if (child < 0) {
        child = static_cast<int>(p);
        break;
      }
      node = child;
    }
  }
  std::vector<TBlock*> out;
  std::vector<int> stack;
  int node = list.empty() ? -1 : 0;
  while (node >= 0 || !stack.empty()) {
    for (; node >= 0; node = nodes[static_cast<std::size_t>(node)].left) stack.push_back(node);
    node = stack.back();
    stack.pop_back();
    PlainAddSorted(out, list[static_cast<std::size_t>(node)], octant);
    node = nodes[static_cast<std::size_t>(node)].right;
  }
  return out;
}

// A town of stacked bricks on a large baseplate, with some pieces off the
// grid, intersecting or empty, so that ties and overlaps occur as well.
std::vector<std::unique_ptr<TBlock>> RandomModel(unsigned seed, int count) {
  std::mt19937 random(seed);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::vector<std::unique_ptr<TBlock>> pieces;
  auto add = [&](int x, int y, int z, int sx, int sy, int sz) {
    auto b = std::make_unique<TBlock>();
    b->X = x, b->Y = y, b->Z = z, b->SizeX = sx, b->SizeY = sy, b->SizeZ = sz;
    b->Color = static_cast<TColor>(pieces.size());
    pieces.push_back(std::move(b));
  };
  add(-960, -960, -8, 1920, 1920, 8);
  const int spread = 8 + pick(40);
  for (int i = 1; i < count; ++i) {
    switch (pick(10)) {
      case 0:  // anywhere, any size
        add(pick(2000) - 1000, pick(2000) - 1000, pick(200) - 8, pick(120), pick(120), pick(50));
        break;
      case 1:  // a long wall
        add(20 * pick(2 * spread) - 20 * spread, 20 * pick(2 * spread) - 20 * spread, 8 * pick(12),
            20, 20 * (4 + pick(30)), 24);
        break;
      default:  // a brick or plate on the grid
        add(20 * pick(2 * spread) - 20 * spread, 20 * pick(2 * spread) - 20 * spread, 8 * pick(12),
            20 * (1 + pick(4)), 20 * (1 + pick(4)), pick(3) ? 24 : 8);
    }
  }
  return pieces;
}

}  // namespace

TEST(PainterOrder, ResortAndBulkInsertionGiveThePlainOrderInEveryOctant) {
  for (unsigned seed : {1u, 2u, 3u}) {
    const int count = seed == 1 ? 3000 : 700;
    TBlockList list;
    std::vector<TBlock*> fileOrder;
    for (auto& piece : RandomModel(seed, count)) {
      fileOrder.push_back(piece.get());
      list.Add(std::move(piece));
    }
    for (int octant = 0; octant < 8; ++octant) {
      // From the order of the previous octant, then again for the same octant.
      for (int pass = 0; pass < 2; ++pass) {
        const std::vector<TBlock*> expected = PlainResort(Pieces(list), octant);
        list.Resort(octant, false);
        ASSERT_EQ(Numbers(Pieces(list)), Numbers(expected))
            << "seed " << seed << " octant " << octant;
      }
      // Loading: the pieces inserted one after another in file order.
      std::vector<TBlock*> plain;
      for (TBlock* piece : fileOrder) PlainAddSorted(plain, piece, octant);
      std::vector<std::unique_ptr<TBlock>> copies;
      for (TBlock* piece : fileOrder) copies.push_back(piece->Clone());
      TBlockList loaded;
      loaded.AddSortedAll(std::move(copies), octant);
      ASSERT_EQ(Numbers(Pieces(loaded)), Numbers(plain)) << "seed " << seed << " octant " << octant;
    }
  }
}

TEST(PainterOrder, ZCutMovesPiecesInTheOrderOfMovingThemOneByOne) {
  TDocument doc;
  doc.ModelList.Clear();
  for (auto& piece : RandomModel(4, 600)) doc.ModelList.AddSorted(std::move(piece), 2);
  // The reference: each list as plain pointers, pieces taken from the end.
  std::vector<TBlock*> model = Pieces(doc.ModelList), cut;
  auto moveOneByOne = [](std::vector<TBlock*>& from, std::vector<TBlock*>& to, auto crosses) {
    for (int i = static_cast<int>(from.size()) - 1; i >= 0; --i)
      if (crosses(*from[static_cast<std::size_t>(i)])) {
        TBlock* piece = from[static_cast<std::size_t>(i)];
        from.erase(from.begin() + i);
        PlainAddSorted(to, piece, 2);
      }
  };
  doc.ZCutLevel = 4000;
  for (int level : {40, 8, 72, 4000}) {
    if (level > doc.ZCutLevel)
      moveOneByOne(cut, model, [level](const TBlock& b) { return b.Top() <= level; });
    else
      moveOneByOne(model, cut, [level](const TBlock& b) { return b.Top() > level; });
    doc.SetZCutLevel(level, 2);
    ASSERT_EQ(Numbers(Pieces(doc.ModelList)), Numbers(model)) << "level " << level;
    ASSERT_EQ(Numbers(Pieces(doc.CutList)), Numbers(cut)) << "level " << level;
  }
}
