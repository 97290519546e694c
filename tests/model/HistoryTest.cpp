#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "model/Document.h"
#include "model/ModelEdit.h"
#include "tests/support/TestPieces.h"
#include "workspace/ModelFile.h"

namespace {

// The model as its file would hold it, the lifted pieces after a marker.
std::vector<std::string> Lines(const TDocument& doc) {
  std::vector<std::string> lines;
  for (int i = 0; i < doc.ModelList.Count(); ++i)
    lines.push_back(FormatPieceLine(*doc.ModelList[i]));
  lines.push_back("-- cut");
  for (int i = 0; i < doc.CutList.Count(); ++i) lines.push_back(FormatPieceLine(*doc.CutList[i]));
  return lines;
}

std::vector<std::string> Sorted(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

// A baseplate with a stack of two bricks and three bricks in a row.
struct Town {
  static constexpr int kPieces = 6;
  TDocument doc;
  Town() {
    doc.ModelList.AddSorted(Box(0, 0, 0, 40, 40, 24, 1), 0);
    doc.ModelList.AddSorted(Box(0, 0, 24, 40, 40, 24, 2), 0);
    for (int i = 0; i < 3; ++i) doc.ModelList.AddSorted(Box(60 + 40 * i, 0, 0, 40, 20, 24, 3), 0);
    doc.History.Clear();
  }
  int IndexOfColor(TColor c) const {
    for (int i = 0; i < doc.ModelList.Count(); ++i)
      if (doc.ModelList[i]->Color == c) return i;
    return -1;
  }
};

}  // namespace

TEST(History, EveryKindOfChangeIsUndoneAndRedoneToTheSameLines) {
  struct Case {
    const char* name;
    bool resorts;  // a full re-sort leaves the lines in a new order
    std::function<void(TDocument&)> edit;
  };
  const Case cases[] = {
      {"put down", true,
       [](TDocument& d) {
         TModelEdit e(d, "Put down 1 piece");
         e.Insert(Box(200, 100, 0, 20, 20, 8), 0);
         e.Resort(0, false);
       }},
      {"delete two", false,
       [](TDocument& d) {
         TModelEdit e(d, "Delete 2 pieces");
         e.Remove(d.ModelList.Count() - 1);
         e.Remove(2);
       }},
      {"recolour, turn and studs", false,
       [](TDocument& d) {
         TModelEdit e(d, "Change");
         e.Change(*d.ModelList[1]).Color = 0xFF00FF;
         e.Change(*d.ModelList[2]).Turn();
         e.Change(*d.ModelList[3]).HasStuds = true;
       }},
      {"move a piece", true,
       [](TDocument& d) {
         std::unique_ptr<TBlock> carried;
         std::uint64_t serial;
         {
           TModelEdit pickUp(d, "Pick up 1 piece");
           carried = pickUp.TakeToCarry(1);
           serial = pickUp.Commit();
         }
         carried->X += 400;
         TModelEdit putDown(d, "Move 1 piece", serial);
         putDown.Insert(std::move(carried), 0);
         putDown.Resort(0, false);
       }},
      {"in, out and changed at once", false,
       [](TDocument& d) {
         TModelEdit e(d, "Mixed");
         e.Change(*d.ModelList[1]).Z = 8;
         e.Insert(Box(-100, 0, 0, 20, 20, 8), 0);
         e.Remove(3);
         e.Insert(Box(300, 300, 0, 20, 20, 8), 0);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Town t;
    const auto before = Lines(t.doc);
    c.edit(t.doc);
    const auto after = Lines(t.doc);
    ASSERT_NE(after, before);
    ASSERT_EQ(t.doc.History.UndoCount(), 1);
    EXPECT_TRUE(t.doc.History.Undo(0).done);
    if (c.resorts)
      EXPECT_EQ(Sorted(Lines(t.doc)), Sorted(before));
    else
      EXPECT_EQ(Lines(t.doc), before);
    const auto undone = Lines(t.doc);
    EXPECT_TRUE(t.doc.History.Redo(0).done);
    EXPECT_EQ(Lines(t.doc), after);
    t.doc.History.Undo(0);
    EXPECT_EQ(Lines(t.doc), undone);
  }
}

TEST(History, NoChangeNoStepAndAnEditInsideAnotherJoinsIt) {
  Town t;
  {
    TModelEdit e(t.doc, "Recolour 1 piece");
    e.Change(*t.doc.ModelList[0]).Color = t.doc.ModelList[0]->Color;
  }
  EXPECT_EQ(t.doc.History.UndoCount(), 0);
  EXPECT_FALSE(t.doc.History.Modified());
  {
    TModelEdit outer(t.doc, "Baseplate size");
    outer.Change(*t.doc.ModelList[0]).SizeX = 80;
    TModelEdit inner(t.doc, "Inner");
    inner.Insert(Box(500, 0, 0, 20, 20, 8), 0);
    EXPECT_EQ(inner.Commit(), 0u);
    EXPECT_FALSE(t.doc.History.CanUndo());  // not while an edit is open
  }
  ASSERT_EQ(t.doc.History.UndoCount(), 1);
  EXPECT_EQ(t.doc.History.UndoName(), "Baseplate size");
  const THistory::Outcome undone = t.doc.History.Undo(0);
  EXPECT_TRUE(undone.boxesChanged);
  EXPECT_EQ(t.doc.ModelList.SortedOctant, -1);  // the order is worked out again
  EXPECT_EQ(t.doc.ModelList.Count(), Town::kPieces);
  EXPECT_EQ(t.doc.History.RedoName(), "Baseplate size");
}

TEST(History, ModifiedFollowsTheSavedStateAndANewChangeDropsTheRedoSteps) {
  Town t;
  THistory& h = t.doc.History;
  int notified = 0;
  h.Changed = [&] { ++notified; };
  auto recolour = [&](TColor c) {
    TModelEdit e(t.doc, "Recolour 1 piece");
    e.Change(*t.doc.ModelList[0]).Color = c;
  };
  recolour(10);
  EXPECT_TRUE(h.Modified());
  h.MarkSaved();
  EXPECT_FALSE(h.Modified());
  recolour(11);
  EXPECT_TRUE(h.Modified());
  h.Undo(0);
  EXPECT_FALSE(h.Modified());  // back at the saved model
  h.Undo(0);
  EXPECT_TRUE(h.Modified());
  h.Redo(0);
  EXPECT_FALSE(h.Modified());
  h.Redo(0);
  h.MarkSaved();  // saved with the colour 11
  h.Undo(0);
  recolour(12);  // the saved state was among the steps this drops
  EXPECT_EQ(h.RedoCount(), 0);
  EXPECT_TRUE(h.Modified());
  h.Undo(0);
  EXPECT_TRUE(h.Modified());
  EXPECT_GE(notified, 10);
  h.Clear();
  EXPECT_FALSE(h.Modified());
  EXPECT_FALSE(h.CanUndo());
}

TEST(History, KeepsTheLastThousandSteps) {
  Town t;
  THistory& h = t.doc.History;
  const int total = THistory::kMaxSteps + 5;
  for (int i = 0; i < total; ++i) {
    TModelEdit e(t.doc, "Put down 1 piece");
    e.Insert(Box(1000 + 20 * i, 0, 0, 20, 20, 8), 0);
  }
  EXPECT_EQ(h.UndoCount(), THistory::kMaxSteps);
  while (h.CanUndo()) h.Undo(0);
  EXPECT_EQ(t.doc.ModelList.Count(), Town::kPieces + 5);  // the five oldest stay
  EXPECT_TRUE(h.Modified());                              // and the state before them is gone
  while (h.CanRedo()) h.Redo(0);
  EXPECT_EQ(t.doc.ModelList.Count(), Town::kPieces + total);
}

TEST(History, PiecesAreFoundWhereverTheCutOffAndANewViewPutThem) {
  Town t;
  TDocument& d = t.doc;
  {
    TModelEdit e(d, "Put down 1 piece");
    e.Insert(Box(0, 0, 48, 40, 40, 24, 7), 0);  // top 72, on the stack
  }
  {
    TModelEdit e(d, "Delete 1 piece");
    e.Remove(t.IndexOfColor(2));  // the upper brick of the stack, top 48
  }
  const auto deleted = Sorted(Lines(d));
  d.SetZCutLevel(30, 0);  // the new piece goes into CutList
  d.ModelList.Resort(5, false);
  ASSERT_EQ(d.CutList.Count(), 1);

  d.History.Undo(5);  // the deleted brick stands above the cut-off: it goes to CutList
  EXPECT_EQ(d.CutList.Count(), 2);
  d.History.Undo(5);  // the put-down piece is taken out of CutList
  EXPECT_EQ(d.CutList.Count(), 1);
  EXPECT_EQ(d.ModelList.Count(), Town::kPieces - 1);
  d.SetZCutLevel(9999, 5);
  EXPECT_EQ(d.ModelList.Count(), Town::kPieces);
  d.History.Redo(5);
  d.History.Redo(5);
  EXPECT_EQ(Sorted(Lines(d)), deleted);
}

TEST(History, APickUpAndItsPutDownAreOneMove) {
  Town t;
  TDocument& d = t.doc;
  THistory& h = d.History;
  const auto before = Lines(d);
  std::uint64_t serial = 0;
  std::unique_ptr<TBlock> carried;
  {
    TModelEdit e(d, "Pick up 1 piece");
    carried = e.TakeToCarry(t.IndexOfColor(2));
    serial = e.Commit();
  }
  EXPECT_EQ(carried->Color, 2u);
  EXPECT_TRUE(h.Modified());
  h.MarkSaved();  // saved while the piece is carried: the file lacks it
  carried->Y = 200;
  {
    TModelEdit e(d, "Move 1 piece", serial);
    e.Insert(std::move(carried), 0);
  }
  EXPECT_EQ(h.UndoCount(), 1);
  EXPECT_EQ(h.UndoName(), "Move 1 piece");
  EXPECT_TRUE(h.Modified());
  h.Undo(0);
  EXPECT_EQ(Lines(d), before);
  EXPECT_TRUE(h.Modified());  // the saved file has no such piece

  // A continued step that the model moved on from starts a new step.
  {
    TModelEdit e(d, "Pick up 1 piece");
    carried = e.TakeToCarry(t.IndexOfColor(2));
    serial = e.Commit();
  }
  {
    TModelEdit e(d, "Recolour 1 piece");
    e.Change(*d.ModelList[0]).Color = 99;
  }
  {
    TModelEdit e(d, "Put down 1 piece", serial);
    e.Insert(std::move(carried), 0);
  }
  EXPECT_EQ(h.UndoCount(), 3);
}
