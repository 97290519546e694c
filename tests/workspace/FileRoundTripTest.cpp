// Whatever a file holds, what the program reads from it is what it writes
// back: every format read, written and read again over damaged copies of the
// shipped files and of lines that once lost something.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "tests/support/RoundTrip.h"

namespace {

std::vector<std::string> Shipped(const std::string& name) {
  return ReadTextLines(BRIKOLO_SOURCE_DIR "/data/" + name);
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

template <class Check>
void ForEveryVariant(const std::vector<std::string>& seed, int count, Check check) {
  EXPECT_EQ(check(seed), "");
  int failures = 0;
  for (const auto& lines : HostileVariants(seed, count, 7)) {
    const std::string problem = check(lines);
    if (problem.empty()) continue;
    ADD_FAILURE() << problem << "\n" << testing::PrintToString(lines);
    if (++failures == 3) return;
  }
}

}  // namespace

TEST(FileRoundTrip, ModelFiles) {
  TShapeCache shapes(BRIKOLO_SOURCE_DIR "/data/parts/");
  const std::vector<std::string> seed = Joined(
      Shipped("examples/general.lgo"),
      {// Fields that read 0 are written out, so the part name moves far to the right.
       "R x" + std::string(240, 'p') + " 3",
       std::string("T 1 2 3 40 60 24 7 1 0 1 0 0 na") + '\0' + "me 5",  // a NUL inside a name
       std::string(1, '\0') + " 1 2 3 20 20 8 1 1 0 0 0 0 p 1",         // and as the type letter
       "G 0 0 0 0 0 0 204 1 0 5 0 PARTS.DAT stdblock 0  -40000", "B  5 6", "X", "G"});
  ForEveryVariant(seed, 600, [&](const std::vector<std::string>& lines) {
    return ModelRoundTrip(lines, shapes);
  });
}

TEST(FileRoundTrip, PartFiles) {
  const std::vector<std::string> seed =
      Joined(Shipped("parts/template.dat"),
             {"[lone]", "NP=2", "BB=20,20,8", "P1=3, 1, 0,0,8, 20,0,8, 0,20,8, -2",
              "P2=3, 1, 0,0,0, 20,0,0, 0,20,0", "BM=2, smi ley.bmp ", "Q1=2 ,1,2", "TS=1,1,  5,0",
              "BS=2,1,  0,0", "LD=x", "[LONE]", "NP=0", "", "[other]", "NP=1", "P1=1, 0, 1,2,3"});
  ForEveryVariant(seed, 400, PartFileRoundTrip);
  // The library as shipped, a few sections at a time.
  const std::vector<std::string> library = Shipped("parts/parts.dat");
  for (std::size_t at = 0; at < library.size(); at += 40)
    EXPECT_EQ(PartFileRoundTrip(std::vector<std::string>(library.begin() + at, library.end())), "");
}

TEST(FileRoundTrip, SettingsFiles) {
  ForEveryVariant(Joined(Shipped("Brikolo.ini"), {"[Page1]", "Scale=0.123"}), 300,
                  SettingsRoundTrip);
  // The old form is turned into the current one without losing an entry.
  ForEveryVariant({"[Main]", "Pages=2", "Title1=Bricks", "[Page1]", "40 0.333", "\t2x4x3 ",
                   " G parts.dat, stdblock|3003", "", "[Page2]", "x", "M house"},
                  300, SettingsRoundTrip);
}

TEST(FileRoundTrip, MappingLists) {
  const std::vector<std::string> seed = Joined(
      Shipped("bo2ld.lst"), {std::string("B 2 4 3 1 16 0 0 0 0 na") + '\0' + "me.DAT 0  ",
                             "Bx1 2 3 1 16 0 0 0 0 3001.DAT 0 f s", "G 1 1 1 1 16 0 0 0 0 ab 0"});
  ForEveryVariant(seed, 300, MappingListRoundTrip);
}

// The inputs the fuzz targets keep (among them every input that once found a
// fault) stay regression cases of the ordinary suite too.
TEST(FileRoundTrip, CommittedFuzzInputs) {
  TShapeCache shapes(BRIKOLO_SOURCE_DIR "/data/parts/");
  const auto asLines = [](std::string (*check)(const std::vector<std::string>&)) {
    return [check](const std::string& bytes) { return check(SplitLines(bytes)); };
  };
  const std::pair<const char*, std::function<std::string(const std::string&)>> targets[] = {
      {"FuzzModelFile",
       [&](const std::string& bytes) { return ModelRoundTrip(SplitLines(bytes), shapes); }},
      {"FuzzPartFile", asLines(PartFileRoundTrip)},
      {"FuzzSettings", asLines(SettingsRoundTrip)},
      {"FuzzMappingList", asLines(MappingListRoundTrip)},
      {"FuzzPovScene", PovSceneEditCheck},
      {"FuzzLDrawImport",
       [](const std::string& bytes) { return LDrawImportRoundTrip(bytes, BRIKOLO_SOURCE_DIR); }},
  };
  for (const auto& [target, check] : targets) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::string(BRIKOLO_SOURCE_DIR "/tests/fuzz/corpus/") + target)) {
      ++inputs;
      EXPECT_EQ(check(ReadFileBytes(entry.path().string())), "")
          << target << " " << entry.path().filename();
    }
    EXPECT_GT(inputs, 0) << target;
  }
}
