#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <filesystem>

#include "platform/IniFile.h"
#include "shapes/DrawClass.h"
#include "tests/workspace/MainWindowFixture.h"

namespace {

std::vector<std::string> RecentEntries(QMenu* menu) {
  std::vector<std::string> names;
  for (QAction* a : menu->actions())
    if (a->data().isValid() && a->data().toInt() == -1) names.push_back(a->text().toStdString());
  return names;
}

}  // namespace

TEST_F(MainWindowTest, CommandLineModelIsLoadedWithItsNameJoinedAgain) {
  QDir().mkpath(QString::fromStdString(folder + "my models"));
  const std::string path = folder + "my models/a b.lgo";
  WriteTextLines(path, ReadTextLines(HouseModel()));
  window->LoadCommandLine({folder + "my", "models/a", "b.lgo"});
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(window->windowTitle().toStdString(), "Brikolo Ver 2.12 - " + path);
  EXPECT_EQ(Pieces(), HousePieces());
  EXPECT_EQ(window->State().RecentFiles.front(), path);
  EXPECT_EQ(window->State().Folder(FolderKind::LoadModel), folder + "my models/");
  EXPECT_EQ(window->SaveProposal(), "a b.lgo");
  // The pieces are on the screen: the middle of the picture is not the background.
  const Bitmap& screen = window->Scene().ScreenImage;
  EXPECT_NE(screen.pixel(screen.width() / 2, screen.height() / 2), window->Scene().BackgroundColor);
}

TEST_F(MainWindowTest, LoadingTakesTheHeaderViewAndRestoreOriginalViewReturnsToIt) {
  window->LoadModel(
      WriteModel("v.lgo", {"= 40 100 5 10 -20 0 1", "B 0 0 0 40 20 24 255 1 0 0 0 0 3001 0"}),
      LoadMode::Complete);
  const ViewPositions loaded{40, 100, 5, 10, -20};
  EXPECT_EQ(window->Positions(), loaded);
  EXPECT_FALSE(window->StudsShown());
  EXPECT_FLOAT_EQ(View().ViewScale, 2.0f);
  EXPECT_EQ(View().ViewOctant, 1);
  Click("btnHome");
  Click("btnStuds");
  EXPECT_TRUE(window->StudsShown());
  Click("btnRestoreView");
  EXPECT_EQ(window->Positions(), loaded);
  EXPECT_FALSE(window->StudsShown());
  EXPECT_EQ(Pieces(), 1);  // no baseplate in this file
}

TEST_F(MainWindowTest, FileThatCannotBeReadKeepsTheModel) {
  window->LoadModel(HouseModel(), LoadMode::Complete);
  const std::string title = window->windowTitle().toStdString();
  window->State().Unsaved = true;
  EXPECT_FALSE(window->LoadModel(folder + "missing.lgo", LoadMode::Complete));
  EXPECT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(Pieces(), HousePieces());
  EXPECT_EQ(window->windowTitle().toStdString(), title);
  EXPECT_TRUE(window->State().Unsaved);
  EXPECT_EQ(window->State().RecentFiles.front(), folder + "missing.lgo");
}

TEST_F(MainWindowTest, ManyBadLinesMayBeSkippedAfterTheFirstFew) {
  std::vector<std::string> lines{"= 70 30 10 0 0 1 1"};
  for (int i = 0; i < 10; ++i) lines.push_back("B 1x 0 0 20 20 24 255 1 0 0 0 0 3005 0");
  lines.push_back("B 0 0 0 20 20 24 255 1 0 0 0 0 3005 0");
  const std::string file = WriteModel("bad.lgo", lines);
  dialogs->yesNoAnswers = {false};
  window->LoadModel(file, LoadMode::Complete);
  EXPECT_EQ(dialogs->messages.size(), 3u);
  EXPECT_EQ(dialogs->messages[0], "'1x' is not a valid integer value");
  EXPECT_EQ(Pieces(), 1);  // the good line is in

  dialogs->messages.clear();
  dialogs->yesNoAnswers = {true};
  window->LoadModel(file, LoadMode::Complete);
  EXPECT_EQ(dialogs->messages.size(), 10u);
}

