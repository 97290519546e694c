// The build installed into a folder of its own, as a package would lay it
// out, and run from there by a user whose folders lie elsewhere. The install
// is made read-only, and compared byte for byte afterwards: the administrator
// running the tests could write to it all the same, so the proof that nothing
// went there is that nothing changed.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "model/Document.h"
#include "platform/FileLocations.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "tests/output/TempFolder.h"
#include "tests/workspace/ScriptedDialogs.h"
#include "workspace/MainWindow.h"

namespace {

namespace fs = std::filesystem;

struct ProcessRun {
  int exitCode = -1;
  std::string out;
};

ProcessRun RunProgram(const std::string& program, const QStringList& arguments,
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QString::fromStdString(program), arguments);
  ProcessRun run;
  if (!process.waitForFinished(120000)) return run;
  run.out = process.readAll().toStdString();
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  return run;
}

// Every regular file below the folder with its bytes, by path relative to it.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), folder).string()] = ReadFileBytes(entry.path().string());
  return files;
}

class InstalledProgram : public ::testing::Test {
 protected:
  static std::unique_ptr<TempFolder> root;  // the DESTDIR
  static std::map<std::string, std::string> installed;

  static void SetUpTestSuite() {
    root = std::make_unique<TempFolder>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DESTDIR", QString::fromStdString(root->Path()));
    const ProcessRun install = RunProgram(
        BRIKOLO_CMAKE_COMMAND, {"--install", BRIKOLO_BUILD_DIR, "--prefix", "/usr"}, env);
    ASSERT_EQ(install.exitCode, 0) << install.out;
    ASSERT_EQ(RunProgram("chmod", {"-R", "a-w", QString::fromStdString(*root / "usr")}).exitCode,
              0);
    installed = Snapshot(root->Path());
  }
  static void TearDownTestSuite() {
    RunProgram("chmod", {"-R", "u+w", QString::fromStdString(root->Path())});
    root.reset();
  }
  void TearDown() override { EXPECT_EQ(Snapshot(root->Path()), installed); }

  static std::string Usr(const std::string& path) { return *root / "usr/" + path; }

  TempFolder home;
};

std::unique_ptr<TempFolder> InstalledProgram::root;
std::map<std::string, std::string> InstalledProgram::installed;

}  // namespace

TEST_F(InstalledProgram, StartsWithItsShippedFilesAndKeepsItsOwnInTheUsersFolders) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", QString::fromStdString(home.Path()));
  env.remove("XDG_CONFIG_HOME");
  env.insert("XDG_DATA_HOME", QString::fromStdString(home / "data"));
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("BRIKOLO_SCREENSHOT", QString::fromStdString(home / "shot.png"));
  // General pieces: their shapes come from the shipped part files.
  const ProcessRun run = RunProgram(
      Usr("bin/brikolo"), {QString::fromStdString(Usr("share/brikolo/examples/general.lgo"))}, env);
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_FALSE(QImage(QString::fromStdString(home / "shot.png")).isNull());

  const TIniFile settings(home / ".config/brikolo/Brikolo.ini");
  EXPECT_EQ(settings.ReadInteger("Main", "Pages", 0), 7);
  EXPECT_TRUE(settings.KeyExists("Main", "LDrawLib"));  // written at the program's end
  EXPECT_EQ(ReadFileBytes(home / "data/brikolo/bo2ld.lst"),
            installed.at("usr/share/brikolo/bo2ld.lst"));
  EXPECT_TRUE(FileExists(home / "data/brikolo/parts/userblks.dat"));
}

