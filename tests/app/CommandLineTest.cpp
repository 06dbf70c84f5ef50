#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/App.h"

namespace formfit {
namespace {

struct Row {
  const char* word;
  std::optional<std::string> written;
};

const Row kRows[] = {
    {"mode=Add", "mode=Add"},
    {"C:\\Tools\\formfit.exe", "C:\\Tools\\formfit.exe"},
    {"a]b", "a]b"},
    {"a\tb", "a\tb"},
    {"", "\"\""},
    {"cavopath=D:\\My VO", "\"cavopath=D:\\My VO\""},
    {"component=Grid's Editor", "\"component=Grid's Editor\""},
    {"'quoted'", "\"'quoted'\""},
    {"[x]", "\"[x]\""},
    {"say \"hi\"", "'say \"hi\"'"},
    {"\"it's\"", "[\"it's\"]"},
    {"\"it's [x]\"", std::nullopt},
    {"\"'][", std::nullopt},
};

TEST(QuoteWord, Table) {
  for (const Row& row : kRows) {
    EXPECT_EQ(row.written, QuoteWord(row.word)) << "word: " << row.word;
  }
}

TEST(CommandLineOf, JoinsWrittenWords) {
  EXPECT_EQ(std::optional<std::string>(""), CommandLineOf({}));
  EXPECT_EQ(std::optional<std::string>("formfit.exe \"cavopath=D:\\My VO\" mode=Add \"\" silent"),
            CommandLineOf({"formfit.exe", "cavopath=D:\\My VO", "mode=Add", "", "silent"}));
  EXPECT_EQ(std::nullopt, CommandLineOf({"formfit.exe", "\"'] x", "silent"}));
}

bool HoldsAllClosers(const std::string& word) {
  return word.find('"') != std::string::npos && word.find('\'') != std::string::npos &&
         word.find(']') != std::string::npos;
}

// Whatever the words, a written command line reads back as exactly them.
TEST(CommandLineOf, ReadsBackAsTheWords) {
  const std::string alphabet = "ab \"'[]\\\t=";
  std::mt19937 random(1208);
  int written = 0;
  for (int round = 0; round < 5000; ++round) {
    std::vector<std::string> words(random() % 5);
    for (std::string& word : words) {
      word.resize(random() % 7);
      for (char& c : word) c = alphabet[random() % alphabet.size()];
    }
    const std::optional<std::string> line = CommandLineOf(words);
    if (line) {
      ASSERT_EQ(words, GetParameterList(*line)) << "line: " << *line;
      ++written;
    } else {
      bool unwritable = false;
      for (const std::string& word : words) unwritable = unwritable || HoldsAllClosers(word);
      ASSERT_TRUE(unwritable);
    }
  }
  EXPECT_GT(written, 2500);
}

}  // namespace
}  // namespace formfit
