// Starts the real desktop program on the off-screen platform with a model and
// lets it write a picture of its window and end by itself. Nothing was edited,
// so the part library it read its shapes from stays byte for byte as shipped.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/IniFile.h"
#include "platform/TextFile.h"

TEST(ProgramSmoke, StartsLoadsTheModelShowsItAndEndsCleanly) {
  QTemporaryDir dir;
  const QString folder = dir.path() + "/";
  // A copy of the program in a folder of its own, so its settings file is a fresh one.
  ASSERT_TRUE(QFile::copy(BRIKOLO_BUILD_DIR "/brikolo", folder + "brikolo"));
  ASSERT_TRUE(QFile::copy(BRIKOLO_SOURCE_DIR "/data/Brikolo.ini", folder + "Brikolo.ini"));
  QFile::setPermissions(folder + "Brikolo.ini", QFile::ReadOwner | QFile::WriteOwner);
  const std::string shipped = ReadFileBytes(BRIKOLO_SOURCE_DIR "/data/parts/parts.dat");
  const std::string parts = folder.toStdString() + "parts/";
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(parts)));
  WriteFileAtomically(parts + "parts.dat", shipped);
  WriteFileAtomically(parts + "examples.dat",
                      ReadFileBytes(BRIKOLO_SOURCE_DIR "/data/parts/examples.dat"));

  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("BRIKOLO_SCREENSHOT", folder + "shot.png");
  program.setProcessEnvironment(env);
  program.start(folder + "brikolo", {BRIKOLO_SOURCE_DIR "/data/examples/general.lgo"});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

  const QImage shot(folder + "shot.png");
  ASSERT_FALSE(shot.isNull());
  EXPECT_GT(shot.width(), 400);
  // The model's red brick is on the picture.
  int red = 0;
  for (int y = 0; y < shot.height(); y += 4)
    for (int x = 0; x < shot.width(); x += 4) {
      const QColor c = shot.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 60 && c.blue() < 60) ++red;
    }
  EXPECT_GT(red, 50);
  EXPECT_EQ(ReadFileBytes(parts + "parts.dat"), shipped);

  const TIniFile settings((folder + "Brikolo.ini").toStdString());
  EXPECT_EQ(settings.ReadInteger("Main", "Pages", 0), 7);
  EXPECT_TRUE(settings.KeyExists("Main", "LDrawLib"));
  EXPECT_EQ(settings.ReadString("Page3", "Title", ""), "Roofs");
}
