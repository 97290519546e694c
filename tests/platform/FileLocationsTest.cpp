#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/FileLocations.h"
#include "platform/TextFile.h"
#include "tests/output/TempFolder.h"

namespace {

namespace fs = std::filesystem;

UserFolders UserIn(const TempFolder& dir) {
  return {dir / "config/brikolo/", dir / "data/brikolo/", dir / "home/"};
}

bool Writable(const std::string&) {
  return true;
}
bool ReadOnly(const std::string&) {
  return false;
}

// The shipped files as the build folder and the install hold them.
void ShipFiles(const std::string& folder) {
  fs::create_directories(folder + "parts");
  WriteTextLines(folder + "Brikolo.ini", {"[Main]", "Pages=0"});
  WriteTextLines(folder + "bo2ld.lst", {"; mapping"});
  WriteTextLines(folder + "parts/userblks.dat", {"[mine]"});
}

}  // namespace

TEST(FileLocations, AWritableBuildFolderKeepsEverythingBesideTheProgram) {
  TempFolder dir;
  ShipFiles(dir / "build/");
  const FileLocations f = FileLocations::Find(dir / "build", UserIn(dir), &Writable);
  EXPECT_FALSE(f.InUserFolders());
  EXPECT_EQ(f.SettingsFile(), dir / "build/Brikolo.ini");
  EXPECT_EQ(f.PartsFolders(), std::vector<std::string>{dir / "build/parts/"});
  EXPECT_TRUE(f.CopyMissingDefaults().empty());
  EXPECT_FALSE(fs::exists(dir / "config"));
}

TEST(FileLocations, InstalledOrReadOnlyTheUsersFoldersHoldWhatIsWritten) {
  struct Case {
    const char* layout;
    const char* program;
    const char* shipped;
    bool (*canWrite)(const std::string&);
  };
  // An install is never written to, even by a user who could.
  for (const Case& c : {Case{"installed", "usr/bin/", "usr/share/brikolo/", &Writable},
                        Case{"read-only build folder", "build/", "build/", &ReadOnly}}) {
    SCOPED_TRACE(c.layout);
    TempFolder dir;
    fs::create_directories(dir / c.program);
    ShipFiles(dir / c.shipped);
    const FileLocations f = FileLocations::Find(dir / c.program, UserIn(dir), c.canWrite);
    EXPECT_TRUE(f.InUserFolders());
    EXPECT_EQ(f.ProgramFolder(), dir / c.program);
    EXPECT_EQ(f.ShippedFolder(), dir / c.shipped);
    EXPECT_EQ(f.SettingsFile(), dir / "config/brikolo/Brikolo.ini");
    EXPECT_EQ(f.MappingList(), dir / "data/brikolo/bo2ld.lst");
    EXPECT_EQ(f.PartsFolders(),
              (std::vector<std::string>{dir / "data/brikolo/parts/", dir / c.shipped + "parts/"}));
    EXPECT_EQ(f.ExamplesFolder(), dir / c.shipped + "examples/");
    EXPECT_EQ(f.StartFolder(), dir / "home/");
  }
}

TEST(FileLocations, DefaultsAreCopiedOnceWritableAndTheUsersOwnFilesWin) {
  TempFolder dir;
  ShipFiles(dir / "usr/share/brikolo/");
  fs::create_directories(dir / "usr/bin");
  ::chmod((dir / "usr/share/brikolo/Brikolo.ini").c_str(), 0444);
  const FileLocations f = FileLocations::Find(dir / "usr/bin", UserIn(dir), &Writable);

  // A settings file of the user's own is never replaced by the shipped one.
  fs::create_directories(dir / "config/brikolo");
  WriteTextLines(f.SettingsFile(), {"[Main]", "Pages=3"});
  ASSERT_TRUE(f.CopyMissingDefaults().empty());
  EXPECT_EQ(ReadTextLines(f.SettingsFile())[1], "Pages=3");
  EXPECT_EQ(ReadTextLines(f.MappingList()), std::vector<std::string>{"; mapping"});
  EXPECT_EQ(ReadTextLines(f.PartsFolder() + "userblks.dat"), std::vector<std::string>{"[mine]"});

  // Copied from a read-only install, the user's copy can still be written.
  fs::remove(f.SettingsFile());
  ASSERT_TRUE(f.CopyMissingDefaults().empty());
  EXPECT_TRUE((fs::status(f.SettingsFile()).permissions() & fs::perms::owner_write) !=
              fs::perms::none);

  // A palette model of the user's own comes before the shipped one of the same name.
  WriteTextLines(dir / "usr/share/brikolo/castle.lgo", {});
  EXPECT_EQ(f.FindDataFile("castle.lgo"), dir / "usr/share/brikolo/castle.lgo");
  WriteTextLines(f.DataFolder() + "castle.lgo", {});
  EXPECT_EQ(f.FindDataFile("castle.lgo"), dir / "data/brikolo/castle.lgo");
}

TEST(FileLocations, TheWriteTestLeavesNothingBehind) {
  TempFolder dir;
  EXPECT_TRUE(FileLocations::CanWriteInFolder(dir.Path()));
  EXPECT_TRUE(fs::is_empty(dir.Path()));
  EXPECT_FALSE(FileLocations::CanWriteInFolder(dir / "missing/"));
}