TEST_F(MainWindowTest, NewModelAsksAboutUnsavedChanges) {
  window->LoadModel(HouseModel(), LoadMode::Complete);
  window->State().Unsaved = true;

  dialogs->answers = {DialogAnswer::Cancel};
  Click("btnClear");
  EXPECT_EQ(dialogs->questions.back(),
            "The model has not been saved!\r\nDo You want to save it now?");
  EXPECT_EQ(Pieces(), HousePieces());
  EXPECT_TRUE(window->State().Unsaved);

  dialogs->answers = {DialogAnswer::Yes};
  dialogs->files = {std::nullopt};  // the save dialog cancelled: nothing happens
  Click("btnClear");
  EXPECT_EQ(Pieces(), HousePieces());
  EXPECT_TRUE(window->State().Unsaved);

  const std::string saved = folder + "saved.lgo";
  dialogs->answers = {DialogAnswer::Yes};
  dialogs->files = {saved};
  Click("btnClear");
  EXPECT_EQ(static_cast<int>(ReadTextLines(saved).size()), HousePieces() + 1);
  EXPECT_EQ(Pieces(), 1);
  EXPECT_FALSE(window->State().Unsaved);
  EXPECT_EQ(window->windowTitle().toStdString(), "Brikolo Ver 2.12");

  window->LoadModel(HouseModel(), LoadMode::Complete);
  window->State().Unsaved = true;
  dialogs->answers = {DialogAnswer::No};
  Click("btnClear");
  EXPECT_EQ(Pieces(), 1);
  EXPECT_FALSE(window->State().Unsaved);
  EXPECT_TRUE(document->ModelList[0]->IsBaseplate);
}

TEST_F(MainWindowTest, ClosingAsksAboutUnsavedChanges) {
  window->State().Unsaved = true;
  dialogs->answers = {DialogAnswer::Cancel};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  dialogs->answers = {DialogAnswer::No};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(dialogs->questions.size(), 2u);
}

TEST_F(MainWindowTest, NewModelAppliesTheBaseplateFields) {
  window->BSizeX->setText("15");
  window->ThickBase->setChecked(true);
  Click("btnClear");
  const TBlock* plate = document->ModelList[0];
  EXPECT_EQ(plate->SizeX, 300);
  EXPECT_EQ(plate->X, -140);
  EXPECT_EQ(plate->SizeY, 160);
  EXPECT_EQ(plate->Z, -24);
  EXPECT_TRUE(plate->PartName.empty());
  window->BSizeY->setText("4x");
  window->ApplyBaseplateSize();
  EXPECT_EQ(dialogs->messages.back(), "'4x' is not a valid integer value");
  EXPECT_EQ(document->ModelList[0]->SizeY, 160);
}

TEST_F(MainWindowTest, SaveDialogProposesTheNameWithoutItsExtension) {
  window->LoadModel(HouseModel(), LoadMode::Complete);
  window->State().Unsaved = true;
  window->SetView(20, 45);
  const std::string copy = folder + "copies/house2.lgo";
  QDir().mkpath(QString::fromStdString(folder + "copies"));
  dialogs->files = {copy};
  ASSERT_TRUE(window->SaveModel(FolderKind::SaveModel, false));
  const FileDialogRequest& r = dialogs->requests.back();
  EXPECT_EQ(r.fileName, "house");
  EXPECT_EQ(r.title, "Save model");
  EXPECT_EQ(r.defaultExtension, "LGO");
  EXPECT_EQ(r.folder, folder);
  EXPECT_EQ(ReadTextLines(copy)[0], "= 20 45 10 0 0 1 1");
  EXPECT_FALSE(window->State().Unsaved);
  EXPECT_EQ(window->State().Folder(FolderKind::SaveModel), folder + "copies/");
  EXPECT_EQ(window->RememberedView().RotZ, 45);
  EXPECT_EQ(window->windowTitle().toStdString(), "Brikolo Ver 2.12 - " + copy);

  window->pumSavePopup();
  EXPECT_FALSE(window->mSaveSelected->isEnabled());
  document->ModelList[3]->Selected = true;
  window->pumSavePopup();
  EXPECT_TRUE(window->mSaveSelected->isEnabled());
  window->State().Unsaved = true;
  dialogs->files = {folder + "part.lgo"};
  ASSERT_TRUE(window->SaveModel(FolderKind::SaveSelection, true));
  EXPECT_EQ(ReadTextLines(folder + "part.lgo").size(), 2u);
  EXPECT_TRUE(window->State().Unsaved);  // a selection is not the model
}

