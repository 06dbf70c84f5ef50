// The log built with the switch on, writing to this test's own file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>

#include "env/Protocoll.h"
#include "support/SplitLines.h"
#include "support/TempDir.h"

namespace formfit {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (const std::string_view line : test::SplitLines(text)) {
    EXPECT_EQ("\r\n", line.substr(line.size() - std::min<std::size_t>(line.size(), 2)))
        << "a line not ended by CR LF";
    lines.push_back(test::WithoutCrLf(line));
  }
  return lines;
}

TEST(ProtocollOn, CreatesTheFileThenAppendsLines) {
  std::remove(FORMFIT_LOG_PATH);
  EXPECT_TRUE(Protocoll());
  EXPECT_TRUE(Protocoll("Grid:\tD:\\Comp\\grid.wed"));
  EXPECT_TRUE(Protocoll());
  EXPECT_TRUE(Protocoll(""));
  const std::vector<std::string> lines = Lines(test::ReadFile(FORMFIT_LOG_PATH));
  std::remove(FORMFIT_LOG_PATH);
  ASSERT_EQ(4u, lines.size());
  const std::regex timestamp(R"(\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d)");
  EXPECT_TRUE(std::regex_match(lines[0], timestamp)) << lines[0];
  EXPECT_EQ("\tGrid:\tD:\\Comp\\grid.wed", lines[1]);
  EXPECT_TRUE(std::regex_match(lines[2], timestamp)) << lines[2];
  EXPECT_EQ("\t", lines[3]);
}

}  // namespace
}  // namespace formfit
