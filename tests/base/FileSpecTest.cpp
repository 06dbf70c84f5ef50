#include <gtest/gtest.h>

#include "base/FileSpec.h"

namespace formfit {
namespace {

struct SplitRow {
  const char* path;
  const char* drive;
  const char* folder;
  const char* name;
  const char* extension;
};

TEST(FileSpec, SplitsPathsIntoTheirParts) {
  const SplitRow rows[] = {
      {"C:\\VO28\\BIN\\DEDUDED.INF", "C:", "\\VO28\\BIN\\", "DEDUDED", ".INF"},
      {"D:\\VO28\\", "D:", "\\VO28\\", "", ""},
      {"D:\\VO28", "D:", "\\", "VO28", ""},
      {"C:BAR.DLL", "C:", "", "BAR", ".DLL"},
      {"\\lib\\BAR.DLL", "", "\\lib\\", "BAR", ".DLL"},
      {"BAR.DLL", "", "", "BAR", ".DLL"},
      {"BAR", "", "", "BAR", ""},
      {"C:/vo/x.tar.gz", "C:", "/vo/", "x.tar", ".gz"},
      {"C:\\my.dir\\file", "C:", "\\my.dir\\", "file", ""},
      {"", "", "", "", ""},
      {"Z:\\tmp\\formfit-1\\BIN\\DEDUDED.INF", "Z:", "\\tmp\\formfit-1\\BIN\\", "DEDUDED", ".INF"},
  };
  for (const SplitRow& row : rows) {
    const FileSpec file(row.path);
    EXPECT_EQ(file.Drive(), row.drive) << row.path;
    EXPECT_EQ(file.Path(), row.folder) << row.path;
    EXPECT_EQ(file.FileName(), row.name) << row.path;
    EXPECT_EQ(file.Extension(), row.extension) << row.path;
    EXPECT_EQ(file.FullPath(), row.path) << "joining gives the path back";
  }
}

TEST(FileSpec, AppendToPathAddsOneFolder) {
  struct Row {
    const char* path;
    const char* folder;
    const char* full;
  };
  const Row rows[] = {
      {"D:\\VO28\\", "BIN", "D:\\VO28\\BIN\\"},
      {"D:\\VO28\\x.txt", "BIN", "D:\\VO28\\BIN\\x.txt"},
      {"", "BIN", "BIN\\"},
      {"D:", "BIN", "D:BIN\\"},
  };
  for (const Row& row : rows) {
    FileSpec file(row.path);
    file.AppendToPath(row.folder);
    EXPECT_EQ(file.FullPath(), row.full) << row.path;
  }
}

TEST(FileSpec, PathUpRemovesTheLastFolder) {
  struct Row {
    const char* path;
    bool moved;
    const char* full;
  };
  const Row rows[] = {
      {"C:\\VO28\\Uninstall\\", true, "C:\\VO28\\"},
      {"C:\\VO28\\", true, "C:\\"},
      {"C:\\", false, "C:\\"},
      {"C:", false, "C:"},
      {"VO28\\", true, ""},
      {"C:\\a/b/", true, "C:\\a/"},
  };
  for (const Row& row : rows) {
    FileSpec file(row.path);
    EXPECT_EQ(file.PathUp(), row.moved) << row.path;
    EXPECT_EQ(file.FullPath(), row.full) << row.path;
  }
}

}  // namespace
}  // namespace formfit
