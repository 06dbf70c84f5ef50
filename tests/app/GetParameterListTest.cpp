#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/App.h"

namespace formfit {
namespace {

struct Row {
  const char* commandLine;
  std::vector<std::string> words;
};

const Row kRows[] = {
    {"", {}},
    {"   ", {}},
    {"C:\\Tools\\formfit.exe", {"C:\\Tools\\formfit.exe"}},
    {"formfit.exe  cavopath=D:\\VO28   silent  ", {"formfit.exe", "cavopath=D:\\VO28", "silent"}},
    {"a\tb c", {"a\tb", "c"}},
    {"'x y' cavopath=D:\\VO28 silent", {"x y", "cavopath=D:\\VO28", "silent"}},
    {"\"x y\" cavopath=D:\\VO28 silent", {"x y", "cavopath=D:\\VO28", "silent"}},
    {"[x y] cavopath=D:\\VO28 silent", {"x y", "cavopath=D:\\VO28", "silent"}},
    {"'cavopath=D:\\My VO' mode=Add", {"cavopath=D:\\My VO", "mode=Add"}},
    {"cavopath='D:\\My VO'", {"cavopath='D:\\My VO'"}},
    {"cavopath=[D:\\My VO] silent", {"cavopath=[D:\\My VO]", "silent"}},
    {"[a b]c d", {"a b", "d"}},
    {"'abc'def ghi", {"abc", "ef", "ghi"}},
    {"\"abc\"def ghi", {"abc", "ef", "ghi"}},
    {"x.exe component=Grid's Editor silent", {"x.exe", "component=Grid's Editor silent"}},
    {"x.exe cavopath='D:\\VO", {"x.exe", "cavopath='D:\\VO"}},
    {"'D:\\VO", {"D:\\VO"}},
    {"\"it's [here]\" x", {"it's [here]", "x"}},
    {"[a ]b] c", {"a ", "]", "c"}},
    {"'' x", {"", "x"}},
    {"a'b'c", {"a'b'"}},
    {"a'b' c", {"a'b'", "c"}},
};

TEST(GetParameterList, Table) {
  for (const Row& row : kRows) {
    EXPECT_EQ(row.words, GetParameterList(row.commandLine)) << "command line: " << row.commandLine;
  }
}

}  // namespace
}  // namespace formfit
