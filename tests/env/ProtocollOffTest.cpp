// The log as built by default: switched off, so nothing is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "env/Protocoll.h"
#include "support/TempDir.h"

namespace formfit {
namespace {

std::optional<std::string> LogContents() {
  const char* path = "c:\\FORMFIT.LOG";
  if (!std::filesystem::exists(path)) return std::nullopt;
  return test::ReadFile(path);
}

TEST(ProtocollOff, WritesNothingAndSucceeds) {
  const std::optional<std::string> before = LogContents();
  EXPECT_TRUE(Protocoll());
  EXPECT_TRUE(Protocoll("\tline"));
  EXPECT_EQ(before, LogContents());
}

// Runs after the test above: LogTo holds for the rest of the process.
TEST(ProtocollOff, LogToWritesTheSameLinesToItsFile) {
  const std::optional<std::string> before = LogContents();
  test::TempDir folder;
  const std::string path = folder.Path() + "run.log";
  LogTo(folder.Path() + "missing/run.log");
  EXPECT_FALSE(Protocoll("\tnot written"));
  LogTo(path);
  EXPECT_TRUE(Protocoll("Grid:\tD:\\Comp\\grid.wed"));
  EXPECT_TRUE(Protocoll(""));
  EXPECT_EQ("\tGrid:\tD:\\Comp\\grid.wed\r\n\t\r\n", test::ReadFile(path));
  EXPECT_EQ(before, LogContents());
}

}  // namespace
}  // namespace formfit
