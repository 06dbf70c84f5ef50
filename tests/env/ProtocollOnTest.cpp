// The log built with the switch on, writing to this test's own file.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "env/Protocoll.h"
#include "support/TempDir.h"

namespace formfit {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "text behind the last CR LF";
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
