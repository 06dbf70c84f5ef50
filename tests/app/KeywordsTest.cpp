#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/App.h"
#include "app/Keywords.h"

namespace formfit {
namespace {

struct Row {
  const char* name;
  const char* commandLine;  // split as the program splits its own
  SetupChoice expected;
};

// `mode` none: the words name no run.
SetupChoice Expect(std::string folder, std::string component, std::string file,
                   std::optional<Mode> mode, bool silent) {
  SetupChoice keywords;
  keywords.cavoFolder = std::move(folder);
  keywords.componentName = std::move(component);
  keywords.componentFile = std::move(file);
  keywords.mode = mode;
  keywords.silent = silent;
  return keywords;
}

const Row kRows[] = {
    {"program path only", "C:\\Tools\\formfit.exe", Expect("", "", "", Mode::kAdd, false)},
    {"a whole silent run",
     "formfit.exe cavopath=D:\\VO28 component=Grid compfile=D:\\Comp\\grid.wed mode=Add silent",
     Expect("D:\\VO28", "Grid", "D:\\Comp\\grid.wed", Mode::kAdd, true)},
    {"key in upper case, value keeps its case", "x CAVOPATH=D:\\VO28",
     Expect("D:\\VO28", "", "", Mode::kAdd, false)},
    {"mode=Remove", "x mode=Remove", Expect("", "", "", Mode::kRemove, false)},
    {"mode=add", "x mode=add", Expect("", "", "", Mode::kAdd, false)},
    {"MODE=ADD", "x MODE=ADD", Expect("", "", "", Mode::kAdd, false)},
    {"mode=Delete selects no action", "x mode=Delete", Expect("", "", "", std::nullopt, false)},
    {"mode= with nothing", "x mode=", Expect("", "", "", std::nullopt, false)},
    {"backup=", "x mode=Restore backup=007",
     [] {
       SetupChoice restore = Expect("", "", "", Mode::kRestore, false);
       restore.backup = "007";
       return restore;
     }()},
    {"cavopath= with nothing", "x cavopath=", Expect("", "", "", Mode::kAdd, false)},
    {"first word wins", "x cavopath=A cavopath=B", Expect("A", "", "", Mode::kAdd, false)},
    {"silentmode", "x silentmode", Expect("", "", "", Mode::kAdd, true)},
    {"SILENT", "x SILENT", Expect("", "", "", Mode::kAdd, true)},
    {"silen is no key", "x silen", Expect("", "", "", Mode::kAdd, false)},
    {"installer switch /s", "x /s", Expect("", "", "", Mode::kAdd, true)},
    {"installer switch /VerySilent", "x /VerySilent", Expect("", "", "", Mode::kAdd, true)},
    {"switches count whole only", "x /silently /S: S /-S", Expect("", "", "", Mode::kAdd, false)},
    {"key inside a word is no key", "x mycavopath=D:\\VO28", Expect("", "", "", Mode::kAdd, false)},
    {"quoted word with a blank", "x 'cavopath=D:\\My VO' mode=Add",
     Expect("D:\\My VO", "", "", Mode::kAdd, false)},
    {"quotes inside a word are kept", "x cavopath='D:\\My VO'",
     Expect("'D:\\My VO'", "", "", Mode::kAdd, false)},
    {"apostrophe swallows the rest", "x component=Grid's Editor silent",
     Expect("", "Grid's Editor silent", "", Mode::kAdd, false)},
    {"component before compfile", "x compfile=a.wed component=Grid",
     Expect("", "Grid", "a.wed", Mode::kAdd, false)},
};

void ExpectSame(const SetupChoice& expected, const SetupChoice& actual) {
  EXPECT_EQ(expected.cavoFolder, actual.cavoFolder);
  EXPECT_EQ(expected.componentName, actual.componentName);
  EXPECT_EQ(expected.componentFile, actual.componentFile);
  EXPECT_EQ(expected.mode, actual.mode);
  EXPECT_EQ(expected.backup, actual.backup);
  EXPECT_EQ(expected.silent, actual.silent);
  EXPECT_EQ(expected.previewFile, actual.previewFile);
  EXPECT_EQ(expected.logFile, actual.logFile);
  EXPECT_EQ(expected.language, actual.language);
  EXPECT_TRUE(expected == actual);
}

TEST(ReadKeywords, Table) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    ExpectSame(row.expected, ReadKeywords(GetParameterList(row.commandLine)));
  }
}

// The words installers add: each keeps its value as written, and a word
// that only begins like a key is no key.
TEST(ReadKeywords, PreviewLogAndLanguage) {
  struct RunRow {
    const char* name;
    const char* commandLine;
    const char* preview;
    const char* log;
    const char* language;
  };
  const RunRow rows[] = {
      {"none", "x silent", "", "", ""},
      {"all three", "x preview=C:\\p.diff log=C:\\f.log lang=en", "C:\\p.diff", "C:\\f.log", "en"},
      {"keys in upper case", "x PREVIEW=a LOG=B LANG=DE", "a", "B", "DE"},
      {"quoted path with a blank", "x \"preview=C:\\My Files\\p.diff\" silent",
       "C:\\My Files\\p.diff", "", ""},
      {"first word wins", "x log=a log=b lang=de lang=en", "", "a", "de"},
      {"logfile= is no key", "x logfile=a language=en previewed", "", "", ""},
  };
  for (const RunRow& row : rows) {
    SCOPED_TRACE(row.name);
    SetupChoice expected;
    expected.silent = std::string(row.commandLine).find("silent") != std::string::npos;
    expected.previewFile = row.preview;
    expected.logFile = row.log;
    expected.language = row.language;
    ExpectSame(expected, ReadKeywords(GetParameterList(row.commandLine)));
  }
}

}  // namespace
}  // namespace formfit
