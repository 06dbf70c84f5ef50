// The Windows user's guide README.txt against the program's own tables:
// every command-line word and switch and every exit status has its entry,
// the installer examples give each status the guide's meaning, the texts it
// quotes by number are the English language file's, and the guide's
// snippets are the examples' lines word for word.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/Keywords.h"
#include "base/StringRules.h"
#include "engine/Outcome.h"
#include "env/LanguageStrings.h"
#include "support/SplitLines.h"
#include "support/TempDir.h"

namespace formfit::test {
namespace {

const std::string kSourceDir = FORMFIT_SOURCE_DIR;

// The guide's lines without their CR LF.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (const std::string_view line : SplitLines(text)) lines.push_back(WithoutCrLf(line));
  return lines;
}

class UserGuide : public ::testing::Test {
 protected:
  std::string guide = ReadFile(kSourceDir + "/README.txt");
  std::vector<std::string> lines = Lines(guide);

  // The lines of the section under `heading` (underlined with dashes).
  std::vector<std::string> Section(const std::string& heading) const {
    std::vector<std::string> section;
    bool inside = false;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
      const bool isHeading =
          lines[i + 1].find_first_not_of('-') == std::string::npos && !lines[i + 1].empty();
      if (isHeading)
        inside = lines[i] == heading;
      else if (inside)
        section.push_back(lines[i]);
    }
    return section;
  }

  // The exit status list: number and meaning.
  std::map<int, std::string> Statuses() const {
    std::map<int, std::string> statuses;
    const std::regex entry(R"(  (\d+) +(.+))");
    std::smatch match;
    for (const std::string& line : Section("Exit statuses")) {
      if (std::regex_match(line, match, entry)) statuses[std::stoi(match[1])] = match[2];
    }
    return statuses;
  }
};

TEST_F(UserGuide, IsPlainTextWithWindowsLineEnds) {
  std::string joined;
  for (const std::string& line : lines) joined += line + "\r\n";
  EXPECT_EQ(guide, joined) << "a line does not end in CR LF";
  for (const std::string& line : lines) {
    EXPECT_EQ(std::string::npos,
              line.find_first_not_of(" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                     "[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~"))
        << line;
  }
}

// Each key opens its entry; each switch stands as a word in the section.
TEST_F(UserGuide, DescribesEveryWord) {
  std::set<std::string> known, described;
  for (const Keyword& keyword : kKeywords) {
    known.insert(std::string(keyword.key));
    for (const std::string_view switchWord : keyword.switches) {
      if (!switchWord.empty()) known.insert(Upper(switchWord));
    }
  }
  for (const std::string& line : Section("The command line")) {
    for (const std::string& word : known) {
      if (line.rfind("  " + word, 0) == 0 ||
          (word[0] == '/' && std::regex_search(line, std::regex("(^|[ ,])" + word + "([ ,.]|$)"))))
        described.insert(word);
    }
  }
  EXPECT_EQ(known, described);
}

// A text quoted as `text NUMBER: "..."` is the language file's text of that
// number; numbers the file lacks yet are left to the change that adds them.
TEST_F(UserGuide, QuotesTheProgramsTextsAsTheyAre) {
  const LanguageTable english = LanguageTable::FromFile(kSourceDir + "/resources/Formfit.en.sys");
  std::string joined;
  for (const std::string& line : lines) joined += Trimmed(line) + " ";
  const std::regex quote(R"re(text (\d+): "([^"]+)")re");
  int checked = 0;
  for (auto match = std::sregex_iterator(joined.begin(), joined.end(), quote);
       match != std::sregex_iterator(); ++match) {
    const std::string text = english.Lookup(std::stoul((*match)[1]), "");
    if (text.empty()) continue;
    EXPECT_EQ(text, (*match)[2].str()) << "text " << (*match)[1];
    ++checked;
  }
  EXPECT_GE(checked, 1);
}

TEST_F(UserGuide, GivesEveryExitStatusAndNoOther) {
  std::set<int> known(kRunExitStatuses.begin(), kRunExitStatuses.end());
  for (const OutcomeRow& row : kOutcomes) known.insert(row.exitStatus);
  std::set<int> listed;
  for (const auto& [number, meaning] : Statuses()) listed.insert(number);
  EXPECT_EQ(known, listed);
}

TEST_F(UserGuide, TheInstallerExamplesGiveEachStatusItsMeaning) {
  for (const char* example : {"grid-setup.nsi", "grid-setup.bat"}) {
    SCOPED_TRACE(example);
    const std::string text = ReadFile(kSourceDir + "/examples/installer/" + example);
    for (const auto& [number, meaning] : Statuses()) {
      EXPECT_NE(std::string::npos, text.find(meaning)) << number << " " << meaning;
    }
  }
}

// A snippet is the block of lines indented by four blanks after a line that
// ends "(from installer\FILE):"; it stands in FILE as it stands in the guide.
TEST_F(UserGuide, ItsSnippetsAreTheExamplesWordForWord) {
  const std::regex source(R"(.*\(from installer\\([-\w.]+)\):)");
  std::smatch match;
  int snippets = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!std::regex_match(lines[i], match, source)) continue;
    std::string snippet;
    std::size_t end = i + 1;
    while (end < lines.size() && (lines[end].empty() || lines[end].rfind("    ", 0) == 0)) ++end;
    while (lines[end - 1].empty()) --end;
    std::size_t start = i + 1;
    while (start < end && lines[start].empty()) ++start;
    for (std::size_t j = start; j < end; ++j) {
      snippet += (lines[j].empty() ? "" : lines[j].substr(4)) + "\r\n";
    }
    const std::string file = ReadFile(kSourceDir + "/examples/installer/" + match[1].str());
    EXPECT_NE(std::string::npos, file.find(snippet)) << match[1] << ":\n" << snippet;
    ++snippets;
  }
  EXPECT_EQ(4, snippets);
}

}  // namespace
}  // namespace formfit::test
