// Only the application and the screen procedures beside each screen may
// include the application object; the areas' own code stands below it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

TEST(Layering, OnlyScreenProceduresIncludeTheApplication) {
  const fs::path src = QORV_SOURCE_DIR;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const fs::path& path = entry.path();
    const std::string ext = path.extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    const std::string rel = fs::relative(path, src).generic_string();
    ++files;
    if (rel.rfind("app/", 0) == 0 || rel == "main.cpp") continue;
    const std::string name = path.filename().string();
    const bool isProc = name.size() > 9 && name.compare(name.size() - 9, 9, "_proc.cpp") == 0;
    std::ifstream in(path);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
      ++lineNo;
      if (line.rfind("#include \"app/", 0) != 0) continue;
      EXPECT_TRUE(isProc) << rel << ":" << lineNo << " includes the application object";
    }
  }
  EXPECT_GT(files, 50);
}
