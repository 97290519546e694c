#include <gtest/gtest.h>

#include <pthread.h>

#include <algorithm>
#include <random>
#include <set>

#include "model/BlockList.h"
#include "model/Document.h"
#include "tests/support/TestPieces.h"

namespace {

// Whether the list order is a valid painter's order: no piece must be painted
// after a later one.
bool ConsistentOrder(const TBlockList& list, int octant) {
  for (int i = 0; i < list.Count(); ++i)
    for (int j = i + 1; j < list.Count(); ++j)
      if (TBlockList::DrawsAfter(*list[i], *list[j], octant) &&
          !TBlockList::DrawsAfter(*list[j], *list[i], octant))
        return false;
  return true;
}

}  // namespace

TEST(DrawOrder, TheViewerSideDecidesForEachAxisInEveryOctant) {
  // A piece at low x, one at high x; the one on the viewer's side is painted later.
  auto low = Box(0, 0, 0, 20, 20, 24), high = Box(40, 0, 0, 20, 20, 24);
  for (int octant = 0; octant < 8; ++octant) {
    const bool viewerLowX = octant == 0 || octant == 1 || octant == 4 || octant == 5;
    EXPECT_EQ(TBlockList::DrawsAfter(*low, *high, octant), viewerLowX) << octant;
    EXPECT_EQ(TBlockList::DrawsAfter(*high, *low, octant), !viewerLowX) << octant;
  }
  auto front = Box(0, 0, 0, 20, 20, 24), back = Box(0, 40, 0, 20, 20, 24);
  for (int octant = 0; octant < 8; ++octant) {
    const bool viewerHighY = octant == 0 || octant == 3 || octant == 4 || octant == 7;
    EXPECT_EQ(TBlockList::DrawsAfter(*back, *front, octant), viewerHighY) << octant;
    EXPECT_EQ(TBlockList::DrawsAfter(*front, *back, octant), !viewerHighY) << octant;
  }
  auto bottom = Box(0, 0, 0, 20, 20, 24), top = Box(0, 0, 24, 20, 20, 24);
  for (int octant = 0; octant < 8; ++octant) {
    EXPECT_EQ(TBlockList::DrawsAfter(*top, *bottom, octant), octant < 4) << octant;
    EXPECT_EQ(TBlockList::DrawsAfter(*bottom, *top, octant), octant >= 4) << octant;
  }
}

TEST(DrawOrder, IntersectingPiecesAreNeverSeparated) {
  auto a = Box(0, 0, 0, 40, 40, 24), b = Box(20, 20, 8, 40, 40, 24);
  for (int octant = 0; octant < 8; ++octant) {
    EXPECT_FALSE(TBlockList::DrawsAfter(*a, *b, octant));
    EXPECT_FALSE(TBlockList::DrawsAfter(*b, *a, octant));
  }
}

TEST(AddSorted, SideBySideTheLowerXComesLastWhenViewedFromLowX) {
  TBlockList list;
  list.AddSorted(Box(0, 0, 0, 20, 20, 24), 0);
  list.AddSorted(Box(20, 0, 0, 20, 20, 24), 0);
  EXPECT_EQ(list[0]->X, 20);
  EXPECT_EQ(list[1]->X, 0);
}

TEST(AddSorted, AStackedPieceFollowsFromAboveAndLeadsFromBelow) {
  for (int octant = 0; octant < 8; ++octant) {
    TBlockList list;
    list.AddSorted(Box(0, 0, 0, 40, 40, 24), octant);
    list.AddSorted(Box(0, 0, 24, 40, 40, 24), octant);
    EXPECT_EQ(list[1]->Z == 24, octant < 4) << octant;
  }
}