TEST_F(MainWindowTest, RecentFilesMenuIsRebuiltNewestFirstAndLimited) {
  std::vector<std::string> files;
  for (int i = 0; i < 17; ++i)
    files.push_back(
        WriteModel("m" + std::to_string(i) + ".lgo", {"B 0 0 0 1 1 1 255 1 0 0 0 0 3005 0"}));
  for (int i = 0; i < 3; ++i)
    window->LoadModel(files[static_cast<std::size_t>(i)], LoadMode::Complete);
  window->LoadModel(files[0], LoadMode::Complete);
  window->pumLoadPopup();
  window->pumLoadPopup();  // rebuilt, not added to
  EXPECT_EQ(RecentEntries(window->pumLoad),
            (std::vector<std::string>{files[0], files[2], files[1]}));
  EXPECT_EQ(window->pumLoad->actions()[0]->text().toStdString(), "&Complete model...");

  for (const std::string& f : files) window->LoadModel(f, LoadMode::Complete);
  window->pumLoadPopup();
  const std::vector<std::string> shown = RecentEntries(window->pumLoad);
  ASSERT_EQ(shown.size(), 15u);
  EXPECT_EQ(shown.front(), files[16]);

  // A recent entry loads its file as a subassembly: the model stays, the set is built.
  const int before = Pieces();
  const int group = document->GroupCounter;
  window->pumLoad->actions()[2]->trigger();
  EXPECT_EQ(Pieces(), before);
  EXPECT_EQ(window->CarrySet().Count(), 1);
  EXPECT_EQ(window->CarrySet()[0]->Group, group + 1);
}

TEST_F(MainWindowTest, SettingsAreWrittenAtTheEndAndReadAtTheStart) {
  window->mShading->trigger();
  window->findChild<QAction*>("mBetterStuds")->trigger();
  window->mHints->trigger();
  Close();
  const TIniFile written(folder + "Brikolo.ini");
  EXPECT_EQ(written.ReadInteger("State", "Shading", 0), 1);
  EXPECT_EQ(written.ReadInteger("State", "StudQual", 0), 1);
  EXPECT_EQ(written.ReadInteger("State", "Hints", 0), 1);
  EXPECT_EQ(written.ReadInteger("Main", "Version", 0), 2);

  Open();
  EXPECT_TRUE(window->mShading->isChecked());
  EXPECT_TRUE(window->Context().switches.Shading);
  EXPECT_EQ(window->Context().switches.Studs, StudStyle::Better);
  EXPECT_TRUE(window->findChild<QAction*>("mBetterStuds")->isChecked());
  EXPECT_TRUE(window->mHints->isChecked());
}

TEST_F(MainWindowTest, OldSettingsAreConvertedWhenTheWindowIsCreated) {
  Close();
  WriteTextLines(folder + "Brikolo.ini",
                 {"[Main]", "Pages=1", "Title1=Bricks", "[Page1]", "40 0.5", "2x4x3|3001"});
  Open();
  EXPECT_EQ(window->State().Pages.size(), 1u);
  const TIniFile converted(folder + "Brikolo.ini");
  EXPECT_EQ(converted.ReadInteger("Main", "Version", 0), 2);
  EXPECT_EQ(converted.ReadString("Page1", "Scale", ""), "0.50");
  EXPECT_EQ(converted.ReadString("Page1", "Brick0", ""), "2x4x3|3001");
  const std::vector<std::string> lines = converted.Lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Scale= 0.50"), lines.end());
  EXPECT_EQ(window->ComboBox1->count(), 2);
  EXPECT_EQ(window->ComboBox1->itemText(0).toStdString(), "<Recently used>");
}

TEST_F(MainWindowTest, SavingUnderADatNameWritesLDrawAndKeepsTheModelUnsaved) {
  WriteTextLines(folder + "bo2ld.lst", ReadTextLines(BRIKOLO_SOURCE_DIR "/data/bo2ld.lst"));
  window->LoadModel(HouseModel(), LoadMode::Complete);
  window->State().Unsaved = true;
  dialogs->files = {folder + "MODEL.dat"};
  ASSERT_TRUE(window->SaveModel(FolderKind::SaveModel, false));
  const std::vector<std::string> lines = ReadTextLines(folder + "MODEL.dat");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind("1 ", 0), 0u);
  EXPECT_TRUE(window->State().Unsaved);
}

