#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/TextFile.h"
#include "shapes/DrawClass.h"
#include "shapes/PartFile.h"
#include "tests/shapes/ShapeFixtures.h"

namespace {

const std::vector<std::string> kTwoFaces = {
    "NP=2",
    "BB=40,40,24",
    "P1=4, 1, 0,0,24, 40,0,24, 40,40,24, 0,40,24",
    "P2=4, 1, 0,0,0, 40,0,0, 40,40,0, 0,40,0",
    "Q1=2 ,2,1", "Q2=2 ,2,1", "Q3=2 ,2,1", "Q4=2 ,2,1",
    "Q5=2 ,1,2", "Q6=2 ,1,2", "Q7=2 ,1,2", "Q8=2 ,1,2",
    "TS=1,4, 10,10, 10,30, 30,10, 30,30",
    "BS=2,1, 20,20",
};

std::unique_ptr<TDrawClass> Parse(const std::vector<std::string>& body) {
  return ParseShape(SectionLines("part", body), "test.dat", "part");
}

std::vector<std::string> Written(const TDrawClass& shape) {
  std::vector<std::string> lines;
  WriteShape(shape, lines);
  return lines;
}

std::string ErrorOf(const std::vector<std::string>& body) {
  try {
    Parse(body);
  } catch (const BrikoloError& e) {
    return e.what();
  }
  return "no error";
}

}  // namespace

TEST(PartFile, WritesTheSectionFormatExactly) {
  const auto shape = Parse(kTwoFaces);
  std::vector<std::string> expected = {"[part]"};
  expected.insert(expected.end(), kTwoFaces.begin(), kTwoFaces.end());
  EXPECT_EQ(Written(*shape), expected);
}

TEST(PartFile, HeadersAndKeysIgnoreCaseAndTheSectionEndsAtABlankOrHeader) {
  const std::vector<std::string> lines = {"[other]", "NP=9", "", "[MyPart]", "np=1",
                                          "bb=1,2,3",  "junk",  "p1=3, 1, 0,0,0, 20,0,0, 0,20,0",
                                          "NP=5",     "",      "LD=3"};
  const auto shape = ParseShape(lines, "f.dat", "mypart");
  EXPECT_EQ(shape->FaceCount, 1);  // the first NP counts
  EXPECT_EQ(shape->BoxZ, 3);
  EXPECT_EQ(shape->Variant, 0);  // after the blank line: another section's business
  EXPECT_EQ(shape->SectionName, "mypart");
  EXPECT_EQ(ParseShape({"[a]", "NP=0", "[b]", "NP=2"}, "f.dat", "a")->FaceCount, 0);
}

TEST(PartFile, MissingSectionOrBadFaceCount) {
  try {
    ParseShape({"[a]", "NP=0"}, "parts.dat", "nope");
    FAIL();
  } catch (const BrikoloError& e) {
    EXPECT_STREQ(e.what(), "Could not find part nope in file parts.dat");
  }
  EXPECT_THROW(Parse({"BB=1,1,1"}), ConversionError);  // no NP
  EXPECT_THROW(Parse({"NP=2x"}), ConversionError);
  EXPECT_NO_THROW(Parse({"NP= -0"}));
}

TEST(PartFile, FaceValuesWithOptionalDetailAndColour) {
  const auto shape = Parse({"NP=4", "P1=3, 0, 0,0,0, 20,0,0, 0,20,0",
                            "P2=3, 0, 0,0,0, 20,0,0, 0,20,0, 0, -1, 4",
                            "P3=3, 7, 1,2,3, 4,5,6, 7,8,9, 2, -255",
                            "P4=3, 1, 5,5,5"});
  EXPECT_EQ(shape->GetDetail(0), 0);
  EXPECT_EQ(shape->GetColor(0), 0);
  EXPECT_EQ(shape->GetColor(1), 0x0000CC);  // LDraw red through the colour table
  EXPECT_EQ(shape->GetOutline(2), 7);
  EXPECT_EQ(shape->GetDetail(2), 2);
  EXPECT_EQ(shape->GetColor(2), -255);
  EXPECT_EQ(shape->GetPoint(2, 2), (Point3{7, 8, 9}));
  // Corners that are announced but missing read as the origin.
  EXPECT_EQ(shape->GetPointCount(3), 3);
  EXPECT_EQ(shape->GetPoint(3, 2), (Point3{0, 0, 0}));

  const std::vector<std::string> lines = Written(*shape);
  EXPECT_EQ(lines[3], "P1=3, 0, 0,0,0, 20,0,0, 0,20,0");
  EXPECT_EQ(lines[4], "P2=3, 0, 0,0,0, 20,0,0, 0,20,0, 0, 204");
  EXPECT_EQ(lines[5], "P3=3, 7, 1,2,3, 4,5,6, 7,8,9, 2, -255");
}

TEST(PartFile, NumberSyntax) {
  // Any run of tabs, blanks, commas and semicolons separates numbers.
  const auto shape = Parse({"NP=0", "BB=\t5;;, -6 ,7"});
  EXPECT_EQ(shape->BoxX, 5);
  EXPECT_EQ(shape->BoxY, -6);
  EXPECT_EQ(shape->BoxZ, 7);
  // A character that is no number stops the value: every later number reads 0.
  const auto stopped = Parse({"NP=0", "BB=5, x, 7"});
  EXPECT_EQ(stopped->BoxY, 0);
  EXPECT_EQ(stopped->BoxZ, 0);
  EXPECT_THROW(Parse({"NP=0", "BB=1, -, 3"}), ConversionError);
  EXPECT_THROW(Parse({"NP=0", "BB=2147483648,0,0"}), ConversionError);
  EXPECT_EQ(Parse({"NP=0", "BB=-2147483648,0,0"})->BoxX, INT32_MIN);
  EXPECT_EQ(Parse({"NP=0", "LD=12"})->Variant, 12);
  EXPECT_EQ(Parse({"NP=0", "LD=twelve"})->Variant, 0);
}

