#include <gtest/gtest.h>

#include "model/Document.h"
#include "model/Selection.h"

namespace {

// Pieces at x = 0, 20, 40, ... with the given groups; the ones marked are selected.
void Fill(TBlockList& list, const std::vector<int>& groups, const std::vector<bool>& selected) {
  for (std::size_t i = 0; i < groups.size(); ++i) {
    auto b = std::make_unique<TBlock>();
    b->X = static_cast<int>(i) * 20;
    b->Y = 100 - static_cast<int>(i);
    b->Z = static_cast<int>(i % 2) * 8;
    b->SizeX = b->SizeY = 20;
    b->SizeZ = 8;
    b->Group = groups[i];
    b->Selected = selected[i];
    list.Add(std::move(b));
  }
}

}  // namespace

TEST(Selection, DeleteTakesOnlyTheSelectedAndEscapeDeselectsAll) {
  TDocument doc;
  TBlockList& list = doc.ModelList;
  list.Clear();
  Fill(list, {0, 0, 0, 0}, {true, false, true, false});
  EXPECT_EQ(DeleteSelected(doc), 2);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list[0]->X, 20);
  EXPECT_EQ(list[1]->X, 60);
  EXPECT_EQ(doc.History.UndoName(), "Delete 2 pieces");
  doc.History.Undo(0);  // both come back, still selected, at their places
  ASSERT_EQ(list.Count(), 4);
  EXPECT_TRUE(list[2]->Selected);
  EXPECT_EQ(list[2]->X, 40);
  doc.History.Redo(0);
  EXPECT_EQ(DeleteSelected(doc), 0);
  EXPECT_EQ(doc.History.UndoCount(), 1);
  list[1]->Selected = true;
  EXPECT_TRUE(ClearSelection(list));
  EXPECT_EQ(SelectedCount(list), 0);
  EXPECT_FALSE(ClearSelection(list));
}

TEST(Selection, MakeGroupNeedsTwoPiecesAndBreakingKeepsTheOthersOfTheGroup) {
  TDocument doc;
  TBlockList& list = doc.ModelList;
  list.Clear();
  Fill(list, {0, 0, 0}, {false, true, false});
  int& counter = doc.GroupCounter;
  counter = 4;
  EXPECT_FALSE(MakeGroup(doc));  // one piece: nothing changes
  EXPECT_EQ(counter, 4);
  EXPECT_TRUE(list[1]->Selected);
  EXPECT_EQ(list[1]->Group, 0);

  list[2]->Selected = true;
  EXPECT_TRUE(MakeGroup(doc));
  EXPECT_EQ(counter, 5);
  EXPECT_EQ(list[1]->Group, 5);
  EXPECT_EQ(list[2]->Group, 5);
  EXPECT_EQ(SelectedCount(list), 0);

  list[2]->Selected = true;
  EXPECT_TRUE(BreakGroups(doc));
  EXPECT_EQ(list[2]->Group, 0);
  EXPECT_EQ(list[1]->Group, 5);
  EXPECT_FALSE(list[2]->Selected);
  EXPECT_EQ(doc.History.UndoName(), "Break group(s)");
  doc.History.Undo(0);
  doc.History.Undo(0);  // "Make group" taken back too
  EXPECT_EQ(list[1]->Group, 0);
  EXPECT_EQ(list[2]->Group, 0);
  doc.History.Redo(0);
  EXPECT_EQ(list[2]->Group, 5);
}

TEST(Selection, TheMenuOffersBreakingOnlyWhenTheFirstSelectedPieceIsGrouped) {
  struct Case {
    std::vector<int> groups;
    std::vector<bool> selected;
    bool make, brk;
  } cases[] = {
      {{3, 0}, {false, false}, false, false},
      {{0, 3}, {false, true}, true, true},
      {{0, 3}, {true, true}, true, false},  // the first selected decides
      {{2, 0}, {true, true}, true, true},
  };
  for (const Case& c : cases) {
    TBlockList list;
    Fill(list, c.groups, c.selected);
    const GroupCommands g = GroupCommandsFor(list);
    EXPECT_EQ(g.makeGroup, c.make);
    EXPECT_EQ(g.breakGroups, c.brk);
  }
}
