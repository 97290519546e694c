#include <gtest/gtest.h>

#include "platform/IniFile.h"

TEST(IniFile, NamesAreComparedWithoutCaseAndValuesTrimmed) {
  TIniFile ini =
      TIniFile::FromLines({"[Main]", "Pages = 3", "LDrawLib=C:\\LDRAW ", "[page1]", "Scale= 0.50"});
  EXPECT_EQ(ini.ReadInteger("MAIN", "pages", 0), 3);
  EXPECT_EQ(ini.ReadString("main", "LDRAWLIB", ""), "C:\\LDRAW");
  EXPECT_EQ(ini.ReadString("Page1", "scale", ""), "0.50");
  EXPECT_TRUE(ini.SectionExists("PAGE1"));
  EXPECT_EQ(ini.ReadString("Page2", "Scale", "dflt"), "dflt");
}

TEST(IniFile, IntegersThatAreNotNumbersReadAsTheDefault) {
  TIniFile ini = TIniFile::FromLines({"[S]", "a=12x", "b=", "c=-7", "d=99999999999"});
  EXPECT_EQ(ini.ReadInteger("S", "a", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "b", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "c", 5), -7);
  EXPECT_EQ(ini.ReadInteger("S", "d", 5), 5);
}

TEST(IniFile, WritingKeepsUnknownKeysCommentsAndOrder) {
  TIniFile ini = TIniFile::FromLines(
      {"; our settings", "[Main]", "Custom=keep me", "Pages=1", "", "[Other]", "x=1"});
  ini.WriteInteger("main", "PAGES", 4);
  ini.WriteString("Main", "New", "a,b c");
  ini.WriteString("State", "Hints", "1");
  const std::vector<std::string> expected = {
      "; our settings", "[Main]", "Custom=keep me", "PAGES=4", "New=a,b c", "",
      "[Other]",        "x=1",    "[State]",        "Hints=1"};
  EXPECT_EQ(ini.Lines(), expected);
}

TEST(IniFile, EraseSectionRemovesItsKeysOnly) {
  TIniFile ini = TIniFile::FromLines({"[A]", "k=1", "[B]", "k=2", "[a]", "k=3"});
  ini.EraseSection("a");
  EXPECT_FALSE(ini.SectionExists("A"));
  EXPECT_EQ(ini.ReadInteger("B", "k", 0), 2);
  ini.WriteInteger("A", "k", 9);
  const std::vector<std::string> expected = {"[B]", "k=2", "[A]", "k=9"};
  EXPECT_EQ(ini.Lines(), expected);
}