TEST(AddSorted, EmptyListAndIntersectingPiecesGoAfterTheLastUnseparatedOne) {
  TBlockList list;
  EXPECT_EQ(list.AddSorted(Box(0, 0, 0, 40, 40, 24), 0), 0);
  // A piece far in front (low x, viewer side) goes before the first piece...
  list.AddSorted(Box(200, 0, 0, 20, 20, 24), 0);
  ASSERT_EQ(list[0]->X, 200);
  // ...an intersecting one right after the last piece it is not separated from.
  const int at = list.AddSorted(Box(20, 20, 0, 40, 40, 24), 0);
  EXPECT_EQ(at, 2);
}

TEST(Resort, KeepsEveryPieceOnceAndGivesAConsistentOrder) {
  std::mt19937 random(42);
  TBlockList list;
  std::set<TBlock*> before;
  for (int i = 0; i < 300; ++i) {
    const int sx = 20 * (1 + random() % 4), sy = 20 * (1 + random() % 4);
    auto b = Box(20 * static_cast<int>(random() % 20), 20 * static_cast<int>(random() % 20),
                 8 * static_cast<int>(random() % 12), sx, sy, (random() % 2) ? 24 : 8);
    before.insert(b.get());
    list.Add(std::move(b));
  }
  for (int octant = 0; octant < 8; ++octant) {
    list.Resort(octant, false);
    EXPECT_EQ(list.SortedOctant, octant);
    std::set<TBlock*> after;
    for (int i = 0; i < list.Count(); ++i) after.insert(list[i]);
    EXPECT_EQ(after, before);
    EXPECT_EQ(list.Count(), 300);
  }
}

TEST(Resort, AStackOfNonOverlappingPiecesIsInPainterOrderForEveryOctant) {
  // Pieces that do not intersect: the order must then be fully consistent.
  TBlockList list;
  for (int x = 0; x < 6; ++x)
    for (int y = 0; y < 6; ++y)
      for (int z = 0; z < 3; ++z) list.Add(Box(x * 40, y * 40, z * 24, 40, 40, 24));
  for (int octant = 0; octant < 8; ++octant) {
    list.Resort(octant, false);
    EXPECT_TRUE(ConsistentOrder(list, octant)) << octant;
  }
}

TEST(Resort, ADegenerateTreeAsLongAsTheModelDoesNotOverflowTheStack) {
  // A row of pieces along x, each in front of the previous, makes the tree a
  // list as long as the model. Sorting it on a thread with a small stack shows
  // that neither building nor walking the tree recurses.
  struct Job {
    TBlockList list;
  } job;
  for (int i = 0; i < 20000; ++i) job.list.Add(Box(-20 * i, 0, 0, 20, 20, 8));
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, 128 * 1024);
  pthread_t thread;
  auto run = [](void* arg) -> void* {
    static_cast<Job*>(arg)->list.Resort(0, true);
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attr, run, &job), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attr);
  EXPECT_EQ(job.list.Count(), 20000);
  EXPECT_EQ(job.list[0]->X, 0);
  EXPECT_EQ(job.list.Last()->X, -20 * 19999);
}

TEST(Resort, MutuallyIntersectingPiecesComeOutInTreeOrder) {
  // Nothing is separated, so every piece hangs to the left of the one before
  // it and the in-order walk turns the order round.
  TBlockList list;
  list.Add(Box(0, 0, 0, 40, 40, 24, 1));
  list.Add(Box(10, 10, 0, 40, 40, 24, 2));
  list.Add(Box(5, 5, 5, 40, 40, 24, 3));
  list.Resort(3, false);
  EXPECT_EQ(list[0]->Color, 3u);
  EXPECT_EQ(list[1]->Color, 2u);
  EXPECT_EQ(list[2]->Color, 1u);
}

TEST(ComputeCover, FullyCoveredBrickAndTransparentOrSeeThroughColourCoversNothing) {
  TBlockList list;
  list.Add(Box(0, 0, 0, 40, 40, 24));      // 2 by 2 brick
  list.Add(Box(0, -20, 24, 40, 80, 24));   // 2 by 4 brick on it
  list.ComputeCover();
  EXPECT_EQ(list[0]->TopCover, 1600);
  EXPECT_EQ(list[1]->BottomCover, 1600);
  EXPECT_EQ(list[1]->TopCover, 0);

  list[1]->Transparent = true;
  list.ComputeCover();
  EXPECT_EQ(list[0]->TopCover, 0);
  list[1]->Transparent = false;
  list[1]->Color = 0xFFFF00;
  list.ComputeCover();
  EXPECT_EQ(list[0]->TopCover, 0);
}

