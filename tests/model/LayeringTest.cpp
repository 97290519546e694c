// The core must stay free of the platform library, so that its layering
// cannot erode unnoticed: only platform/ and workspace/ include Qt headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

TEST(Layering, CoreFoldersIncludeNoQtHeader) {
  const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]|qt))");
  int files = 0;
  for (const char* folder : {"model", "render", "pieces", "shapes", "ldraw", "output"}) {
    const std::filesystem::path dir = std::filesystem::path(BRIKOLO_SOURCE_DIR) / folder;
    if (!std::filesystem::exists(dir)) continue;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
      const std::string ext = entry.path().extension().string();
      if (ext != ".h" && ext != ".cpp") continue;
      ++files;
      std::ifstream in(entry.path());
      std::string line;
      int number = 0;
      while (std::getline(in, line)) {
        ++number;
        EXPECT_FALSE(std::regex_search(line, qtInclude))
            << entry.path().string() << ":" << number << ": " << line;
      }
    }
  }
  EXPECT_GT(files, 10);
}
