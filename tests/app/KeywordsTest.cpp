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

SetupChoice Expect(std::string folder, std::string component, std::string file,
                   std::optional<const char*> mode, bool silent) {
  SetupChoice keywords;
  keywords.cavoFolder = std::move(folder);
  keywords.componentName = std::move(component);
  keywords.componentFile = std::move(file);
  if (mode) keywords.mode = Symbol(*mode);
  keywords.silent = silent;
  return keywords;
}

const Row kRows[] = {
    {"program path only", "C:\\Tools\\formfit.exe", Expect("", "", "", std::nullopt, false)},
    {"a whole silent run",
     "formfit.exe cavopath=D:\\VO28 component=Grid compfile=D:\\Comp\\grid.wed mode=Add silent",
     Expect("D:\\VO28", "Grid", "D:\\Comp\\grid.wed", "ADD", true)},
    {"key in upper case, value keeps its case", "x CAVOPATH=D:\\VO28",
     Expect("D:\\VO28", "", "", std::nullopt, false)},
    {"mode=Remove", "x mode=Remove", Expect("", "", "", "Remove", false)},
    {"mode=add", "x mode=add", Expect("", "", "", "ADD", false)},
    {"MODE=ADD", "x MODE=ADD", Expect("", "", "", "Add", false)},
    {"mode=Delete selects no action", "x mode=Delete", Expect("", "", "", "DELETE", false)},
    {"mode= with nothing", "x mode=", Expect("", "", "", "", false)},
    {"backup=", "x mode=Restore backup=007",
     [] {
       SetupChoice restore = Expect("", "", "", "Restore", false);
       restore.backup = "007";
       return restore;
     }()},
    {"cavopath= with nothing", "x cavopath=", Expect("", "", "", std::nullopt, false)},
    {"first word wins", "x cavopath=A cavopath=B", Expect("A", "", "", std::nullopt, false)},
    {"silentmode", "x silentmode", Expect("", "", "", std::nullopt, true)},
    {"SILENT", "x SILENT", Expect("", "", "", std::nullopt, true)},
    {"silen is no key", "x silen", Expect("", "", "", std::nullopt, false)},
    {"installer switch /s", "x /s", Expect("", "", "", std::nullopt, true)},
    {"installer switch /VerySilent", "x /VerySilent", Expect("", "", "", std::nullopt, true)},
    {"switches count whole only", "x /silently /S: S /-S", Expect("", "", "", std::nullopt, false)},
    {"key inside a word is no key", "x mycavopath=D:\\VO28",
     Expect("", "", "", std::nullopt, false)},
    {"quoted word with a blank", "x 'cavopath=D:\\My VO' mode=Add",
     Expect("D:\\My VO", "", "", "Add", false)},
    {"quotes inside a word are kept", "x cavopath='D:\\My VO'",
     Expect("'D:\\My VO'", "", "", std::nullopt, false)},
    {"apostrophe swallows the rest", "x component=Grid's Editor silent",
     Expect("", "Grid's Editor silent", "", std::nullopt, false)},
    {"component before compfile", "x compfile=a.wed component=Grid",
     Expect("", "Grid", "a.wed", std::nullopt, false)},
};

void ExpectSame(const SetupChoice& expected, const SetupChoice& actual) {
  EXPECT_EQ(expected.cavoFolder, actual.cavoFolder);
  EXPECT_EQ(expected.componentName, actual.componentName);
  EXPECT_EQ(expected.componentFile, actual.componentFile);
  EXPECT_EQ(expected.mode.has_value(), actual.mode.has_value());
  if (expected.mode && actual.mode) {
    EXPECT_EQ(expected.mode->Name(), actual.mode->Name());
  }
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

TEST(ReadKeywords, AFolderStringIsTheFolderOnly) {
  ExpectSame(Expect("D:\\VO28 silent", "", "", std::nullopt, false),
             ReadKeywords(std::string_view("D:\\VO28 silent")));
}

}  // namespace
}  // namespace formfit