TEST(ComputeCover, SumsEveryPieceStandingDirectlyOnIt) {
  TBlockList list;
  list.Add(Box(0, 0, 0, 160, 160, 8));   // plate
  list.Add(Box(0, 0, 8, 40, 40, 24));    // on it
  list.Add(Box(100, 100, 8, 80, 80, 24));  // overlaps 60 by 60
  list.Add(Box(40, 40, 9, 40, 40, 24));  // one unit above: does not stand on it
  list.Add(Box(160, 0, 8, 40, 40, 24));  // beside it, only touching
  list.ComputeCover();
  EXPECT_EQ(list[0]->TopCover, 1600 + 3600);
  EXPECT_EQ(list[2]->BottomCover, 3600);
  EXPECT_EQ(list[3]->BottomCover, 0);
  EXPECT_EQ(list[4]->BottomCover, 0);
}

TEST(ComputeCover, MatchesTheAllPairsSumsOnARandomModel) {
  std::mt19937 random(7);
  TBlockList list;
  list.Add(Box(-4000, -4000, -8, 8000, 8000, 8));  // a huge baseplate
  for (int i = 0; i < 2000; ++i) {
    auto b = Box(20 * static_cast<int>(random() % 60) - 600, 20 * static_cast<int>(random() % 60) - 600,
                 8 * static_cast<int>(random() % 6), 20 * (1 + random() % 6), 20 * (1 + random() % 6),
                 8 * (1 + random() % 3));
    b->Transparent = random() % 10 == 0;
    list.Add(std::move(b));
  }
  list.ComputeCover();
  for (int p = 0; p < list.Count(); ++p) {
    long long top = 0, bottom = 0;
    for (int q = 0; q < list.Count(); ++q) {
      if (p == q) continue;
      const TBlock& P = *list[p];
      const TBlock& Q = *list[q];
      auto overlap = [](const TBlock& lower, const TBlock& upper) -> long long {
        if (upper.Transparent || upper.Color == 0xFFFF00 || lower.Top() != upper.Z) return 0;
        long long x0 = std::max(lower.X, upper.X), y0 = std::max(lower.Y, upper.Y);
        long long x1 = std::min(lower.Right(), upper.Right()),
                  y1 = std::min(lower.Back(), upper.Back());
        return (x1 > x0 && y1 > y0) ? (x1 - x0) * (y1 - y0) : 0;
      };
      top += overlap(P, Q);
      bottom += overlap(Q, P);
    }
    ASSERT_EQ(list[p]->TopCover, top) << p;
    ASSERT_EQ(list[p]->BottomCover, bottom) << p;
  }
}

TEST(ComputeCover, ResortComputesCoversOnlyWhenAsked) {
  TBlockList list;
  list.Add(Box(0, 0, 0, 40, 40, 24));
  list.Add(Box(0, 0, 24, 40, 40, 24));
  list.Resort(0, false);
  EXPECT_EQ(list[0]->TopCover + list[1]->TopCover, 0);
  list.Resort(0, true);
  EXPECT_EQ(list[0]->TopCover + list[1]->TopCover, 1600);
}

TEST(Groups, FirstAndNextInGroupWalkTheList) {
  TBlockList list;
  for (int g : {0, 2, 1, 2, 2}) {
    auto b = Box(0, 0, 0, 20, 20, 8);
    b->Group = g;
    list.Add(std::move(b));
  }
  EXPECT_EQ(list.FirstInGroup(2), 1);
  EXPECT_EQ(list.NextInGroup(2, 1), 3);
  EXPECT_EQ(list.NextInGroup(2, 3), 4);
  EXPECT_EQ(list.NextInGroup(2, 4), -1);
  EXPECT_EQ(list.FirstInGroup(5), -1);
}