TEST_F(InstalledProgram, AModelIsLoadedSavedAndExportedWithTheUsersOwnFiles) {
  const UserFolders user{home / "config/", home / "data/", home.Path()};
  const FileLocations files = FileLocations::Find(Usr("bin"), user);
  ASSERT_TRUE(files.InUserFolders());
  ASSERT_TRUE(files.CopyMissingDefaults().empty());
  {
    TDocument document;
    TShapeCache shapes(files.PartsFolders());
    MainWindowSetup setup;
    setup.files = files;
    TMainWindow window(document, shapes, setup);
    auto owned = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& dialogs = *owned;
    window.SetDialogs(std::move(owned));
    // A general piece of a shipped part file, under a part name the mapping list does not know.
    WriteTextLines(
        home / "mine.lgo",
        {"= 60 30 5 0 0 1 1", "G -140 -140 0 40 40 24 204 1 0 0 0 parts.dat stdblock 0 99001 0",
         "B 0 0 0 40 20 24 204 1 0 0 0 0 3004 0"});
    ASSERT_TRUE(window.LoadModel(home / "mine.lgo", LoadMode::Complete));
    EXPECT_EQ(document.ModelList.Count(), 2);
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.files = {home / "saved.lgo", home / "saved.dat"};
    ASSERT_TRUE(window.SaveModel(FolderKind::SaveModel, false));
    ASSERT_TRUE(window.SaveModel(FolderKind::SaveModel, false));
    EXPECT_EQ(dialogs.requests.front().folder, home.Path());  // not the program's folder
    EXPECT_TRUE(FileExists(home / "saved.lgo") && FileExists(home / "saved.dat"));
    window.State().Unsaved = false;
  }
  EXPECT_EQ(TIniFile(home / "config/Brikolo.ini").ReadInteger("Main", "Pages", 0), 7);
  // The new mapping record went into the user's copy of the list.
  const std::string list = ReadFileBytes(home / "data/bo2ld.lst");
  EXPECT_EQ(list.find(installed.at("usr/share/brikolo/bo2ld.lst")), 0u);
  EXPECT_NE(list.find("99001"), std::string::npos);
}

TEST_F(InstalledProgram, TheMenuEntryIsValidAndOpensModelFiles) {
  const ProcessRun valid = RunProgram(
      "desktop-file-validate", {QString::fromStdString(Usr("share/applications/brikolo.desktop"))});
  EXPECT_EQ(valid.exitCode, 0);
  EXPECT_EQ(valid.out, "");
  // The menu entry opens the type of model files that our description gives.
  const std::string entry = ReadFileBytes(Usr("share/applications/brikolo.desktop"));
  EXPECT_NE(entry.find("MimeType=application/x-brikolo-model;"), std::string::npos);

  // The model type as the desktop's database builds it from our description.
  fs::create_directories(home / "mime/packages");
  fs::copy_file(Usr("share/mime/packages/brikolo.xml"), home / "mime/packages/brikolo.xml");
  const ProcessRun mime =
      RunProgram("update-mime-database", {QString::fromStdString(home / "mime")});
  ASSERT_EQ(mime.exitCode, 0) << mime.out;
  const std::vector<std::string> globs = ReadTextLines(home / "mime/globs2");
  EXPECT_NE(std::find_if(globs.begin(), globs.end(),
                         [](const std::string& l) {
                           return l.find("application/x-brikolo-model:*.lgo") != std::string::npos;
                         }),
            globs.end());
}

TEST_F(InstalledProgram, ThePackageHoldsWhatTheInstallHoldsAndNamesWhatItNeeds) {
  const ProcessRun pack =
      RunProgram(BRIKOLO_CPACK_COMMAND, {"-G", "DEB", "-B", QString::fromStdString(home.Path()),
                                         "--config", BRIKOLO_BUILD_DIR "/CPackConfig.cmake"});
  ASSERT_EQ(pack.exitCode, 0) << pack.out;
  std::string deb;
  for (const auto& entry : fs::directory_iterator(home.Path()))
    if (entry.path().extension() == ".deb") deb = entry.path().string();
  ASSERT_FALSE(deb.empty());

  const ProcessRun list = RunProgram("dpkg-deb", {"--contents", QString::fromStdString(deb)});
  ASSERT_EQ(list.exitCode, 0) << list.out;
  std::set<std::string> packed;
  for (const std::string& line : SplitLines(list.out)) {
    if (line.empty() || line[0] != '-') continue;  // regular files only
    const std::size_t name = line.find("./");
    if (name != std::string::npos) packed.insert(line.substr(name + 2));
  }
  std::set<std::string> expected;
  for (const auto& file : installed) expected.insert(file.first);
  EXPECT_EQ(packed, expected);
  for (const char* file :
       {"usr/bin/brikolo", "usr/bin/brikolo-cli", "usr/share/brikolo/Brikolo.ini",
        "usr/share/brikolo/parts/parts.dat", "usr/share/applications/brikolo.desktop",
        "usr/share/mime/packages/brikolo.xml", "usr/share/doc/brikolo/copyright"})
    EXPECT_EQ(packed.count(file), 1u) << file;

  const ProcessRun depends =
      RunProgram("dpkg-deb", {"--field", QString::fromStdString(deb), "Depends"});
  EXPECT_NE(depends.out.find("libqt6widgets6"), std::string::npos) << depends.out;
  EXPECT_NE(depends.out.find("libjpeg62-turbo"), std::string::npos) << depends.out;
}
