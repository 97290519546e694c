// Every file the program writes is replaced whole or not at all: a write that
// fails raises the system's message, leaves the old file as it was and no
// temporary file behind. Permissions do not stop the root user the tests may
// run as, so the failures are a full disk (a file size limit), a path through
// a plain file and a folder in the file's place.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "model/Block.h"
#include "model/BlockList.h"
#include "output/LDrawExport.h"
#include "output/MappingList.h"
#include "output/PictureSave.h"
#include "output/PovConverter.h"
#include "platform/Error.h"
#include "platform/TextFile.h"
#include "shapes/DrawClass.h"
#include "shapes/ShapeCache.h"
#include "tests/output/TempFolder.h"
#include "workspace/ModelFile.h"
#include "workspace/Settings.h"

namespace {

// The disk is full for every file that would grow past `bytes`.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the program
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  sighandler_t oldHandler_;
};

struct Writer {
  const char* name;
  std::function<void(const std::string& path)> write;
  bool appends;  // needs the file to be there already
};

// A 2 by 1 brick, x studs along.
std::unique_ptr<TBlock> Brick(int x) {
  auto piece = std::make_unique<TBlock>(x, 0, 0, 2, 1, 3, 0xCC, true, false, false, "3004");
  piece->BlockType = 'B';
  return piece;
}

// A picture that no encoder makes small.
Bitmap Noise() {
  Bitmap picture(128, 128);
  std::uint32_t seed = 1;
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x)
      picture.setPixel(x, y, (seed = seed * 1664525u + 1013904223u) >> 8);
  return picture;
}

// The LDraw export reads the mapping list of the program's folder.
std::vector<Writer> Writers(const std::string& programFolder) {
  return {
      {"model",
       [](const std::string& path) {
         TBlockList list;
         for (int i = 0; i < 200; ++i) list.Add(Brick(i));
         SaveModelFile(path, list, ModelHeader{}, false);
       },
       false},
      {"settings",
       [](const std::string& path) {
         WorkspaceState state;
         state.Pages.resize(1);
         state.Pages[0].Entries.assign(400, "2x4x3|3001");
         SaveSettingsFile(path, state);
       },
       false},
      {"part file",
       [](const std::string& path) {
         TShapeCache cache(FileFolder(path));
         auto shape = TDrawClass::Create();
         shape->FileName = FileBaseName(path);
         shape->SectionName = "made";
         const Point3 corners[3] = {{0, 0, 0}, {20, 0, 0}, {0, 20, 0}};
         for (int i = 0; i < 300; ++i) shape->AddFace(corners, 3);
         cache.RegisterShape(shape);
         cache.SaveAllShapes();
       },
       false},
      {"mapping list",
       [](const std::string& path) {
         TMappingList list = TMappingList::Load(path);
         TLDrawRecord record;
         record.LDrawName = std::string(300, 'n');
         list.Append(record);
       },
       true},
      {"mapping list rewritten",
       [](const std::string& path) {
         TMappingList list = TMappingList::Load(path);
         TLDrawRecord record = list.Records().front();
         record.LDrawName = std::string(300, 'n');
         list.Replace(0, record);
       },
       true},
      {"LDraw file",
       [programFolder](const std::string& path) {
         TBlockList list;
         for (int i = 0; i < 200; ++i) list.Add(Brick(i));
         SaveLDrawFile(path, list, programFolder);
       },
       false},
      {"POV-Ray scene",
       [programFolder](const std::string& path) {
         ConvertLDrawFileToPov(programFolder + "model.dat", programFolder,
                               programFolder + "bo2ld.lst", PovSceneForm::Scene, path);
       },
       false},
      {"picture", [](const std::string& path) { WritePictureFile(path, Noise()); }, false},
      {"JPEG picture", [](const std::string& path) { WritePictureFile(path + ".jpg", Noise()); },
       false},
  };
}

std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string MessageOf(const std::function<void()>& write) {
  try {
    write();
  } catch (const FileError& e) {
    return e.what();
  }
  return "no error";
}

}  // namespace

TEST(SafeWrites, AFailedWriteKeepsTheOldFileAndSaysWhy) {
  TempFolder program;
  WriteTextLines(program / "bo2ld.lst", ReadTextLines(BRIKOLO_SOURCE_DIR "/data/bo2ld.lst"));
  TBlockList model;  // the LDraw file the POV-Ray converter reads
  for (int i = 0; i < 200; ++i) model.Add(Brick(i));
  SaveLDrawFile(program / "model.dat", model, program.Path());
  for (const Writer& writer : Writers(program.Path())) {
    SCOPED_TRACE(writer.name);
    TempFolder dir;
    const std::string folder = dir.Path();
    // The old file is larger than the limit; a mapping list, so that it can be appended to.
    const std::string old = ReadFileBytes(BRIKOLO_SOURCE_DIR "/data/bo2ld.lst");
    WriteFileAtomically(folder + "target", old);
    WriteFileAtomically(folder + "target.jpg", old);
    WriteFileAtomically(folder + "plain", "a file, not a folder");
    ASSERT_EQ(::mkdir((folder + "folder").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((folder + "folder.jpg").c_str(), 0755), 0);
    const std::vector<std::string> before = FolderNames(folder);

    std::string full;
    {
      FileSizeLimit limit(old.size() + 100);  // an append would get half its line in
      full = MessageOf([&] { writer.write(folder + "target"); });
    }
    EXPECT_NE(full.find(std::strerror(EFBIG)), std::string::npos) << full;
    EXPECT_TRUE(ReadFileBytes(folder + "target") == old);
    EXPECT_TRUE(ReadFileBytes(folder + "target.jpg") == old);
    if (!writer.appends) {
      const std::string through = MessageOf([&] { writer.write(folder + "plain/target"); });
      EXPECT_NE(through.find(std::strerror(ENOTDIR)), std::string::npos) << through;
      EXPECT_NE(MessageOf([&] { writer.write(folder + "folder"); }), "no error");
    }
    EXPECT_EQ(FolderNames(folder), before);  // no temporary file left behind

    writer.write(folder + "target");  // and once the disk has room, the write goes through
    const bool jpeg = std::string(writer.name) == "JPEG picture";
    EXPECT_FALSE(ReadFileBytes(folder + (jpeg ? "target.jpg" : "target")) == old);
  }
}