TEST(AddOffsetCopies, MovesTheSourceRigidlyAndClonesKeepTheirGroup) {
  TBlockList source, dest;
  auto a = Box(100, 100, 0, 40, 40, 24);
  a->Group = 4;
  source.Add(std::move(a));
  source.Add(Box(140, 120, 24, 20, 20, 8));
  dest.AddOffsetCopies(source, 0, 0, 48, 0);
  EXPECT_EQ(source[0]->X, 0);
  EXPECT_EQ(source[1]->X, 40);
  EXPECT_EQ(source[1]->Y, 20);
  EXPECT_EQ(source[1]->Z, 72);
  ASSERT_EQ(dest.Count(), 2);
  EXPECT_EQ(dest.SortedOctant, -1);
  int grouped = 0;
  for (int i = 0; i < dest.Count(); ++i) grouped += dest[i]->Group == 4;
  EXPECT_EQ(grouped, 1);
  EXPECT_NE(dest[0], source[0]);
}

TEST(MaxTopUnder, IsAtLeastZeroAndTakesTheHighestTop) {
  TBlockList list;
  list.Add(Box(-160, -80, -8, 320, 160, 8));
  EXPECT_EQ(list.MaxTopUnder(0, 0, 40, 40), 0);
  list.Add(Box(0, 0, 0, 40, 40, 48));
  list.Add(Box(20, 20, 0, 40, 40, 24));
  EXPECT_EQ(list.MaxTopUnder(0, 0, 40, 40), 48);
  EXPECT_EQ(list.MaxTopUnder(40, 40, 40, 40), 24);
}

TEST(Document, ZCutMovesPiecesOutAndBackByTheirTop) {
  TDocument doc;
  doc.ModelList.AddSorted(Box(0, 0, 0, 40, 40, 24), 0);
  doc.ModelList.AddSorted(Box(0, 0, 24, 40, 40, 24), 0);
  doc.ModelList.AddSorted(Box(0, 0, 48, 40, 40, 8), 0);
  doc.ZCutLevel = 4000;
  EXPECT_TRUE(doc.SetZCutLevel(0, 0));
  ASSERT_EQ(doc.ModelList.Count(), 1);  // only the baseplate, whose top is 0
  EXPECT_TRUE(doc.ModelList[0]->IsBaseplate);
  EXPECT_EQ(doc.CutList.Count(), 3);
  EXPECT_TRUE(doc.SetZCutLevel(48, 0));
  EXPECT_EQ(doc.ModelList.Count(), 3);
  EXPECT_EQ(doc.CutList.Count(), 1);
  EXPECT_FALSE(doc.SetZCutLevel(50, 0));  // nothing has its top in 49..50
  EXPECT_TRUE(doc.SetZCutLevel(4000, 0));
  EXPECT_EQ(doc.ModelList.Count(), 4);
  EXPECT_EQ(doc.CutList.Count(), 0);
}

TEST(Document, NewModelHasTheDefaultBaseplateOnly) {
  TDocument doc;
  doc.ModelList.AddSorted(Box(0, 0, 0, 40, 40, 24), 0);
  doc.CutList.Add(Box(0, 0, 0, 40, 40, 24));
  doc.NewModel(0);
  ASSERT_EQ(doc.ModelList.Count(), 1);
  EXPECT_EQ(doc.CutList.Count(), 0);
  const TBlock& base = *doc.ModelList[0];
  EXPECT_TRUE(base.IsBaseplate);
  EXPECT_EQ(base.X, -160);
  EXPECT_EQ(base.Y, -80);
  EXPECT_EQ(base.Z, -8);
  EXPECT_EQ(base.SizeX, 320);
  EXPECT_EQ(base.SizeY, 160);
  EXPECT_EQ(base.Top(), 0);
  EXPECT_EQ(base.PartName, "3865");
  EXPECT_EQ(base.Color, 0xC0C0C0u);
}
