#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/Keywords.h"

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

// The round trip choice, command line, words, choice: the line, read back as
// the program reads its own command line, gives the same run.
TEST(SilentCommandLine, ReadsBackAsTheSameChoice) {
  const auto choice = [](std::string folder, std::string name, std::string file,
                         std::optional<Mode> mode) {
    SetupChoice made;
    made.cavoFolder = std::move(folder);
    made.componentName = std::move(name);
    made.componentFile = std::move(file);
    made.mode = mode;
    made.silent = true;
    return made;
  };
  const std::string program = "C:\\Tools\\formfit.exe";
  const SetupChoice rows[] = {
      choice("D:\\VO28\\", "Grid", "D:\\VO28\\BIN\\grid.wed", Mode::kAdd),
      choice("Z:\\tmp\\a b\\", "Grid's Editor", "Z:\\tmp\\a b\\BIN\\it's.wed", Mode::kRemove),
      choice("D:\\[VO]\\", "\"quoted\"", "D:\\[VO]\\BIN\\x.wed", Mode::kAdd),
  };
  for (const SetupChoice& row : rows) {
    SCOPED_TRACE(row.componentName);
    const std::optional<std::string> line = SilentCommandLine(program, row);
    ASSERT_TRUE(line);
    const std::vector<std::string> words = GetParameterList(*line);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(program, words.front());
    const SetupChoice read = ReadKeywords(words);
    EXPECT_EQ(row.cavoFolder, read.cavoFolder);
    EXPECT_EQ(row.componentName, read.componentName);
    EXPECT_EQ(row.componentFile, read.componentFile);
    ASSERT_TRUE(read.mode);
    EXPECT_EQ(row.mode, *read.mode);
    EXPECT_TRUE(read.silent);
    EXPECT_TRUE(row == read);
  }
  EXPECT_FALSE(SilentCommandLine(program, choice("D:\\VO28\\", "Grid", "g.wed", std::nullopt)));
  EXPECT_FALSE(SilentCommandLine(program, choice("D:\\VO28\\", "Grid", "g.wed", Mode::kCheck)));
}

}  // namespace
}  // namespace formfit