TEST(PartFile, DrawOrdersStudsBitmapAndTurnShift) {
  const auto shape = Parse({"NP=3", "P1=3, 1, 0,0,8, 20,0,8, 0,20,8", "P2=3, 1, 0,0,0, 1,0,0, 0,1,0",
                            "Q1=3 ,3,1,2", "TS=1,2, 10,10;8, 30,10", "BM=2, pic one.bmp, x",
                            "RO=1,0, 0,0, 0,0, 0,-2"});
  EXPECT_EQ(shape->DrawOrder[0], [] {
    TIntegerList l;
    for (int f : {2, 0, 1}) l.Add(f);
    return l;
  }());
  EXPECT_EQ(shape->GetDrawCount(1), 0);
  EXPECT_EQ(shape->TopFace, 0);
  EXPECT_EQ(shape->TopStuds, (std::vector<Point3>{{10, 10, 8}, {30, 10, 8}}));
  EXPECT_EQ(shape->BitmapFace, 1);
  EXPECT_EQ(shape->BitmapName, "pic one.bmp");
  EXPECT_EQ(shape->TurnShift[0], 1);
  EXPECT_EQ(shape->TurnShift[7], -2);

  // A stud whose z differs from the top face's first corner keeps its ";z".
  auto raised = Parse({"NP=1", "P1=3, 1, 0,0,8, 20,0,8, 0,20,8", "TS=1,2, 10,10;12, 30,10"});
  const std::vector<std::string> lines = Written(*raised);
  EXPECT_EQ(lines[12], "TS=1,2, 10,10;12, 30,10");
  EXPECT_EQ(lines[13], "BS=1,0");
}

TEST(PartFile, EntriesNamingNoFaceAreDropped) {
  const auto shape = Parse({"NP=2", "P1=3, 1, 0,0,8, 20,0,8, 0,20,8", "P2=3, 1, 0,0,0, 1,0,0, 0,1,0",
                            "Q1=5 ,2,0,3,1", "Q2=9 ,1", "TS=7,2, 10,10, 30,10",
                            "BS=0,1, 20,20, 0", "BM=3, x.bmp"});
  std::vector<int> q1(shape->DrawOrder[0].begin(), shape->DrawOrder[0].end());
  EXPECT_EQ(q1, (std::vector<int>{1, 0}));
  EXPECT_EQ(shape->GetDrawCount(1), 1);  // a count beyond the numbers given adds nothing
  EXPECT_EQ(shape->TopStudCount, 0);
  EXPECT_EQ(shape->BottomTubeCount, 0);
  EXPECT_EQ(shape->BitmapFace, -1);
}

TEST(PartFile, FaceWithMoreCornersThanTheBuffersIsRejected) {
  std::string corners;
  for (int i = 0; i < 101; ++i) corners += ", 1,1,1";
  EXPECT_EQ(ErrorOf({"NP=2", "P1=3, 1, 0,0,0, 1,0,0, 0,1,0", "P2=101, 1" + corners}),
            "Face 2 of part part in file test.dat has 101 corners; at most 100 are allowed");
  EXPECT_EQ(Parse({"NP=1", "P1=100, 1" + corners})->GetPointCount(0), 100);
}

TEST(PartFile, RewrittenSectionMovesToTheEnd) {
  std::vector<std::string> lines = {"; parts", "[first]", "NP=0", "", "[part]", "NP=7",
                                    "P1=junk", "",         "[last]", "NP=0"};
  auto shape = Parse(kTwoFaces);
  shape->TurnShift[0] = 0;  // eight zeros: no RO line
  WriteShape(*shape, lines);
  const std::vector<std::string> head = {"; parts", "[first]", "NP=0", "", "", "[last]", "NP=0",
                                         "[part]"};
  ASSERT_EQ(lines.size(), head.size() + kTwoFaces.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8), head);
  EXPECT_EQ(lines.back(), "BS=2,1, 20,20");

  shape->TurnShift[6] = -1;
  shape->Variant = 4;
  shape->BitmapFace = 0;
  shape->BitmapName = "p.bmp";
  const std::vector<std::string> more = Written(*shape);
  EXPECT_EQ(more[3], "LD=4");
  EXPECT_EQ(more[6], "BM=1, p.bmp");
  EXPECT_EQ(more.back(), "RO=0,0, 0,0, 0,0, -1,0");
}

TEST(PartFile, EveryShippedShapeSurvivesARoundTrip) {
  int shapes = 0;
  for (const char* file : {"parts.dat", "template.dat"}) {
    const auto lines = ReadTextLines(std::string(BRIKOLO_SOURCE_DIR) + "/data/parts/" + file);
    for (const std::string& section : SectionNames(lines)) {
      const auto first = ParseShape(lines, file, section);
      const auto again = ParseShape(Written(*first), file, section);
      EXPECT_EQ(ShapeDifference(*first, *again), "") << section;
      EXPECT_GT(first->FaceCount, 0) << section;
      ++shapes;
    }
  }
  EXPECT_GE(shapes, 10);
}