TEST_F(MainWindowTest, NewModelGivesTheBaseplateTheStudsOfNewPieces) {
  window->btnPieceStuds->setChecked(true);  // "Studded blocks" down: no studs
  Click("btnClear");
  EXPECT_FALSE(document->ModelList[0]->HasStuds);
  window->btnPieceStuds->setChecked(false);
  Click("btnClear");
  EXPECT_TRUE(document->ModelList[0]->HasStuds);
}

TEST_F(MainWindowTest, AModelGivenByARelativeNameIsKnownByItsFullPath) {
  const std::string path = HouseModel();
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(folder));
  window->LoadCommandLine({"./house.lgo"});
  QDir::setCurrent(before);
  const std::string title = window->windowTitle().toStdString();
  EXPECT_EQ(title, std::string("Brikolo Ver 2.12 - ") +
                       QDir::cleanPath(QString::fromStdString(path)).toStdString());
  window->LoadModel(path, LoadMode::Complete);
  EXPECT_EQ(window->State().RecentFiles.size(), 1u);
}

TEST_F(MainWindowTest, SettingsAndShapesThatCannotBeWrittenAtTheEndAreReported) {
  // Folders where the settings file and an edited shape's part file should
  // be: neither file can take its place.
  Close();
  std::filesystem::remove(folder + "Brikolo.ini");
  std::filesystem::create_directories(folder + "Brikolo.ini");
  std::filesystem::create_directories(folder + "parts/edited.dat");
  Open();
  auto shape = TDrawClass::Create();
  shape->FileName = "edited.dat";
  shape->SectionName = "edited";
  const Point3 corners[3] = {{0, 0, 0}, {20, 0, 0}, {0, 20, 0}};
  shape->AddFace(corners, 3);
  shapes->RegisterShape(shape);
  window->close();
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_NE(dialogs->messages[0].find("settings could not be saved"), std::string::npos);
  EXPECT_NE(dialogs->messages[0].find("Brikolo.ini"), std::string::npos);
  EXPECT_NE(dialogs->messages[1].find("shapes could not be saved"), std::string::npos);
  EXPECT_NE(dialogs->messages[1].find("edited.dat"), std::string::npos);
}

TEST_F(MainWindowTest, LDrawModelsLoadThroughTheLoadMenuAsModelOrSubassembly) {
  WriteTextLines(folder + "bo2ld.lst", {"B 2 4 3 1 16 0 0 0 0 3001.DAT 0"});
  const std::string model =
      WriteModel("wall.mpd",
                 {"0 FILE wall.ldr", "1 4 20 -24 -40 1 0 0 0 1 0 0 0 1 3001.dat", "0 STEP",
                  "1 16 0 -24 0 1 0 0 0 1 0 0 0 1 row.ldr", "0 FILE row.ldr",
                  "1 16 100 0 0 1 0 0 0 1 0 0 0 1 3001.dat", "1 16 0 0 0 1 0 0 0 1 0 0 0 1 x.dat"});
  dialogs->files = {model};
  window->mNewmodelClick();
  ASSERT_EQ(dialogs->requests.size(), 1u);
  EXPECT_NE(dialogs->requests[0].filter.find("*.LDR;*.DAT;*.MPD"), std::string::npos);
  EXPECT_EQ(Pieces(), 2);
  EXPECT_EQ(document->ModelList.StepLimit, 1);
  ASSERT_EQ(dialogs->messages.size(), 1u) << "the unknown part is reported";
  EXPECT_NE(dialogs->messages[0].find("x.dat"), std::string::npos);
  EXPECT_EQ(window->windowTitle().toStdString(), "Brikolo Ver 2.12 - " + model);

  dialogs->messages.clear();
  dialogs->files = {model};
  window->mSubassemblyClick();
  EXPECT_EQ(window->CarrySet().Count(), 2);
  EXPECT_EQ(Pieces(), 2);
}
