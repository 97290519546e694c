#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBrowser>

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
}
