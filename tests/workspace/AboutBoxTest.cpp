#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBrowser>
#include <QTextDocumentFragment>

#include "tests/workspace/MainWindowFixture.h"
#include "workspace/AboutBox.h"

using AboutBoxTest = MainWindowTest;

TEST_F(AboutBoxTest, TheButtonShowsTheVersionAndWhereTheFilesAre) {
  Click("btnAbout");
  QApplication::processEvents();
  auto* box = window->findChild<TAboutBox*>("AboutBox");
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_EQ(box->windowTitle(), "About Brikolo");
  const QString text = box->findChild<QTextBrowser*>("AboutText")->toPlainText();
  for (const std::string& shown : {std::string("Version 2.12"), folder + "Brikolo.ini",
                                   folder + "parts/", folder + "bo2ld.lst"})
    EXPECT_TRUE(text.contains(QString::fromStdString(shown))) << shown;
  box->accept();

  // Installed, both parts folders are named, the user's first.
  const UserFolders user{"/home/ann/.config/brikolo/", "/home/ann/.local/share/brikolo/",
                         "/home/ann/"};
  const QString installed =
      QTextDocumentFragment::fromHtml(AboutText(FileLocations::Find(folder, user, [](auto&) {
        return false;
      }))).toPlainText();
  const int userParts = installed.indexOf("/home/ann/.local/share/brikolo/parts/");
  EXPECT_GE(userParts, 0);
  EXPECT_GT(installed.indexOf(QString::fromStdString(folder + "parts/")), userParts);
  EXPECT_TRUE(installed.contains("/home/ann/.config/brikolo/Brikolo.ini"));
}
