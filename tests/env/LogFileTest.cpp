#include <gtest/gtest.h>

#include <ctime>

#include "env/LogFile.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit {
namespace {

using test::Crlf;
using test::SameText;

TEST(AppendLogLine, CreatesThenAppends) {
  test::TempDir dir;
  const std::string path = dir.Path() + "FORMFIT.LOG";
  EXPECT_TRUE(AppendLogLine(path, "08.12.2026 03:45:00"));
  EXPECT_TRUE(AppendLogLine(path, "\tGrid:\tD:\\Comp\\grid.wed"));
  EXPECT_TRUE(AppendLogLine(path, ""));
  EXPECT_TRUE(
      SameText(Crlf("08.12.2026 03:45:00\n\tGrid:\tD:\\Comp\\grid.wed\n\n"), test::ReadFile(path)));
}

TEST(AppendLogLine, KeepsWhatTheFileHeld) {
  test::TempDir dir;
  const std::string path = dir.WriteFile("FORMFIT.LOG", "earlier run\r\n");
  EXPECT_TRUE(AppendLogLine(path, "\tnext"));
  EXPECT_TRUE(SameText(Crlf("earlier run\n\tnext\n"), test::ReadFile(path)));
}

TEST(AppendLogLine, FalseWhenTheFileCannotBeCreated) {
  test::TempDir dir;
  EXPECT_FALSE(AppendLogLine(dir.Path() + "missing" + "/FORMFIT.LOG", "\tline"));
}

TEST(LogTimestamp, DayMonthYearAnd24HourTime) {
  std::tm time{};
  time.tm_year = 2026 - 1900;
  time.tm_mon = 2;
  time.tm_mday = 7;
  time.tm_hour = 21;
  time.tm_min = 5;
  time.tm_sec = 9;
  EXPECT_EQ("07.03.2026 21:05:09", LogTimestamp(time));
}

}  // namespace
}  // namespace formfit
